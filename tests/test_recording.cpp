// Recording a session and playing it back: a whole session through the real
// keys (the opening, shopping, the receptionist, a match with an item and
// the Ctrl pause) recorded headless, played back, and every state along the
// way compared; recordings cut off, damaged or from another version refused.
#include <fcntl.h>
#include <pwd.h>
#include <stdlib.h>
#include <sys/file.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <set>

#include "platform/internal.h"
#include "player_files/recording.h"
#include "player_files/recording_file.h"
#include "platform/text.h"
#include "player_files/sessions.h"
#include "player_files/settings.h"
#include "player_files/user_files.h"
#include "story/language.h"
#include "test_support.h"

namespace {

using moki::GameState;
namespace rec = plat::recording;
namespace recfile = plat::recfile;

// A player who knows the hall: walks to サンタ's counter and buys, then to
// the receptionist's and books a match (yes to every question), then plays
// the match as the forward, uses the item on Z and pauses once with Ctrl.
// It only presses keys, so a recording of it holds everything it did.
struct Pilot {
  GameState* gs = nullptr;
  std::set<int> held;
  int stage = 0;  // 0 to the seller, 1 to the receptionist, 2 the match
  double pageSince = 0, pauseEnds = -1, lastItem = 0, lastSpace = -1e9;
  std::u32string seen;
  int16_t seenState = 0;
  bool paused = false;
  int16_t lastCount = 0;
  // What happened, for the test to check that the session was the one meant.
  bool talked = false, bought = false, itemUsed = false, pausedInMatch = false;
  bool matchPlayed = false;

  void Down(int vk) {
    if (held.insert(vk).second) plat::headless::QueueKeyDown(vk);
  }
  void Up(int vk) {
    if (held.erase(vk)) plat::headless::QueueKeyUp(vk);
  }
  void Press(int vk) {
    plat::headless::QueueKeyDown(vk);
    plat::headless::QueueKeyUp(vk, 30);
  }
  void Arrow(int d) {  // hold the arrow of facing d (-1: none)
    for (int k = 0; k < 4; ++k)
      if (k != d) Up(plat::VK_LEFT + k);
    if (d >= 0) Down(plat::VK_LEFT + d);
  }

  // The first step from the hero's cell towards (gx, gy) over free floor.
  int FirstStep(int gx, int gy) const {
    static constexpr int dx[4] = {-1, 0, 1, 0}, dy[4] = {0, -1, 0, 1};
    const int sx = gs->playerX, sy = gs->playerY;
    if (sx == gx && sy == gy) return -1;
    std::vector<int> seenCell(41 * 41, 0);
    std::deque<std::pair<int, int>> q;  // cell, first step
    seenCell[size_t(sy * 41 + sx)] = 1;
    for (int d = 0; d < 4; ++d) q.push_back({(sy + dy[d]) * 41 + sx + dx[d], d});
    while (!q.empty()) {
      auto [c, first] = q.front();
      q.pop_front();
      const int x = c % 41, y = c / 41;
      if (x < 0 || y < 0 || x > 40 || y > 40 || seenCell[size_t(c)]) continue;
      seenCell[size_t(c)] = 1;
      if (gs->hallMap[size_t(y)][size_t(x)] != 10 || gs->hallOccupancy[size_t(y)][size_t(x)] >= 2)
        continue;
      if (x == gx && y == gy) return first;
      for (int d = 0; d < 4; ++d) q.push_back({(y + dy[d]) * 41 + x + dx[d], first});
    }
    return -1;
  }

  void Read(double now) {
    talked = true;
    Arrow(-1);
    if (gs->messageText != seen || gs->dialogueState != seenState) {
      seen = gs->messageText;
      seenState = gs->dialogueState;
      pageSince = now;
    }
    if (gs->choicePending == 1) {
      if (gs->choiceCursor != 0) return Press(plat::VK_UP);
      if (now - pageSince > 200) Press(plat::VK_SPACE), pageSince = now;
      return;
    }
    if (now - pageSince > 400) Press(plat::VK_SPACE), pageSince = now;
  }

  void Walk(double now) {
    if (stage == 0 && gs->slotCount[size_t(gs->slotItem[0])][0] > 0) bought = true, stage = 1;
    const int gx = stage == 0 ? 12 : 20, gy = stage == 0 ? 29 : 10, face = stage == 0 ? 0 : 1;
    if (gs->playerX != gx || gs->playerY != gy) return Arrow(FirstStep(gx, gy));
    if (gs->playerFacing != face) return Arrow(face);  // the counter: a turn only
    Arrow(-1);
    if (now - lastSpace > 800) Press(plat::VK_SPACE), lastSpace = now;
  }

