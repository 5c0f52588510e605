#include <unistd.h>

#include <string>

#include "platform/platform.h"

namespace plat {

std::string ProgramDir() {
  // The executable's own folder, never the working directory: the game is
  // started from menus, terminals and tests alike.
  char buf[4096];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return ".";
  std::string path(buf, size_t(n));
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

}  // namespace plat
