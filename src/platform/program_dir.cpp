#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "platform/internal.h"
#include "platform/platform.h"

namespace plat {

namespace {

GameNames g_names;

// The executable's own folder, never the working directory: the game is
// started from menus, terminals and tests alike.
std::string ExecutableDir() {
  char buf[4096];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return ".";
  std::string path(buf, size_t(n));
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

// "" when path is a folder the game can list and read from; else why not.
std::string FolderProblem(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return std::strerror(errno);
  if (!S_ISDIR(st.st_mode)) return "not a folder";
  if (access(path.c_str(), R_OK | X_OK) != 0) return std::strerror(errno);
  return "";
}

// Where data/ and assets/ are, or the program stops naming the folders it
// looked in and what is wrong with them.
std::string FindProgramDir() {
  // A build keeps data/ and assets/ beside the executable; an installed game
  // (PREFIX/games/NAME) keeps them in PREFIX/share/games/NAME. Either way
  // they are found from the executable, wherever the tree was unpacked.
  const std::string exe = ExecutableDir();
  const size_t slash = exe.rfind('/');
  std::vector<std::string> dirs = {exe};
  if (!g_names.program.empty())
    dirs.push_back((slash == std::string::npos ? std::string(".") : exe.substr(0, slash)) +
                   "/share/games/" + g_names.program);
  std::string looked;
  for (const std::string& dir : dirs) {
    struct stat st;
    // A folder that is not there at all is not the game's; one that is there
    // (or cannot even be looked into) is, and must be usable.
    if (stat((dir + "/data").c_str(), &st) != 0 && errno == ENOENT) {
      looked += (looked.empty() ? "" : " nor ") + dir + "/data";
      continue;
    }
    for (const char* sub : {"/data", "/assets"}) {
      const std::string why = FolderProblem(dir + sub);
      if (!why.empty()) FatalError("cannot read the game's folder " + dir + sub + ": " + why);
    }
    return dir;
  }
  FatalError("the game's data folder is missing: there is no " + looked);
}

}  // namespace

void SetGameNames(GameNames names) {
  g_names = std::move(names);
}

const GameNames& GetGameNames() {
  return g_names;
}

std::string internal::MessageLead() {
  return g_names.program.empty() ? "" : g_names.program + ": ";
}

std::string ProgramDir() {
  static const std::string dir = FindProgramDir();
  return dir;
}

}  // namespace plat