  void Match(double now) {
    matchPlayed = true;
    if (!plat::TimerEnabled() && gs->statusShown == 0) return;  // the intro, the box
    if (gs->statusShown == 1) {
      pausedInMatch = true;
      if (now >= pauseEnds) Press(plat::VK_CONTROL), pauseEnds = 1e18;
      return;
    }
    if (!paused && gs->countsLeft <= 50) {
      paused = true;
      pauseEnds = now + 1500;
      Press(plat::VK_CONTROL);
      return;
    }
    // Drive round the field, and use the item now and then.
    const int phase = int(now / 700) % 4;
    Down(plat::VK_UP);
    phase == 1 ? Down(plat::VK_LEFT) : Up(plat::VK_LEFT);
    phase == 3 ? Down(plat::VK_SHIFT) : Up(plat::VK_SHIFT);
    const int16_t count = gs->slotCount[size_t(gs->slotItem[0])][0];
    if (count < lastCount) itemUsed = true;
    lastCount = count;
    if (gs->countsLeft <= 55 && now - lastItem > 4000 && count > 0)
      Press(plat::VK_Z), lastItem = now;
  }

  void Step() {
    const double now = plat::headless::Now();
    if (gs->GameMode == moki::kModeMatch) {
      stage = 2;
      return Match(now);
    }
    for (int vk : {plat::VK_UP, plat::VK_LEFT, plat::VK_SHIFT})
      if (stage == 2) Up(vk);
    if (gs->GameMode == moki::kModeTitle) return;
    if (gs->dialogueState != 0 || gs->statusShown == 1) return Read(now);
    if (gs->GameMode == moki::kModeHall && plat::TimerEnabled() && stage < 2) Walk(now);
  }
};

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The game state's hash after every event handed to the game.
std::vector<uint64_t>* g_trail = nullptr;

void FollowStates(std::vector<uint64_t>& trail) {
  g_trail = &trail;
  rec::SetEventHook(
      [] { g_trail->push_back(recfile::Hash(plat::internal::GetHandlers().dumpJson())); });
}

struct Played {
  int code = -1;
  std::vector<uint64_t> trail;
  std::string finalDump;
};

Played PlayBack(const std::string& bytes) {
  Played out;
  auto f = testing_support::MakeForm(99);  // the recording's own seed takes over
  std::string err;
  EXPECT_TRUE(rec::StartPlaybackOf(bytes, err)) << err;
  FollowStates(out.trail);
  out.code = plat::headless::Run([&] {
    moki::Form_Load(*f);
    plat::headless::MainLoop();
  });
  rec::SetEventHook(nullptr);
  out.finalDump = plat::internal::GetHandlers().dumpJson();
  return out;
}

// One session, recorded once for all the tests here.
struct Session {
  std::string bytes;
  std::vector<uint64_t> trail;
  std::string finalDump;
  Pilot pilot;
  int code = -1;
};

const Session& RecordedSession() {
  static Session* s = [] {
    auto* out = new Session;
    auto f = testing_support::MakeForm(7);
    rec::StartInMemory();
    FollowStates(out->trail);
    out->pilot.gs = &f->gs;
    plat::headless::SetIdleHook([out] { out->pilot.Step(); });
    plat::headless::SetFrameHook([out](const plat::Surface&) { out->pilot.Step(); });
    std::string err;
    EXPECT_TRUE(plat::headless::LoadScenario(
        "menu start\nuntil GameMode 4 900000\nuntil GameMode 1 200000\nwait 2000\nmenu quit\n",
        err))
        << err;
    out->code = plat::headless::Run([&] {
      moki::Form_Load(*f);
      plat::headless::MainLoop();
    });
    plat::headless::SetIdleHook(nullptr);
    plat::headless::SetFrameHook(nullptr);
    rec::SetEventHook(nullptr);
    out->finalDump = plat::internal::GetHandlers().dumpJson();
    out->bytes = rec::LastRecording();
    return out;
  }();
  return *s;
}

TEST(Recording, AWholeSessionPlaysBackThroughTheSameStates) {
  const Session& s = RecordedSession();
  ASSERT_EQ(s.code, 0);
  EXPECT_FALSE(rec::Recording());  // 終了 ended and wrote it
  // The session was the one meant: a talk, a purchase, a match with the item
  // used and the Ctrl pause.
  EXPECT_TRUE(s.pilot.talked);
  EXPECT_TRUE(s.pilot.bought);
  EXPECT_TRUE(s.pilot.matchPlayed);
  EXPECT_TRUE(s.pilot.itemUsed);
  EXPECT_TRUE(s.pilot.pausedInMatch);
  EXPECT_NE(s.finalDump.find("\"GameMode\":1"), std::string::npos);
  ASSERT_GT(s.trail.size(), 1000u);
  ASSERT_FALSE(s.bytes.empty());

  const Played p = PlayBack(s.bytes);
  EXPECT_EQ(p.code, 0);
  EXPECT_TRUE(rec::LastVerdict().ended);
  EXPECT_TRUE(rec::LastVerdict().reached) << rec::LastVerdict().message;
  EXPECT_FALSE(rec::Playing());
  ASSERT_EQ(p.trail.size(), s.trail.size());
  const auto diff = std::mismatch(s.trail.begin(), s.trail.end(), p.trail.begin());
  EXPECT_TRUE(diff.first == s.trail.end())
      << "first state to differ: after event " << (diff.first - s.trail.begin());
  EXPECT_EQ(p.finalDump, s.finalDump);

  // And again: a playback leaves nothing behind that changes the next one.
  const Played again = PlayBack(s.bytes);
  EXPECT_EQ(again.code, 0);
  EXPECT_EQ(again.trail, s.trail);
}

TEST(Recording, ALeagueRecordedWithAnotherRandomStateIsReportedAsNotReached) {
  const Session& s = RecordedSession();
  std::string payload, err;
  ASSERT_TRUE(recfile::PayloadOf(s.bytes, rec::GameVersion(), payload, err)) << err;
  // The random state sits after the start clock (one varint): change it.
  size_t at = 0;
  while (uint8_t(payload[at]) & 0x80) ++at;
  payload[at + 1] = char(payload[at + 1] ^ 0x5a);
  const Played p = PlayBack(recfile::Pack(payload, rec::GameVersion()));
  EXPECT_EQ(p.code, 1);
  EXPECT_TRUE(rec::LastVerdict().ended);
  EXPECT_FALSE(rec::LastVerdict().reached);
  EXPECT_NE(rec::LastVerdict().message.find("left the recording"), std::string::npos)
      << rec::LastVerdict().message;
}

TEST(RecordingFile, CutOffDamagedOrFromAnotherVersionIsRefusedWithAClearMessage) {
  const std::string& good = RecordedSession().bytes;
  recfile::Recording r;
  std::string err;
  ASSERT_TRUE(recfile::Unpack(good, rec::GameVersion(), r, err)) << err;
  EXPECT_EQ(r.records.back().tag, recfile::Tag::End);
  EXPECT_EQ(r.records.back().value, int(recfile::EndHow::Quit));

  auto refused = [&](const std::string& bytes, const std::string& words) {
    std::string why;
    recfile::Recording out;
    const bool ok = recfile::Unpack(bytes, rec::GameVersion(), out, why);
    EXPECT_FALSE(ok) << "accepted; expected: " << words;
    EXPECT_NE(why.find(words), std::string::npos) << why;
  };
  refused("", "empty");
  refused("GIF89a and so on", "not a recording");
  std::string b = good;
  for (int format : {1, 3}) {  // an older game's, a newer one's
    b[8] = char(format);
    refused(b, "made in recording format " + std::to_string(format) + "; this game reads format " +
                   std::to_string(recfile::kFormatVersion));
  }
  std::string payload;
  ASSERT_TRUE(recfile::PayloadOf(good, rec::GameVersion(), payload, err));
  refused(recfile::Pack(payload, "9.9.9"),
          "recorded with version 9.9.9 of the game; this is version " + rec::GameVersion());
  refused(good + "x", "follow its end");
  // A version that would drive the terminal is shown escaped.
  std::string shown;
  EXPECT_FALSE(rec::StartPlaybackOf(recfile::Pack(payload, "\x1b[2J"), shown));
  EXPECT_NE(shown.find("version \\x1b[2J of the game"), std::string::npos) << shown;
  EXPECT_EQ(shown.find('\x1b'), std::string::npos);
  // Cut off anywhere: refused, never read past the end.
  for (size_t n = 0; n < good.size(); ++n) {
    std::string why;
    recfile::Recording out;
    ASSERT_FALSE(recfile::Unpack(good.substr(0, n), rec::GameVersion(), out, why)) << n;
    EXPECT_TRUE(why.find("cut off") != std::string::npos || why.find("empty") != std::string::npos)
        << n << ": " << why;
  }
  // Any one byte changed anywhere: refused.
  for (size_t i = 0; i < good.size(); ++i)
    for (int flip : {0x01, 0x80, 0xff}) {
      std::string bad = good;
      bad[i] = char(bad[i] ^ flip);
      std::string why;
      recfile::Recording out;
      ASSERT_FALSE(recfile::Unpack(bad, rec::GameVersion(), out, why)) << i;
      ASSERT_FALSE(why.empty());
    }
  // A payload whose records are wrong, packed as if sound: refused.
  refused(recfile::Pack(payload.substr(0, payload.size() - 3), rec::GameVersion()),
          "runs past the end");
  size_t head = 0;  // past the start clock (a varint) and the random state
  while (uint8_t(payload[head]) & 0x80) ++head;
  refused(recfile::Pack(payload.substr(0, head + 9), rec::GameVersion()), "cut off: it has no end");
  refused(recfile::Pack(payload + char(recfile::Tag::Timer) + '\0', rec::GameVersion()),
          "follows the end");
  refused(recfile::Pack(payload.substr(0, head + 9) + char(99), rec::GameVersion()),
          "of no known kind");
  // A zlib bomb: refused unpacked, at once. Records past what a recording may
  // hold; a header that claims more than its data can unpack to.
  std::string bomb = payload.substr(0, head + 9);
  for (int i = 0; i < 3 << 20; ++i) bomb += "\x01\x01";  // pumps, one each
  const auto start = std::chrono::steady_clock::now();
  refused(recfile::Pack(bomb, rec::GameVersion()), "too large: it holds 6144 KB of records");
  b = good;
  const size_t sizes = 11 + size_t(uint8_t(good[10]));
  b.replace(sizes, 4, std::string("\xff\xff\xff\0", 4));
  const uint32_t crc =
      uint32_t(crc32(0, reinterpret_cast<const Bytef*>(b.data()), uInt(sizes + 8)));
  const uint32_t all = uint32_t(crc32(crc, reinterpret_cast<const Bytef*>(b.data()) + sizes + 12,
                                      uInt(b.size() - sizes - 12)));
  for (int i = 0; i < 4; ++i) b[sizes + 8 + size_t(i)] = char(uint8_t(all >> (8 * i)));
  refused(b, "cannot unpack to the 16777215 its header says");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));

  // A recording that filled up while the game went on ends there, and what
  // it ended with still plays: the recorder stops before the reader's limit.
  recfile::Writer w(0, 1);
  recfile::Record file;
  file.tag = recfile::Tag::File;
  while (!w.Full()) w.Put(file, std::string(60000, 's'));
  recfile::Record end;
  end.tag = recfile::Tag::End;
  end.value = int32_t(recfile::EndHow::Cut);
  w.Put(end);
  recfile::Recording full;
  EXPECT_TRUE(recfile::Unpack(recfile::Pack(w.Payload(), rec::GameVersion()), rec::GameVersion(),
                              full, err))
      << err;
}

