#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "platform/platform.h"

namespace plat {

namespace {

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

bool IsFolder(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

std::string ProgramDir() {
  // A build keeps data/ and assets/ beside the executable; an installed game
  // (PREFIX/games/mokimoki) keeps them in PREFIX/share/games/mokimoki. Either
  // way they are found from the executable, wherever the tree was unpacked.
  std::string exe = ExecutableDir();
  if (IsFolder(exe + "/data")) return exe;
  size_t slash = exe.rfind('/');
  if (slash != std::string::npos) {
    std::string installed = exe.substr(0, slash) + "/share/games/mokimoki";
    if (IsFolder(installed + "/data")) return installed;
  }
  // Neither: messages about missing files name the place beside the executable.
  return exe;
}

}  // namespace plat
