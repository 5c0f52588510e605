// A game window for tests, on the headless backend: fonts, tables and (when
// the pictures are there) the sprite sheets, as at start-up.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/headless.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "shell/form1.h"
#include "shell/state_json.h"

namespace testing_support {

inline std::unique_ptr<moki::Form1> MakeForm(uint64_t seed = 1) {
  plat::headless::Reset(seed);
  std::string err;
  EXPECT_TRUE(plat::InitFonts(err)) << err;
  auto f = std::make_unique<moki::Form1>();
  moki::ConnectWindow(*f);
  moki::LoadPictures(f->pics);
  moki::InitControls(*f);
  moki::InitTables(f->gs);
  return f;
}

// Runs body inside a headless run driven by scenario; returns the exit code.
inline int RunWith(const std::string& scenario, const std::function<void()>& body) {
  std::string err;
  EXPECT_TRUE(plat::headless::LoadScenario(scenario, err)) << err;
  return plat::headless::Run(body);
}

}  // namespace testing_support