TEST(RecordingFile, OneByteChangedInTheRecordsIsRefusedOrReportedNeverPlayedAsSound) {
  // Past the checksum: records changed in the middle, then packed anew.
  // Playback either refuses them or plays to a verdict it reports.
  const Session& s = RecordedSession();
  std::string payload, err;
  ASSERT_TRUE(recfile::PayloadOf(s.bytes, rec::GameVersion(), payload, err));
  int refusedCount = 0, reported = 0;
  for (int k = 1; k <= 6; ++k) {
    std::string bad = payload;
    const size_t at = payload.size() * size_t(k) / 7;
    bad[at] = char(bad[at] ^ 0x24);
    const std::string bytes = recfile::Pack(bad, rec::GameVersion());
    std::string why;
    if (!rec::StartPlaybackOf(bytes, why)) {
      EXPECT_NE(why.find("damaged"), std::string::npos) << why;
      ++refusedCount;
      continue;
    }
    rec::Abandon();
    const Played p = PlayBack(bytes);
    EXPECT_TRUE(rec::LastVerdict().ended) << at;
    EXPECT_EQ(p.code, rec::LastVerdict().reached ? 0 : 1);
    EXPECT_FALSE(rec::LastVerdict().message.empty());
    ++reported;
  }
  EXPECT_EQ(refusedCount + reported, 6);
}

