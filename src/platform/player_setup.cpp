#include "platform/player_setup.h"

#include <utility>

#include "platform/internal.h"

namespace plat {

namespace {
struct Setup {
  WindowSetup window;
  std::vector<ActionKeys> actions;
  SetupKeeper keeper;
};
Setup& S() {
  static Setup s;
  return s;
}
}  // namespace

void SetWindowSetup(const WindowSetup& setup) {
  S().window = setup;
}
const WindowSetup& CurrentWindowSetup() {
  return S().window;
}

void SetActionKeys(std::vector<ActionKeys> actions) {
  S().actions = std::move(actions);
  internal::RouteKeys();
}
const std::vector<ActionKeys>& Actions() {
  return S().actions;
}

void KeepSetupWith(SetupKeeper keeper) {
  S().keeper = std::move(keeper);
}

}  // namespace plat

namespace plat::internal {

bool ChangeWindowSetup(const WindowSetup& setup) {
  S().window = setup;
  return S().keeper.windowChanged ? S().keeper.windowChanged(setup) : true;
}

void FreshSetup() {
  if (S().keeper.fresh) {
    S().keeper.fresh();
  } else {
    S().window = WindowSetup{};
    SetActionKeys({});
  }
}

void LoadSetup(const std::string& file) {
  if (S().keeper.load) S().keeper.load(file);
}

}  // namespace plat::internal
