#include "platform/user_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace plat {

namespace {

std::string XdgDir(const char* var, const char* fallback) {
  const char* v = std::getenv(var);
  // Relative paths in these variables are invalid and must be ignored.
  if (v && v[0] == '/') return std::string(v) + "/mokimoki";
  const char* home = std::getenv("HOME");
  return std::string(home && home[0] ? home : ".") + "/" + fallback + "/mokimoki";
}

std::string Why(const std::string& path) {
  return path + ": " + std::strerror(errno);
}

// Makes every missing folder on the way to dir.
bool MakeDirs(const std::string& dir, std::string& err) {
  if (dir.empty()) return true;
  struct stat st;
  if (stat(dir.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return true;
    err = dir + ": not a folder";
    return false;
  }
  size_t slash = dir.rfind('/');
  if (slash != std::string::npos && slash > 0 && !MakeDirs(dir.substr(0, slash), err)) return false;
  if (mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST) {
    err = Why(dir);
    return false;
  }
  return true;
}

bool WriteAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

}  // namespace

std::string ConfigDir() {
  return XdgDir("XDG_CONFIG_HOME", ".config");
}

std::string DataDir() {
  return XdgDir("XDG_DATA_HOME", ".local/share");
}

ReadStatus ReadUserFile(const std::string& path, std::string& contents, std::string& err) {
  contents.clear();
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return ReadStatus::Missing;
    err = Why(path);
    return ReadStatus::Unreadable;
  }
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    err = path + ": not a plain file";
    close(fd);
    return ReadStatus::Unreadable;
  }
  char buf[65536];
  for (;;) {
    ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      err = Why(path);
      close(fd);
      contents.clear();
      return ReadStatus::Unreadable;
    }
    if (n == 0) break;
    contents.append(buf, size_t(n));
  }
  close(fd);
  return ReadStatus::Ok;
}

bool WriteUserFile(const std::string& path, const std::string& contents, std::string& err) {
  size_t slash = path.rfind('/');
  std::string dir = slash == std::string::npos ? "." : path.substr(0, slash);
  if (!MakeDirs(dir, err)) return false;
  std::string tmp = path + ".tmp";
  int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    err = Why(tmp);
    return false;
  }
  bool ok = WriteAll(fd, contents) && fsync(fd) == 0;
  if (!ok) err = Why(tmp);
  if (close(fd) != 0 && ok) {
    err = Why(tmp);
    ok = false;
  }
  if (ok && rename(tmp.c_str(), path.c_str()) != 0) {
    err = Why(path);
    ok = false;
  }
  if (!ok) unlink(tmp.c_str());
  return ok;
}

bool KeepAsBad(const std::string& path, std::string& err) {
  std::string bad = path + ".bad";
  struct stat st;
  // A folder left where the .bad file goes cannot be replaced by rename.
  if (stat(bad.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    err = bad + ": a folder is in the way";
    return false;
  }
  if (rename(path.c_str(), bad.c_str()) != 0) {
    err = Why(path);
    return false;
  }
  return true;
}

bool RemoveUserFile(const std::string& path) {
  return unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool UserFileExists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

}  // namespace plat