TEST(Recording, ThePlayersFilesAreAnsweredFromTheRecordingAndNeverWritten) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / "moki_recording_files";
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string settings = (dir / "settings").string(), save = (dir / "save").string();
  { std::ofstream(settings) << "language=en\n"; }

  auto f = testing_support::MakeForm(3);
  rec::StartInMemory();
  std::string contents, err;
  EXPECT_EQ(plat::ReadUserFile(settings, contents, err), plat::ReadStatus::Ok);
  EXPECT_EQ(plat::ReadUserFile(save, contents, err), plat::ReadStatus::Missing);
  EXPECT_TRUE(plat::WriteUserFile(save, "a save", err)) << err;
  EXPECT_TRUE(plat::UserFileExists(save));
  const std::string recorded = rec::Finish();
  ASSERT_FALSE(recorded.empty());

  // On another machine: no settings, no save.
  fs::remove_all(dir);
  std::string why;
  ASSERT_TRUE(rec::StartPlaybackOf(recorded, why)) << why;
  const int code = plat::headless::Run([&] {
    EXPECT_EQ(plat::ReadUserFile(settings, contents, err), plat::ReadStatus::Ok);
    EXPECT_EQ(contents, "language=en\n");
    EXPECT_EQ(plat::ReadUserFile(save, contents, err), plat::ReadStatus::Missing);
    EXPECT_TRUE(plat::WriteUserFile(save, "a save", err));
    EXPECT_TRUE(plat::UserFileExists(save));
    plat::DoEvents();  // the recording ends here
    ADD_FAILURE() << "playback went on past the end";
  });
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(rec::LastVerdict().reached) << rec::LastVerdict().message;
  EXPECT_FALSE(fs::exists(dir));  // nothing written in playback

  // Asked in another order than recorded: reported, not answered.
  ASSERT_TRUE(rec::StartPlaybackOf(recorded, why));
  const int wrong = plat::headless::Run([&] {
    plat::GetTickCount();
    ADD_FAILURE() << "the clock was answered from a file's record";
  });
  EXPECT_EQ(wrong, 1);
  EXPECT_NE(rec::LastVerdict().message.find("the game asked for a clock reading where the "
                                            "recording has a player's file"),
            std::string::npos)
      << rec::LastVerdict().message;
  (void)f;
}

