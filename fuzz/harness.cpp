#include "fuzz/harness.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless.h"
#include "platform/platform.h"
#include "player_files/recording.h"
#include "player_files/recording_file.h"
#include "platform/text.h"
#include "shell/window_events.h"
#include "shell/save_game.h"
#include "story/dialogue.h"
#include "world/data_file.h"
#include "world/new_game.h"
#include "world/rooms.h"

namespace moki_fuzz {

namespace {

[[noreturn]] void Broken(const std::string& what) {
  std::fprintf(stderr, "fuzz harness: %s\n", what.c_str());
  std::abort();
}

// --- Data files ---------------------------------------------------------------

// An in-memory file the reader opens by name, rewritten for every input.
const std::string& ScratchPath() {
  static const std::string path = [] {
    int fd = memfd_create("moki-fuzz-data", 0);
    if (fd < 0) Broken("memfd_create failed");
    return "/proc/self/fd/" + std::to_string(fd);
  }();
  return path;
}

void WriteScratch(const uint8_t* data, size_t size) {
  const std::string& path = ScratchPath();
  int fd = std::stoi(path.substr(path.rfind('/') + 1));
  if (ftruncate(fd, 0) != 0) Broken("ftruncate failed");
  size_t done = 0;
  while (done < size) {
    ssize_t n = pwrite(fd, data + done, size - done, off_t(done));
    if (n <= 0) Broken("pwrite failed");
    done += size_t(n);
  }
}

// --- Scripts ------------------------------------------------------------------

constexpr int kEndTimeUp = 11;
constexpr int kEndDone = 12;
constexpr double kAfterCloseMs = 1000;  // a match or bear's game booked runs this long
constexpr double kPressEveryMs = 40;

struct Game {
  moki::Form1 form;
  moki::GameState fresh;  // a new game in the hall, copied for every input
};

Game& TheGame() {
  static Game* game = [] {
    plat::headless::Reset(1);
    std::string err;
    if (!plat::InitFonts(err)) Broken(err);
    auto* g = new Game;
    moki::ConnectWindow(g->form);
    moki::LoadPictures(g->form.pics);
    moki::InitControls(g->form);
    moki::InitTables(g->form.gs);
    moki::SetupNewGame(g->form.gs);
    g->form.gs.GameMode = moki::kModeHall;
    g->fresh = g->form.gs;
    return g;
  }();
  return *game;
}

// A player who reads nothing: Space whenever the game waits, Down first when
// the answer to the pending question is to be いいえ, and Space once more to
// close the ended dialogue.
struct StandIn {
  moki::GameState* gs = nullptr;
  unsigned answers = 0;  // bit q: the answer to question q (1 いいえ)
  int question = 0;
  double start = 0, lastPress = -1e9, closedAt = -1;
  int presses = 0;

