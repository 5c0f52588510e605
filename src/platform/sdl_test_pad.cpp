// A controller made in software, for tests: built only with
// MOKI_TEST_HOOKS (the test build), never in the players' game.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "platform/pad_buttons.h"
#include "platform/sdl_window.h"

namespace plat::sdl {

namespace {

SDL_Joystick* g_testPad = nullptr;
// MOKI_TEST_PAD names a file (a pipe) of lines "down a", "up a", "stick X Y";
// the game plugs in a virtual controller and works its buttons from them, so
// a test plays through the same controller events as a player's. Players
// never set it.
Uint32 g_testPadEvent = 0;

int ReadTestPad(void* path) {
  // Opened for writing too, a pipe never ends between two writers. Plain
  // reads, not the C library's streams: the game's quitting flushes those
  // and would wait for this read.
  int fd = -1;
  while ((fd = open(static_cast<const char*>(path), O_RDWR)) < 0) SDL_Delay(50);
  std::string pending;
  char buf[256];
  for (;;) {
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n <= 0) {
      SDL_Delay(50);
      continue;
    }
    pending.append(buf, size_t(n));
    for (size_t end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
      SDL_Event e{};
      e.type = g_testPadEvent;
      e.user.data1 = SDL_strdup(pending.substr(0, end).c_str());
      SDL_PushEvent(&e);
      pending.erase(0, end + 1);
    }
  }
}

}  // namespace

void StartTestPad() {
  const char* path = SDL_getenv("MOKI_TEST_PAD");
  if (!path || !*path) return;
  // A virtual X server gives no window the focus for certain; the test's
  // controller counts all the same.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  const int index = SDL_JoystickAttachVirtual(
      SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
  g_testPad = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
  g_testPadEvent = SDL_RegisterEvents(1);
  if (!g_testPad || g_testPadEvent == Uint32(-1)) {
    std::fprintf(stderr, "%sno test controller: %s\n", internal::MessageLead().c_str(),
                 SDL_GetError());
    return;
  }
  SDL_DetachThread(SDL_CreateThread(ReadTestPad, "test pad", SDL_strdup(path)));
}

namespace {

void TestPadLine(const char* text) {
  char word[16] = {}, name[32] = {};
  int x = 0, y = 0;
  if (std::sscanf(text, "%15s %31s", word, name) != 2) return;
  const std::string w = word;
  if (w == "stick" && std::sscanf(text, "%*s %d %d", &x, &y) == 2) {
    SDL_JoystickSetVirtualAxis(g_testPad, SDL_CONTROLLER_AXIS_LEFTX,
                               Sint16(std::clamp(x, -32768, 32767)));
    SDL_JoystickSetVirtualAxis(g_testPad, SDL_CONTROLLER_AXIS_LEFTY,
                               Sint16(std::clamp(y, -32768, 32767)));
  } else if ((w == "down" || w == "up") && PadButtonOf(name) >= 0) {
    SDL_JoystickSetVirtualButton(g_testPad, PadButtonOf(name), w == "down" ? 1 : 0);
  }
  SDL_JoystickUpdate();  // its events now, as a real controller's would come
}

}  // namespace

bool TestPadEvent(const SDL_Event& e) {
  if (g_testPadEvent == 0 || e.type != g_testPadEvent) return false;
  TestPadLine(static_cast<const char*>(e.user.data1));
  SDL_free(e.user.data1);
  return true;
}

}  // namespace plat::sdl
