// The inputs the fuzzers found faults with, replayed in every build, and the
// faults themselves checked where a player would see them.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz/harness.h"
#include "story/dialogue.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> KeptInputs(const char* target) {
  std::vector<fs::path> out;
  const fs::path dir = fs::path(MOKI_SOURCE_DIR) / "fuzz" / "regressions" / target;
  if (fs::is_directory(dir))
    for (const auto& e : fs::directory_iterator(dir))
      if (e.is_regular_file()) out.push_back(e.path());
  std::sort(out.begin(), out.end());
  return out;
}

std::vector<uint8_t> Bytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FuzzRegressions, EveryKeptScriptInputRunsToItsEndAndCloses) {
  const auto inputs = KeptInputs("script");
  ASSERT_FALSE(inputs.empty());
  for (const auto& p : inputs) {
    const auto bytes = Bytes(p);
    const auto outcome = moki_fuzz::RunScriptInput(bytes.data(), bytes.size());
    EXPECT_EQ(outcome.end, moki_fuzz::ScriptEnd::Finished) << p.filename();
    EXPECT_LT(outcome.virtualMs, moki_fuzz::kScriptVirtualMs) << p.filename();
  }
}

// Runs script for the receptionist in the hall; the scenario waits `ms`.
void Talk(moki::Form1& f, const std::u32string& script, int ms) {
  moki::GameState& gs = f.gs;
  gs.GameMode = moki::kModeHall;
  testing_support::RunWith("wait " + std::to_string(ms) + "\n", [&] {
    gs.dialogueState = 1;
    gs.scriptText = script;
    plat::SetLabelVisible(true);
    moki::RunScript(f, 2);
    plat::headless::MainLoop();
  });
}

TEST(FuzzRegressions, AJumpCircleWithNothingToWaitForEndsTheDialogue) {
  // It used to spin for ever inside the interpreter: no event was handled
  // again, not even the window's repaint.
  auto f = testing_support::MakeForm();
  Talk(*f, U"前#a#Ga後#E", 500);
  EXPECT_EQ(f->gs.dialogueState, -1);
  EXPECT_EQ(f->gs.messageText, U"前");
  EXPECT_TRUE(f->gs.scriptText.empty());

  // A circle that waits on the way (here a line break) is the player's to
  // read, not a fault: it goes on while the player keeps reading.
  auto g = testing_support::MakeForm();
  Talk(*g, U"#a前#,#Ga#E", 2000);
  EXPECT_GT(g->gs.dialogueState, 0);
  EXPECT_GE(std::count(g->gs.messageText.begin(), g->gs.messageText.end(), U'前'), 5);
}

TEST(FuzzRegressions, ThePrizeInAJumpCircleNoLongerOverflowsTheMoney) {
  // "#U4" adds the league's prize; in a circle of jumps it was added until
  // the 32-bit money overflowed.
  auto f = testing_support::MakeForm();
  f->gs.money = 3000;
  Talk(*f, U"#a#U4#Ga#E", 500);
  EXPECT_EQ(f->gs.dialogueState, -1);
  EXPECT_GT(f->gs.money, 3000 + 15000);
  EXPECT_EQ((f->gs.money - 3000) % 15000, 0);
}

}  // namespace