TEST(RecordingDeathTest, AFatalErrorWritesTheRecordingSoFar) {
  namespace fs = std::filesystem;
  const fs::path path = fs::temp_directory_path() / "moki_fatal.rec";
  fs::remove(path);
  EXPECT_EXIT(
      {
        auto f = testing_support::MakeForm(4);
        std::string err;
        if (!plat::StartRecording(path.string(), err)) std::exit(3);
        plat::headless::Run([] {
          plat::GetTickCount();
          plat::FatalError("/home/taro/mokimoki/data/btl3.dat: missing");
        });
      },
      testing::ExitedWithCode(1), "/home/taro/mokimoki/data/btl3.dat: missing");
  const std::string bytes = FileBytes(path.string());
  recfile::Recording r;
  std::string err;
  ASSERT_TRUE(recfile::Unpack(bytes, rec::GameVersion(), r, err)) << err;
  ASSERT_EQ(r.records.size(), 2u);
  EXPECT_EQ(r.records[0].tag, recfile::Tag::Clock);
  EXPECT_EQ(r.records[1].value, int(recfile::EndHow::Fatal));
  EXPECT_EQ(r.texts[r.records[1].text], "btl3.dat: missing");  // recorded without its folders
  fs::remove(path);
}

TEST(Recording, WhatIsRecordedSoFarIsWrittenEveryFewSecondsAndPlaysBackToWhereItStops) {
  testing_support::TempDir t;
  const std::string path = t / "so_far.rec";
  auto f = testing_support::MakeForm(6);
  std::string err;
  ASSERT_TRUE(plat::StartRecording(path, err)) << err;
  // Before anything is written there is nothing to play: said so, not played.
  std::string why;
  EXPECT_FALSE(rec::StartPlaybackOf(FileBytes(path), why));
  EXPECT_NE(why.find("holds nothing"), std::string::npos) << why;

  // The game goes on (and is then killed): the file holds its first seconds.
  std::vector<uint64_t> trail;
  FollowStates(trail);
  ASSERT_TRUE(plat::headless::LoadScenario(
      "menu start\nwait 2000\npress space\nwait 4000\npress space\nwait 6000\n", err))
      << err;
  plat::headless::Run([&] {
    moki::Form_Load(*f);
    plat::headless::MainLoop();
  });
  rec::SetEventHook(nullptr);
  rec::Abandon();
  const std::string bytes = FileBytes(path);
  recfile::Recording r;
  ASSERT_TRUE(recfile::Unpack(bytes, rec::GameVersion(), r, err)) << err;
  EXPECT_EQ(r.records.back().value, int(recfile::EndHow::Cut));
  EXPECT_TRUE(std::any_of(r.records.begin(), r.records.end(),
                          [&](const recfile::Record& x) { return x.time - r.startClock >= 5000; }));

  const Played p = PlayBack(bytes);
  EXPECT_EQ(p.code, 0);
  EXPECT_TRUE(rec::LastVerdict().reached) << rec::LastVerdict().message;
  EXPECT_NE(rec::LastVerdict().message.find("cut short"), std::string::npos)
      << rec::LastVerdict().message;
  ASSERT_GT(p.trail.size(), 0u);
  ASSERT_LE(p.trail.size(), trail.size());
  EXPECT_TRUE(std::equal(p.trail.begin(), p.trail.end(), trail.begin()));
}