  void Press(int vk) {
    plat::headless::QueueKeyDown(vk);
    plat::headless::QueueKeyUp(vk);
    lastPress = plat::headless::Now();
    if (vk == plat::VK_SPACE) ++presses;
  }
  // Ends the run when its time is up. Also called for every frame shown, as
  // a busy game (a match, a walk) may never leave the game idle.
  void CheckTime() const {
    const double now = plat::headless::Now();
    if (closedAt >= 0 && gs->dialogueState == 0) {
      // Closed: a booked match or bear's game gets a moment to begin.
      const bool booked = gs->matchPending == 1 || gs->bearGamePending == 1;
      if (!booked || now - closedAt > kAfterCloseMs) throw plat::headless::RunEnded{kEndDone};
    }
    if (now - start > kScriptVirtualMs) throw plat::headless::RunEnded{kEndTimeUp};
  }
  void operator()() {
    CheckTime();
    const double now = plat::headless::Now();
    if (closedAt >= 0) return;
    if (now - lastPress < kPressEveryMs) return;
    if (gs->choicePending == 1) {
      bool no = (answers >> (question % 8)) & 1u;
      if (no && gs->choiceCursor != 1) {
        Press(plat::VK_DOWN);
      } else {
        Press(plat::VK_SPACE);
        ++question;
      }
    } else if (gs->dialogueState != 0) {
      if (gs->dialogueState < 0) closedAt = now;
      Press(plat::VK_SPACE);
    }
  }
};

}  // namespace

void ReadDataFile(const uint8_t* data, size_t size) {
  if (size == 0) return;
  // The counts the game reads (the hall map, a room or a field) and small ones.
  const int count = data[0] == 0 ? 1600 : data[0] == 1 ? 19 * 14 : data[0] >> 2;
  WriteScratch(data + 1, size - 1);
  std::vector<int16_t> out;
  std::string err;
  if (moki::ReadNumberFile(ScratchPath(), count, out, err)) {
    if (int(out.size()) != count) Broken("read succeeded with the wrong number of values");
    for (int16_t v : out)
      if (v < 0 || v > 19) Broken("read succeeded with a value outside 0..19");
    if (!err.empty()) Broken("read succeeded but left a message");
  } else if (err.empty() || err.rfind(ScratchPath(), 0) != 0) {
    Broken("read failed without a message naming the file");
  }
}

void ReadSave(const uint8_t* data, size_t size) {
  static const moki::GameState title = [] {
    moki::GameState gs;
    moki::InitTables(gs);
    return gs;
  }();
  const std::string text(reinterpret_cast<const char*>(data), size);
  moki::GameState gs = title;
  std::string why;
  if (!moki::LoadSave(text, gs, why)) {
    if (why.empty()) Broken("a save was refused without a reason");
    if (gs.GameMode != title.GameMode || gs.money != title.money ||
        gs.talkEntry != title.talkEntry || gs.castX != title.castX || gs.hallMap != title.hallMap ||
        gs.roomMap != title.roomMap)
      Broken("a refused save changed the state");
    return;
  }
  if (!why.empty()) Broken("a save was read but left a reason");
  if (!moki::AtRestNow(gs)) Broken("a save was read into a game not at rest");
  if (gs.GameMode == moki::kModeHall &&
      gs.hallOccupancy[size_t(gs.playerY)][size_t(gs.playerX)] != 0)
    Broken("the hero is not marked where he stands");
  const std::string again = moki::SaveGame(gs);
  moki::GameState back = title;
  if (!moki::LoadSave(again, back, why))
    Broken("a save written from a read save was refused: " + why);
  if (moki::SaveGame(back) != again) Broken("a save does not read back the same");
}

ScriptOutcome RunScriptInput(const uint8_t* data, size_t size) {
  uint8_t scene[4] = {0, 0, 0, 0};
  for (size_t i = 0; i < 4 && i < size; ++i) scene[i] = data[i];
  const size_t skip = size < 4 ? size : 4;
  const std::string text(reinterpret_cast<const char*>(data) + skip, size - skip);

  Game& game = TheGame();
  moki::Form1& f = game.form;
  plat::headless::Reset(1);
  // The controls as at start-up. The composition pictures keep their size;
  // the game draws them afresh before every use.
  moki::ConnectWindow(f);  // a test may have connected its own window since
  plat::SetYesNoPictures(&f.pics.Picyesno[0], &f.pics.Picyesno[1]);
  plat::SetYesNoVisible(0, false);
  plat::SetYesNoVisible(1, false);
  plat::SetLabelVisible(false);
  f.gs = game.fresh;
  f.windowStreaks.clear();
  moki::GameState& gs = f.gs;

  const int speaker = scene[0] % moki::kCastCount;
  const int place = scene[1] % 5;  // 0 the hall, 1..4 rooms 0..3
  gs.bearRoom = static_cast<int16_t>(1 + (scene[1] / 5) % 3);
  if (place > 0) moki::EnterRoom(f, place - 1);
  gs.roundNumber = static_cast<int16_t>(1 + scene[2] % 13);
  gs.talkEntry[size_t(speaker)] = static_cast<int16_t>((scene[2] / 13) % 10);
  static constexpr int32_t kMoney[] = {0, 99, 100, 3000, 15000, 60000};
  gs.money = kMoney[(scene[3] & 7) % 6];
  gs.scriptTable[size_t(speaker)] = plat::FromUtf8(text);

  StandIn player;
  player.gs = &gs;
  player.answers = scene[3] >> 3;
  player.start = plat::headless::Now();
  plat::headless::SetIdleHook([&player] { player(); });
  // The frames are not looked at, so none is put together: the notice only.
  plat::headless::SetFrameNotice([&player] { player.CheckTime(); });
  // The run ends by the exception the event pump throws. Caught here rather
  // than by headless::Run, which would write the whole game state as JSON
  // after every input: a third of the time, for a text no one reads.
  int code = 0;
  try {
    moki::OpenDialogue(f, speaker);
    plat::headless::MainLoop();
  } catch (const plat::headless::RunEnded& e) {
    code = e.code;
  }
  plat::headless::SetIdleHook(nullptr);
  plat::headless::SetFrameNotice(nullptr);

  ScriptOutcome outcome;
  outcome.end = code == kEndTimeUp ? ScriptEnd::TimeUp : ScriptEnd::Finished;
  outcome.virtualMs = plat::headless::Now() - player.start;
  outcome.spacePresses = player.presses;
  return outcome;
}

void ReadRecording(const uint8_t* data, size_t size) {
  if (size == 0) return;
  namespace recfile = plat::recfile;
  const std::string& version = plat::recording::GameVersion();
  std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (data[0] & 1) bytes = recfile::Pack(bytes, version);
  recfile::Recording rec;
  std::string err;
  if (!recfile::Unpack(bytes, version, rec, err)) {
    if (err.empty()) Broken("a recording refused without a message");
    return;
  }
  if (rec.records.empty() || rec.records.back().tag != recfile::Tag::End)
    Broken("a recording accepted without its end");
  for (const recfile::Record& r : rec.records) {
    if (r.text >= rec.texts.size() || r.text2 >= rec.texts.size())
      Broken("a record points past the recording's texts");
    if (r.tag == recfile::Tag::End && &r != &rec.records.back())
      Broken("a record accepted after the end");
    if (r.tag == recfile::Tag::Pumps && r.value < 1) Broken("an empty run of pumps accepted");
  }
}

}  // namespace moki_fuzz
