// The player's own files: written whole or not at all, kept when unusable,
// and found in the XDG folders.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/platform.h"
#include "platform/scenario.h"
#include "player_files/user_files.h"
#include "test_support.h"
#include "shell/menu_ids.h"

namespace fs = std::filesystem;

using testing_support::TempDir;

TEST(UserFiles, WritesThroughATemporaryFileAndKeepsUnusableOnes) {
  TempDir home;
  const std::string path = (home.dir / "a/b/settings.ini").string();
  std::string err, text;
  EXPECT_EQ(plat::ReadUserFile(path, text, err), plat::ReadStatus::Missing);

  // The folders are made on the first write; a second write replaces the first.
  ASSERT_TRUE(plat::WriteUserFile(path, "one\n", err)) << err;
  ASSERT_TRUE(plat::WriteUserFile(path, "two\n", err)) << err;
  EXPECT_EQ(plat::ReadUserFile(path, text, err), plat::ReadStatus::Ok);
  EXPECT_EQ(text, "two\n");
  EXPECT_FALSE(fs::exists(path + ".tmp"));

  // An unusable file is kept beside, not lost.
  std::string keptAs;
  ASSERT_TRUE(plat::KeepAsBad(path, keptAs, err)) << err;
  EXPECT_EQ(keptAs, "settings.ini.bad");  // named from the game's folder
  EXPECT_FALSE(plat::UserFileExists(path));
  std::ifstream bad(path + ".bad");
  std::string kept((std::istreambuf_iterator<char>(bad)), std::istreambuf_iterator<char>());
  EXPECT_EQ(kept, "two\n");

  // A folder where the file should be can be neither read nor replaced.
  fs::create_directories(path);
  EXPECT_EQ(plat::ReadUserFile(path, text, err), plat::ReadStatus::Unreadable);
  EXPECT_FALSE(err.empty());
  EXPECT_FALSE(plat::WriteUserFile(path, "three\n", err));
  EXPECT_TRUE(fs::is_directory(path));
  EXPECT_FALSE(fs::exists(path + ".tmp"));

  // A file where a folder should be stops the write with a reason.
  const std::string blocked = (home.dir / "a/b/settings.ini.bad/x.ini").string();
  EXPECT_FALSE(plat::WriteUserFile(blocked, "x", err));
  EXPECT_NE(err.find("not a folder"), std::string::npos) << err;
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Whatever is found in a player's file's place: nothing waits on it, no link
// leads a write astray, nothing that was there is lost.
TEST(UserFiles, HostileFilesNeitherBlockNorLeadAstrayNorGetLost) {
  TempDir home;
  const std::string f = home / "save.json", real = home / "real.json",
                    pid = std::to_string(getpid());
  std::string err, text, kept;
  const auto put = [](const std::string& path, const char* s) { std::ofstream(path) << s; };
  const struct {
    std::function<void()> lay;
    plat::ReadStatus read;
    const char* writeFails;  // what the write says, or nullptr when it writes
    std::function<bool()> after;
  } cases[] = {
      {[&] { mkfifo(f.c_str(), 0644); }, plat::ReadStatus::Unreadable, "not a plain file",
       [&] { return fs::is_fifo(f); }},
      {[&] { put(f, "x"), fs::resize_file(f, 2u << 30); }, plat::ReadStatus::TooBig, nullptr,
       [&] { return text.empty(); }},
      {[&] {
         put(real, "mine"), fs::create_symlink(real, f + ".tmp"),
             fs::create_symlink(real, f + "." + pid + "-0.tmp");
       },
       plat::ReadStatus::Missing, nullptr,
       [&] { return Slurp(real) == "mine" && Slurp(f) == "new"; }},
      {[&] { put(real, "old"), fs::create_symlink(real, f); }, plat::ReadStatus::Ok, nullptr,
       [&] { return fs::is_symlink(f) && Slurp(real) == "new"; }},
      {[&] { fs::create_symlink(home / "gone/save.json", f); }, plat::ReadStatus::Missing,
       "gone/save.json.",
       [&] { return err.find(".tmp: cannot be made: No such file") != std::string::npos; }},
      {[&] { put(f, "old"), fs::permissions(f, fs::perms::owner_read); }, plat::ReadStatus::Ok,
       "read-only", [&] { return Slurp(f) == "old"; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    for (const auto& entry : fs::directory_iterator(home.dir)) fs::remove_all(entry.path());
    c.lay();
    EXPECT_EQ(plat::ReadUserFile(f, text, err, 1 << 20), c.read);
    err.clear();
    EXPECT_EQ(plat::WriteUserFile(f, "new", err), c.writeFails == nullptr) << err;
    EXPECT_NE(err.find(c.writeFails ? c.writeFails : ""), std::string::npos) << err;
    EXPECT_TRUE(c.after()) << err;
  }

  // Bad files are kept one after another under names of their own, up to a
  // bound; a link's file is kept where it is, and the link stays.
  fs::remove(f);
  fs::create_symlink(real, f);
  for (int n = 1; n <= plat::kMostBadFiles + 1; ++n) {
    ASSERT_TRUE(plat::WriteUserFile(f, "bad " + std::to_string(n), err)) << err;
    EXPECT_EQ(plat::KeepAsBad(f, kept, err), n <= plat::kMostBadFiles) << n;
    EXPECT_TRUE(n != 2 || kept == "real.json.bad.2") << kept;
  }
  EXPECT_NE(err.find("remove some"), std::string::npos) << err;
  EXPECT_EQ(plat::LastFileFault(), plat::FileFault::AllBadTaken);
  EXPECT_TRUE(fs::is_symlink(f) && Slurp(real) == "bad 11" && Slurp(real + ".bad") == "bad 1" &&
              Slurp(real + ".bad.10") == "bad 10");

  // Only a plain file is ever set aside or removed: a folder, a pipe or a
  // device there, or at the end of a link, stays where it is, named.
  const std::string docs = home / "Documents", pipe = home / "pipe";
  const struct {
    std::function<void()> lay;
    std::string thing;  // what must stay where it is
  } others[] = {
      {[&] { fs::create_directories(docs + "/mine"), fs::create_directory_symlink(docs, f); },
       docs},
      {[&] { fs::create_directories(f + "/mine"); }, f},
      {[&] { mkfifo(pipe.c_str(), 0644), fs::create_symlink(pipe, f); }, pipe},
  };
  for (const auto& c : others) {
    SCOPED_TRACE(c.thing);
    for (const auto& entry : fs::directory_iterator(home.dir)) fs::remove_all(entry.path());
    c.lay();
    const auto kind = fs::symlink_status(c.thing).type();
    EXPECT_FALSE(plat::KeepAsBad(f, kept, err));
    EXPECT_EQ(plat::LastFileFault(), plat::FileFault::NotPlain);
    EXPECT_NE(err.find(c.thing + ": not a plain file"), std::string::npos) << err;
    EXPECT_FALSE(plat::RemoveUserFile(f));
    EXPECT_FALSE(plat::WriteUserFile(f, "new", err));
    EXPECT_EQ(fs::symlink_status(c.thing).type(), kind);
    EXPECT_FALSE(fs::exists(c.thing + ".bad"));
  }
  for (const auto& entry : fs::directory_iterator(home.dir)) fs::remove_all(entry.path());

  // Two copies of the game writing at once: every write whole, none failed.
  fs::remove(f);
  const pid_t child = fork();
  for (int i = 0; i < 200; ++i) {
    const bool wrote = plat::WriteUserFile(f, std::string(child ? 3000 : 5000, 'w'), err);
    if (child == 0 && !wrote) _exit(1);
    if (child == 0) continue;
    ASSERT_TRUE(wrote) << err;
    const size_t size = Slurp(f).size();
    ASSERT_TRUE(size == 3000 || size == 5000) << size;
  }
  if (child == 0) _exit(0);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_EQ(status, 0) << "the other copy could not write";
}

// A folder is claimed by one copy of the game at a time, and let go however
// that copy ends.
TEST(UserFiles, AFolderIsClaimedByOneCopyOfTheGameAtATime) {
  TempDir home;
  const std::string held = home / "held", later = home / "later";
  std::string err;
  fs::create_directories(held);
  const auto holdAsAnotherCopy = [](const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    EXPECT_EQ(flock(fd, LOCK_EX | LOCK_NB), 0);
    return fd;
  };
  int other = holdAsAnotherCopy(held);
  EXPECT_FALSE(plat::ClaimUserFolder(held + "/save.json"));
  // A folder not there yet is claimed by the write that makes it.
  EXPECT_TRUE(plat::ClaimUserFolder(later + "/save.json"));
  fs::create_directories(later);
  close(other);
  other = holdAsAnotherCopy(later);
  EXPECT_FALSE(plat::WriteUserFile(later + "/save.json", "x", err));
  EXPECT_NE(err.find("another copy of the game"), std::string::npos) << err;
  close(other);
  // Two data folders whose saves link to one file are one save: the claim
  // is on the folder the file really is in.
  const std::string shared = home / "shared", second = home / "second";
  fs::create_directories(shared);
  fs::create_directories(second);
  fs::create_symlink(shared + "/save.json", second + "/save.json");
  other = holdAsAnotherCopy(shared);
  EXPECT_FALSE(plat::ClaimUserFolder(second + "/save.json"));
  close(other);

  // What writes cut short left behind goes at start: only the game's own
  // temporary files, of copies no longer running.
  const pid_t gone = fork();
  if (gone == 0) _exit(0);
  waitpid(gone, nullptr, 0);
  const std::string dead = std::to_string(gone), alive = std::to_string(getppid());
  const std::vector<std::pair<std::string, bool>> left = {
      {"save.json." + dead + "-0.tmp", false},
      {"save.json." + dead + "-12.tmp", false},
      {"save.json." + alive + "-0.tmp", true},
      {"save.json." + dead + "-0.tmp.x", true},
      {"save.json.x" + dead + "-0.tmp", true},
      {"other.json." + dead + "-0.tmp", true},
      {"save.json.bad", true},
  };
  for (const auto& [name, stays] : left) std::ofstream(shared + "/" + name) << "x";
  plat::ClearLeftovers(second + "/save.json");  // by its link, where the file is
  for (const auto& [name, stays] : left) EXPECT_EQ(fs::exists(shared + "/" + name), stays) << name;
  // A copy that is killed leaves nothing behind to block the next.
  int claimed[2];
  ASSERT_EQ(pipe(claimed), 0);
  const pid_t child = fork();
  if (child == 0) {
    const char said = plat::ClaimUserFolder(home / "x") ? 'y' : 'n';
    if (write(claimed[1], &said, 1) == 1) pause();
    _exit(1);
  }
  char said = 0;
  ASSERT_EQ(read(claimed[0], &said, 1), 1);
  EXPECT_EQ(said, 'y');
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  EXPECT_TRUE(plat::ClaimUserFolder(home / "x"));
}

TEST(UserFiles, FollowTheXdgVariablesAndFallBackOnHome) {
  const char* oldHome = std::getenv("HOME");
  const std::string savedHome = oldHome ? oldHome : "";
  setenv("HOME", "/home/kua", 1);
  setenv("XDG_CONFIG_HOME", "/cfg", 1);
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(plat::ConfigDir(), "/cfg/mokimoki");
  EXPECT_EQ(plat::DataDir(), "/home/kua/.local/share/mokimoki");
  setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored
  EXPECT_EQ(plat::ConfigDir(), "/home/kua/.config/mokimoki");
  setenv("XDG_DATA_HOME", "", 1);
  EXPECT_EQ(plat::DataDir(), "/home/kua/.local/share/mokimoki");
  unsetenv("XDG_CONFIG_HOME");
  unsetenv("XDG_DATA_HOME");

  // Without HOME (or with a relative one) the home is the user's own in the
  // password database, never the folder the game was started from.
  const passwd* pw = getpwuid(getuid());
  ASSERT_NE(pw, nullptr);
  for (const char* home : {static_cast<const char*>(nullptr), "", "kua"}) {
    if (home)
      setenv("HOME", home, 1);
    else
      unsetenv("HOME");
    EXPECT_EQ(plat::ConfigDir(), std::string(pw->pw_dir) + "/.config/mokimoki");
    EXPECT_EQ(plat::DataDir(), std::string(pw->pw_dir) + "/.local/share/mokimoki");
  }
  setenv("HOME", savedHome.c_str(), 1);
}

TEST(MenuBar, AccessKeysLabelsAndItemsByName) {
  EXPECT_EQ(plat::AccessKey(U"スタート(&S)"), U'S');
  EXPECT_EQ(plat::AccessKey(U"&keys"), U'K');
  EXPECT_EQ(plat::AccessKey(U"no key"), char32_t(0));
  EXPECT_EQ(plat::AccessKey(U"trailing&"), char32_t(0));
  EXPECT_EQ(plat::ShownLabel(U"つづきから(&C)"), U"つづきから(C)");

  std::vector<plat::scenario::Command> cmds;
  std::string err;
  plat::scenario::SetMenuNames(moki::MenuNames());
  ASSERT_TRUE(plat::scenario::Parse("menu continue\nmenu keys\nmenu quit\n", cmds, err)) << err;
  EXPECT_EQ(cmds[0].menu, moki::kMenuContinue);
  EXPECT_EQ(cmds[1].menu, moki::kMenuKeys);
  EXPECT_EQ(cmds[2].menu, moki::kMenuQuit);
  EXPECT_FALSE(plat::scenario::Parse("menu save\n", cmds, err));

  plat::SetMenuEnabled(moki::kMenuStart, true);  // an earlier test may have left a game running
  plat::SetMenuEnabled(moki::kMenuContinue, false);
  EXPECT_FALSE(plat::MenuEnabled(moki::kMenuContinue));
  EXPECT_TRUE(plat::MenuEnabled(moki::kMenuStart));
  EXPECT_FALSE(plat::MenuEnabled(plat::kMenuIdLimit));
  plat::SetMenuEnabled(moki::kMenuContinue, true);
}
