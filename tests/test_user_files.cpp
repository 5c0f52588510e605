// The player's own files: written whole or not at all, kept when unusable,
// and found in the XDG folders.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
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
#include "platform/user_files.h"
#include "test_support.h"

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
  EXPECT_EQ(keptAs, path + ".bad");
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

// Files a player's file may meet in its place, each met without blocking,
// without writing anywhere but the player's own file, and without losing
// anything that was there.
TEST(UserFiles, HostileFilesAreRefusedOrWrittenThroughNeverFollowedBlockingOrLost) {
  TempDir home;
  const std::string file = home / "save.json", elsewhere = home / "elsewhere";
  fs::create_directories(elsewhere);
  std::string err, text, kept;
  const auto write = [&](const std::string& contents) {
    err.clear();
    return plat::WriteUserFile(file, contents, err);
  };
  struct Case {
    const char* what;
    std::function<void()> lay, check;
  };
  const Case cases[] = {
      {"a pipe: neither read nor replaced, and nothing waits on it",
       [&] { ASSERT_EQ(mkfifo(file.c_str(), 0644), 0); },
       [&] {
         EXPECT_EQ(plat::ReadUserFile(file, text, err), plat::ReadStatus::Unreadable);
         EXPECT_NE(err.find("not a plain file"), std::string::npos) << err;
         EXPECT_FALSE(write("new"));
         EXPECT_TRUE(fs::is_fifo(file));
       }},
      {"larger than the game reads: refused unread and kept",
       [&] {
         std::ofstream(file) << "x";
         fs::resize_file(file, 2u << 30);  // sparse: 2 GB of nothing
       },
       [&] {
         EXPECT_EQ(plat::ReadUserFile(file, text, err, 1 << 20), plat::ReadStatus::TooBig);
         EXPECT_NE(err.find("larger than 1 MB"), std::string::npos) << err;
         EXPECT_TRUE(text.empty());
         EXPECT_EQ(fs::file_size(file), 2u << 30);
       }},
      {"links where temporary files go: passed over, never followed",
       [&] {
         std::ofstream(elsewhere + "/victim") << "mine";
         for (const std::string& tmp :
              {file + ".tmp", file + '.' + std::to_string(getpid()) + "-0.tmp"})
           fs::create_symlink(elsewhere + "/victim", tmp);
       },
       [&] {
         ASSERT_TRUE(write("saved")) << err;
         EXPECT_EQ(Slurp(file), "saved");
         EXPECT_EQ(Slurp(elsewhere + "/victim"), "mine");
         EXPECT_TRUE(fs::is_symlink(file + ".tmp"));
       }},
      {"a link to a file in another folder: that file is written, kept, removed; the link stays",
       [&] {
         std::ofstream(elsewhere + "/real.json") << "old";
         fs::create_symlink(elsewhere + "/real.json", file);
       },
       [&] {
         ASSERT_TRUE(write("new")) << err;
         EXPECT_TRUE(fs::is_symlink(file));
         EXPECT_EQ(Slurp(elsewhere + "/real.json"), "new");
         ASSERT_TRUE(plat::KeepAsBad(file, kept, err)) << err;
         EXPECT_EQ(kept, elsewhere + "/real.json.bad");
         EXPECT_EQ(Slurp(kept), "new");
         EXPECT_TRUE(fs::is_symlink(file));
         ASSERT_TRUE(write("again")) << err;
         EXPECT_TRUE(plat::RemoveUserFile(file));
         EXPECT_TRUE(fs::is_symlink(file));
         EXPECT_FALSE(fs::exists(elsewhere + "/real.json"));
       }},
      {"a link to a folder that is not there: the write says which step failed",
       [&] { fs::create_symlink(home / "gone/save.json", file); },
       [&] {
         EXPECT_FALSE(write("new"));
         EXPECT_NE(err.find("gone/save.json."), std::string::npos) << err;
         EXPECT_NE(err.find("cannot be made: No such file"), std::string::npos) << err;
       }},
      {"a read-only file: said so, and kept as it was",
       [&] {
         std::ofstream(file) << "old";
         fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
       },
       [&] {
         EXPECT_FALSE(write("new"));
         EXPECT_NE(err.find("read-only"), std::string::npos) << err;
         EXPECT_EQ(Slurp(file), "old");
       }},
      {"bad files kept one after another, each under a name of its own, up to a bound", [] {},
       [&] {
         for (int n = 1; n <= plat::kMostBadFiles; ++n) {
           ASSERT_TRUE(write("bad " + std::to_string(n))) << err;
           ASSERT_TRUE(plat::KeepAsBad(file, kept, err)) << err;
           const std::string number = n > 1 ? std::to_string(n) : "";
           EXPECT_EQ(kept, file + ".bad" + (n > 1 ? "." : "") + number);
         }
         ASSERT_TRUE(write("one too many")) << err;
         EXPECT_FALSE(plat::KeepAsBad(file, kept, err));
         EXPECT_NE(err.find("remove some"), std::string::npos) << err;
         EXPECT_EQ(Slurp(file), "one too many");
         EXPECT_EQ(Slurp(file + ".bad"), "bad 1");
         EXPECT_EQ(Slurp(file + ".bad.10"), "bad 10");
       }},
      {"two copies of the game writing at once: every write whole, none lost", [] {},
       [&] {
         const std::string mine(3000, 'p'), theirs(5000, 'c');
         const pid_t child = fork();
         if (child == 0) {
           std::string why;
           for (int i = 0; i < 300; ++i)
             if (!plat::WriteUserFile(file, theirs, why)) _exit(1);
           _exit(0);
         }
         for (int i = 0; i < 300; ++i) {
           ASSERT_TRUE(write(mine)) << err;
           const std::string now = Slurp(file);
           ASSERT_TRUE(now == mine || now == theirs) << now.size() << " bytes";
         }
         int status = 0;
         waitpid(child, &status, 0);
         EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the other copy failed";
         for (const auto& entry : fs::directory_iterator(home.dir))
           EXPECT_EQ(entry.path().extension(), entry.is_directory() ? "" : ".json") << entry.path();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const auto& entry : fs::directory_iterator(home.dir)) fs::remove_all(entry.path());
    fs::create_directories(elsewhere);
    c.lay();
    const auto start = std::chrono::steady_clock::now();
    c.check();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  }
}

// A second copy of the game on the same folder is told so while the first
// runs, and not once the first has ended, however it ended.
TEST(UserFiles, AFolderIsClaimedByOneCopyOfTheGameAtATime) {
  TempDir home;
  const std::string held = home / "held", later = home / "later", freed = home / "freed";
  fs::create_directories(held);
  fs::create_directories(freed);
  // Another copy holds this folder (a claim of another open of it, as from another process).
  const int other = open(held.c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_EQ(flock(other, LOCK_EX | LOCK_NB), 0);
  EXPECT_FALSE(plat::ClaimUserFolder(held + "/save.json"));
  EXPECT_FALSE(plat::ClaimUserFolder(held + "/save.json"));  // answered as the first time
  close(other);

  // A folder not there yet is claimed by the write that makes it; if
  // another copy made it first, the write says so and writes nothing.
  EXPECT_TRUE(plat::ClaimUserFolder(later + "/save.json"));
  fs::create_directories(later);
  const int first = open(later.c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_EQ(flock(first, LOCK_EX | LOCK_NB), 0);
  std::string err;
  EXPECT_FALSE(plat::WriteUserFile(later + "/save.json", "x", err));
  EXPECT_NE(err.find("another copy of the game"), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(later + "/save.json"));
  close(first);
  EXPECT_TRUE(plat::WriteUserFile(later + "/save.json", "x", err)) << err;

  // A copy that is killed leaves nothing behind that blocks the next.
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  if (child == 0) {
    const char said = plat::ClaimUserFolder(freed + "/save.json") ? 'y' : 'n';
    if (write(ready[1], &said, 1) != 1) _exit(1);
    pause();
    _exit(0);
  }
  char said = 0;
  ASSERT_EQ(read(ready[0], &said, 1), 1);
  EXPECT_EQ(said, 'y');
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  EXPECT_TRUE(plat::ClaimUserFolder(freed + "/save.json"));
  EXPECT_EQ(std::distance(fs::directory_iterator(freed), fs::directory_iterator()), 0);
  close(ready[0]);
  close(ready[1]);
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
  unsetenv("XDG_CONFIG_HOME");
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
  ASSERT_TRUE(plat::scenario::Parse("menu continue\nmenu keys\nmenu quit\n", cmds, err)) << err;
  EXPECT_EQ(cmds[0].menu, plat::kMenuContinue);
  EXPECT_EQ(cmds[1].menu, plat::kMenuKeys);
  EXPECT_EQ(cmds[2].menu, plat::kMenuQuit);
  EXPECT_FALSE(plat::scenario::Parse("menu save\n", cmds, err));

  plat::SetMenuEnabled(plat::kMenuContinue, false);
  EXPECT_FALSE(plat::MenuEnabled(plat::kMenuContinue));
  EXPECT_TRUE(plat::MenuEnabled(plat::kMenuStart));
  EXPECT_FALSE(plat::MenuEnabled(99));
  plat::SetMenuEnabled(plat::kMenuContinue, true);
}
