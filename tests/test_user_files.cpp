// The player's own files: written whole or not at all, kept when unusable,
// and found in the XDG folders.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

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
  ASSERT_TRUE(plat::KeepAsBad(path, err)) << err;
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