TEST(Recording, HoldsThePlayersFoldersFromHomeAndNoneOfTheSettingsComments) {
  testing_support::TempDir t;
  const char* home = getenv("HOME");
  const std::string savedHome = home ? home : "";
  setenv("HOME", t.dir.c_str(), 1);
  const std::string path = t / "mokimoki/settings.ini";
  std::filesystem::create_directories(t / "mokimoki");
  // Comments however indented: spaces, a tab, a no-break space, a wide space.
  {
    std::ofstream(path) << "# Taro's own keys\n  # Taro\n\t# Taro\n\u00a0# Taro\n\u3000# Taro\n"
                        << "[game]\nlanguage = en  # Taro\n";
  }
  // A bad file kept where a link led, outside the game's folder.
  std::filesystem::create_directories(t / "Documents");
  { std::ofstream(t / "Documents/save.json") << "bad"; }
  std::filesystem::create_symlink(t / "Documents/save.json", t / "mokimoki/save.json");
  auto f = testing_support::MakeForm(8);
  rec::StartInMemory();
  plat::LoadSettings(path);
  std::string contents, err, kept;
  EXPECT_TRUE(plat::KeepAsBad(t / "mokimoki/save.json", kept, err)) << err;
  EXPECT_EQ(plat::ReadUserFile(t / "mokimoki/save.json", contents, err), plat::ReadStatus::Missing);
  plat::ReadUserFile(t / "mokimoki", contents, err);  // a folder: its error names the path
  // Without HOME, the home the password database gives is written as ~ too.
  unsetenv("HOME");
  const char* xdg = getenv("XDG_CONFIG_HOME");
  const std::string savedXdg = xdg ? xdg : "";
  unsetenv("XDG_CONFIG_HOME");
  const std::string config = plat::ConfigDir();
  if (xdg) setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
  const std::string bytes = rec::Finish();
  setenv("HOME", savedHome.c_str(), 1);
  EXPECT_EQ(plat::GameSetting("language"), "en");
  recfile::Recording r;
  ASSERT_TRUE(recfile::Unpack(bytes, rec::GameVersion(), r, err)) << err;
  bool fromHome = false;
  for (const std::string& text : r.texts) {
    EXPECT_EQ(text.find("Taro"), std::string::npos) << text;
    EXPECT_EQ(text.find(t.dir.string()), std::string::npos) << text;
    EXPECT_EQ(text.find(getpwuid(getuid())->pw_dir + std::string("/")), std::string::npos) << text;
    fromHome = fromHome || text.rfind("~/mokimoki", 0) == 0;
  }
  EXPECT_TRUE(fromHome);
  EXPECT_NE(std::find(r.texts.begin(), r.texts.end(), "~/Documents/save.json.bad"), r.texts.end());
  EXPECT_NE(std::find(r.texts.begin(), r.texts.end(), "~/.config/mokimoki"), r.texts.end())
      << config;
  plat::UseDefaultSettings();
}

// A window object made after the recording began, as the game makes it.
TEST(RecordingDeathTest, TheRecordingIsWrittenAtExitWhileTheWindowObjectIsStillThere) {
  testing_support::TempDir t;
  const std::string path = t / "exit.rec", hashFile = t / "hash";
  EXPECT_EXIT(
      {
        plat::headless::Reset(9);
        std::string err;
        if (!plat::StartRecording(path, err)) std::exit(3);
        static moki::Form1 form;
        moki::ConnectWindow(form);
        form.gs.messageText = U"まだ終わらない";
        std::ofstream(hashFile) << recfile::Hash(plat::internal::GetHandlers().dumpJson());
        std::exit(0);
      },
      testing::ExitedWithCode(0), "");
  recfile::Recording r;
  std::string err;
  ASSERT_TRUE(recfile::Unpack(FileBytes(path), rec::GameVersion(), r, err)) << err;
  EXPECT_EQ(r.records.back().value, int(recfile::EndHow::Stopped));
  EXPECT_EQ(std::to_string(r.records.back().hash), FileBytes(hashFile));
}

// Every session recorded into a folder of the game's own: $XDG_STATE_HOME
// points at a test's folder while one lives.
struct StateHome {
  testing_support::TempDir t;
  std::filesystem::path dir = t.dir / "mokimoki/sessions";
  StateHome() {
    setenv("XDG_STATE_HOME", t.dir.c_str(), 1);
    std::filesystem::create_directories(dir);
  }
  ~StateHome() {
    rec::Abandon();
    unsetenv("XDG_STATE_HOME");
  }
  std::set<std::string> Names() const {
    std::set<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(dir))
      out.insert(e.path().filename().string());
    return out;
  }
  void Put(const std::string& name) const { std::ofstream(dir / name) << "not ours to judge"; }
};

