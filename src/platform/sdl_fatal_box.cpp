// The box of a fatal error in the real window. It is shown from a process of
// its own, so that a game stopped in any state (its event loop gone, SDL in
// the middle of something) still shows it, and nothing of it outlives the game.
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string>

#include "platform/sdl_window.h"
#include "platform/text.h"

namespace plat::sdl {

namespace {

pid_t g_boxGroup = 0;  // the process group showing the box

void EndBoxAndGame(int sig) {
  if (g_boxGroup > 0) kill(-g_boxGroup, SIGKILL);
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

void EndOwnGroup(int) {
  kill(0, SIGKILL);
}

}  // namespace

// Shows the box in a child process with a process group of its own (SDL may
// hand the box to further processes of its own) and waits until it is
// closed. Nothing of it outlives the game: SIGTERM, SIGINT or SIGHUP to the
// game end the box too, and a game killed outright takes the box with it.
void ShowFatalBox(const std::string& text) {
  // Before the window has one, the game's own caption.
  const std::string caption = s.caption.empty() ? ToUtf8(GetGameNames().caption) : s.caption;
  const pid_t game = getpid();
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    std::signal(SIGTERM, EndOwnGroup);
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != game) EndOwnGroup(0);
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), s.window);
    std::_Exit(0);
  }
  if (pid < 0) return;  // no box rather than one that could stay behind
  setpgid(pid, pid);
  g_boxGroup = pid;
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) std::signal(sig, EndBoxAndGame);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace plat::sdl
