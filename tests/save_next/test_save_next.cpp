// Built with MOKI_SAVE_NEXT: the game as its next version would be, with the
// save one value larger (nextCount, since version 2, 7 when older). Today's
// saves must load in it, with the new value's default, and be written back
// in the new version.
#include <gtest/gtest.h>

#include <string>

#include "shell/save_game.h"
#include "test_support.h"

namespace {

std::string Replace(std::string s, const std::string& from, const std::string& to) {
  const size_t at = s.find(from);
  if (at != std::string::npos) s.replace(at, from.size(), to);
  return s;
}

TEST(NextSave, TodaysSavesLoadWithTheNewValuesDefaultAndAreWrittenBackNew) {
  static_assert(moki::kSaveVersion == 2);
  const std::filesystem::path dir = std::filesystem::path(MOKI_SOURCE_DIR) / "fuzz/corpus/save";
  for (const char* name : {"hall", "room"}) {
    SCOPED_TRACE(name);
    const std::string today = testing_support::Slurp((dir / name).string());
    ASSERT_NE(today.find("\"version\": 1,"), std::string::npos);
    moki::GameState gs;
    moki::InitTables(gs);
    gs.lastCountTick = 99;
    std::string why;
    ASSERT_TRUE(moki::LoadSave(today, gs, why)) << why;
    EXPECT_EQ(gs.lastCountTick, 7);  // the value it did not have yet, at its default
    // Written back whole, in the new version, and read back as it was.
    const std::string next = moki::SaveGame(gs);
    EXPECT_NE(next.find("\"version\": 2,"), std::string::npos);
    EXPECT_NE(next.find("\"nextCount\": 7"), std::string::npos);
    moki::GameState again;
    moki::InitTables(again);
    ASSERT_TRUE(moki::LoadSave(next, again, why)) << why;
    EXPECT_EQ(moki::SaveGame(again), next);
    // The new value is the new version's: missing from it, or found in an
    // older save, it is a fault.
    EXPECT_FALSE(moki::LoadSave(Replace(next, "  \"nextCount\": 7", "  \"x\": 0"), again, why));
    EXPECT_FALSE(moki::LoadSave(Replace(next, "\"version\": 2,", "\"version\": 1,"), again, why));
  }
}

}  // namespace