TEST(Sessions, TheNewestAreKeptOnlyTheGamesOwnAreRemovedAndAnUncleanEndIsToldOnce) {
  StateHome h;
  // Seven sessions of before, oldest first: the newest never ended cleanly
  // (its mark is left, held by nobody), the oldest is another copy's, playing now.
  const std::vector<std::string> before = {
      "session-2020-01-01_10-00-00.rec", "session-2020-01-01_10-00-00_2.rec",
      "session-2020-01-02_09-00-00.rec", "session-2020-03-01_00-00-00.rec",
      "session-2021-01-01_00-00-00.rec", "session-2022-01-01_00-00-00.rec",
      "session-2023-06-01_12-30-00.rec"};
  for (const std::string& name : before) h.Put(name);
  h.Put(before.back() + ".running");
  const int other = open((h.dir / (before[0] + ".running")).c_str(), O_CREAT | O_RDWR, 0644);
  ASSERT_EQ(flock(other, LOCK_EX), 0);
  const std::set<std::string> notOurs = {"notes.txt", "session-2019.rec",
                                         "session-2019-01-01_00-00-00.rec.old",
                                         "fault-report-1.0.0-2019-01-01_00-00-00.rec"};
  for (const std::string& name : notOurs) h.Put(name);

  auto f = testing_support::MakeForm(11);
  plat::StartSession(5);
  const std::string mine = plat::SessionFile();
  ASSERT_EQ(mine.rfind((h.dir / "session-").string(), 0), 0u) << mine;
  // Five kept with this one; the other copy's stays; names not ours are never touched.
  std::set<std::string> kept = notOurs;
  kept.insert({before[0], before[0] + ".running", before[3], before[4], before[5], before[6]});
  const std::string mineName = std::filesystem::path(mine).filename().string();
  kept.insert({mineName, mineName + ".running"});
  EXPECT_EQ(h.Names(), kept);

  // The game says so in a box at start, naming the recording by its whole path.
  std::vector<uint64_t> trail;
  FollowStates(trail);
  EXPECT_EQ(testing_support::RunWith("wait 1000\n",
                                     [&] {
                                       moki::Form_Load(*f);
                                       plat::ChooseLanguage("ja");  // as the game does at start
                                       plat::headless::MainLoop();
                                     }),
            0);
  rec::SetEventHook(nullptr);
  EXPECT_EQ(plat::headless::MessageBoxCount(), 1);
  EXPECT_NE(
      plat::headless::LastMessageBoxText().find(plat::FromUtf8((h.dir / before.back()).string())),
      std::u32string::npos);
  // Ended cleanly, this session leaves no mark; its recording plays the box back.
  plat::internal::AtEnd(plat::internal::Ending::Quit);
  EXPECT_FALSE(std::filesystem::exists(mine + ".running"));
  const Played p = PlayBack(FileBytes(mine));
  EXPECT_EQ(p.code, 0) << rec::LastVerdict().message;
  EXPECT_EQ(p.trail, trail);

  // Told once: the next start has nothing to tell, and with keep 0 records
  // nothing and keeps none of the game's own sessions.
  f = testing_support::MakeForm(12);
  plat::StartSession(0);
  EXPECT_EQ(plat::SessionFile(), "");
  EXPECT_EQ(plat::UncleanSession(), "");
  kept = notOurs;
  kept.insert({before[0], before[0] + ".running"});
  EXPECT_EQ(h.Names(), kept);
  close(other);
}

TEST(Sessions, AFaultReportPlaysBackAndItsBoxNamesItsWholePathInEitherLanguage) {
  for (const std::string lang : {"ja", "en"}) {
    StateHome h;
    auto f = testing_support::MakeForm(13);
    plat::StartSession(5);
    std::vector<uint64_t> trail;
    FollowStates(trail);
    EXPECT_EQ(testing_support::RunWith(
                  (lang == "en" ? "menu english\n" : "") +
                      std::string("menu start\nwait 3000\npress space\nwait 1000\nmenu report\n"
                                  "wait 1000\n"),
                  [&] {
                    moki::Form_Load(*f);
                    plat::headless::MainLoop();
                  }),
              0);
    rec::SetEventHook(nullptr);
    std::string report;
    for (const std::string& name : h.Names())
      if (name.rfind("fault-report-" + rec::GameVersion() + "-", 0) == 0) report = h.dir / name;
    ASSERT_FALSE(report.empty()) << lang;
    const std::u32string box = plat::headless::LastMessageBoxText();
    EXPECT_NE(box.find(plat::FromUtf8(report)), std::u32string::npos) << plat::ToUtf8(box);
    EXPECT_NE(box.find(plat::FromUtf8(rec::GameVersion())), std::u32string::npos);
    EXPECT_EQ(testing_support::HasJapanese(box), lang == "ja") << plat::ToUtf8(box);

    rec::Abandon();
    const Played p = PlayBack(FileBytes(report));
    EXPECT_EQ(p.code, 0);
    EXPECT_NE(rec::LastVerdict().message.find("cut short there (a fault report"), std::string::npos)
        << rec::LastVerdict().message;
    ASSERT_GT(p.trail.size(), 0u);
    ASSERT_LE(p.trail.size(), trail.size());
    EXPECT_TRUE(std::equal(p.trail.begin(), p.trail.end(), trail.begin())) << lang;
  }
}

// The page opens no folders. A session recorded with no xdg-open on the
// path (as in the page) and played where there is one tells its fault report
// as it was: without the line about opening the folder.
TEST(Sessions, WhetherFoldersOpenIsPlayedBackAsRecorded) {
  StateHome h;
  testing_support::TempDir bin;
  const std::filesystem::path opener = bin.dir / "xdg-open";
  std::ofstream(opener) << "#!/bin/sh\n";
  std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
  const char* was = std::getenv("PATH");
  const std::string path = was ? was : "/usr/bin:/bin";
  setenv("PATH", h.t.dir.c_str(), 1);
  auto f = testing_support::MakeForm(13);
  rec::StartInMemory();
  EXPECT_EQ(testing_support::RunWith("menu start\nwait 3000\nmenu report\nwait 1000\nmenu quit\n",
                                     [&] {
                                       moki::Form_Load(*f);
                                       plat::headless::MainLoop();
                                     }),
            0);
  const std::u32string told = plat::headless::LastMessageBoxText();
  const std::string bytes = rec::LastRecording();
  setenv("PATH", bin.dir.c_str(), 1);
  const Played p = PlayBack(bytes);
  setenv("PATH", path.c_str(), 1);
  EXPECT_EQ(p.code, 0) << rec::LastVerdict().message;
  EXPECT_EQ(told.find(moki::UiString(0, moki::UiText::ReportOpenFolder)), std::u32string::npos);
  EXPECT_EQ(plat::ToUtf8(plat::headless::LastMessageBoxText()), plat::ToUtf8(told));

  // A recording made before the answer was kept plays too, answered live.
  recfile::Recording r;
  std::string err;
  ASSERT_TRUE(recfile::Unpack(bytes, rec::GameVersion(), r, err)) << err;
  recfile::Writer older(r.startClock, r.randomState);
  int answers = 0;
  for (const recfile::Record& x : r.records) {
    if (x.tag == recfile::Tag::File && x.value == int(recfile::FileOp::OpensFolders))
      ++answers;
    else
      older.Put(x, r.texts[x.text], r.texts[x.text2]);
  }
  EXPECT_GT(answers, 0);
  EXPECT_EQ(PlayBack(recfile::Pack(older.Payload(), rec::GameVersion())).code, 0)
      << rec::LastVerdict().message;
}

}  // namespace

TEST(Recording, TheLanguageOfTheCommandLineAndTheKeyScreensNewKeyAreKept) {
  auto f = testing_support::MakeForm(5);
  rec::StartInMemory();
  std::vector<uint64_t> trail;
  FollowStates(trail);
  std::string err;
  ASSERT_TRUE(plat::headless::LoadScenario(
      "wait 100\nmenu keys\nwait 200\npress space\nwait 100\npresskey A\nwait 100\n"
      "press esc\nwait 100\nmenu start\nwait 3000\nmenu quit\n",
      err))
      << err;
  const int code = plat::headless::Run([&] {
    moki::Form_Load(*f);
    plat::ChooseLanguage("en");  // as --lang en does, after start-up
    plat::headless::MainLoop();
  });
  rec::SetEventHook(nullptr);
  ASSERT_EQ(code, 0);
  const std::string finalDump = plat::internal::GetHandlers().dumpJson();
  EXPECT_NE(finalDump.find("\"language\":1"), std::string::npos);
  EXPECT_NE(finalDump.find("\"keyScreenNote\":2,\"keyScreenOther\":-1,\"keyScreenKey\":\"A\""),
            std::string::npos)
      << finalDump.substr(0, 400);
  const std::string bytes = rec::LastRecording();

  // Played back with neither: the recording hands both over at their places.
  const Played p = PlayBack(bytes);
  EXPECT_EQ(p.code, 0);
  EXPECT_TRUE(rec::LastVerdict().reached) << rec::LastVerdict().message;
  EXPECT_EQ(p.trail, trail);
  EXPECT_EQ(p.finalDump, finalDump);
}
