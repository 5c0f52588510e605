#include "platform/user_files.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "platform/internal.h"
#include "platform/recording_file.h"

namespace plat {

namespace {

// The player's home: HOME when it names a folder from the root, else the
// home the password database gives the user. Without either the player has
// no place for the settings and the save: told once, and "" is returned.
std::string HomeDir() {
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return home;
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/')
    return pw->pw_dir;
  static bool told = false;
  if (!told)
    std::cerr << "mokimoki: no home folder (HOME is not set and the user has none in the "
                 "password database): the settings and the save are not kept\n";
  told = true;
  return "";
}

// $VAR/mokimoki, or ~/fallback/mokimoki; "" when there is no home.
std::string XdgDir(const char* var, const char* fallback) {
  const char* v = std::getenv(var);
  // Relative paths in these variables are invalid and must be ignored.
  if (v && v[0] == '/') return std::string(v) + "/mokimoki";
  const std::string home = HomeDir();
  return home.empty() ? home : home + "/" + fallback + "/mokimoki";
}

// A path made from an empty folder ("/settings.ini"): the player has no home,
// and the game neither reads nor writes the file anywhere else instead.
bool Homeless(const std::string& path) {
  return path.rfind('/') == 0;
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

static std::string ConfigDirLive() {
  return XdgDir("XDG_CONFIG_HOME", ".config");
}

static std::string DataDirLive() {
  return XdgDir("XDG_DATA_HOME", ".local/share");
}

static ReadStatus ReadLive(const std::string& path, std::string& contents, std::string& err) {
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

static bool WriteLive(const std::string& path, const std::string& contents, std::string& err) {
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

static bool KeepAsBadLive(const std::string& path, std::string& err) {
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

static bool RemoveLive(const std::string& path) {
  return unlink(path.c_str()) == 0 || errno == ENOENT;
}

static bool ExistsLive(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

// What the game asks of the player's files is recorded with a session, and
// in playback answered from the recording without touching the disk.
namespace {

using internal::FileAnswer;
using recfile::FileOp;

FileAnswer Answer(FileOp op, const std::function<FileAnswer()>& live) {
  return internal::TakeFile(int(op), live);
}

FileAnswer Done(bool ok, const std::string& err) {
  return FileAnswer{uint8_t(ok ? 1 : 0), std::string(), err};
}

}  // namespace

std::string ConfigDir() {
  return Answer(FileOp::ConfigDir, [] { return FileAnswer{0, ConfigDirLive(), {}}; }).text;
}

std::string DataDir() {
  return Answer(FileOp::DataDir, [] { return FileAnswer{0, DataDirLive(), {}}; }).text;
}

ReadStatus ReadUserFile(const std::string& path, std::string& contents, std::string& err) {
  if (Homeless(path)) {
    contents.clear();
    return ReadStatus::Missing;
  }
  FileAnswer a = Answer(FileOp::Read, [&] {
    FileAnswer live;
    live.status = uint8_t(ReadLive(path, live.text, live.err));
    return live;
  });
  contents = std::move(a.text);
  const auto status = ReadStatus(a.status);
  if (status == ReadStatus::Unreadable) err = a.err;
  return status;
}

bool WriteUserFile(const std::string& path, const std::string& contents, std::string& err) {
  if (Homeless(path)) return true;  // nothing is kept, as the player was told
  FileAnswer a = Answer(FileOp::Write, [&] {
    std::string why;
    return Done(WriteLive(path, contents, why), why);
  });
  if (a.status == 0) err = a.err;
  return a.status != 0;
}

bool KeepAsBad(const std::string& path, std::string& err) {
  if (Homeless(path)) return true;
  FileAnswer a = Answer(FileOp::KeepBad, [&] {
    std::string why;
    return Done(KeepAsBadLive(path, why), why);
  });
  if (a.status == 0) err = a.err;
  return a.status != 0;
}

bool RemoveUserFile(const std::string& path) {
  if (Homeless(path)) return true;
  return Answer(FileOp::Remove, [&] { return Done(RemoveLive(path), {}); }).status != 0;
}

bool UserFileExists(const std::string& path) {
  if (Homeless(path)) return false;
  return Answer(FileOp::Exists, [&] { return Done(ExistsLive(path), {}); }).status != 0;
}

}  // namespace plat
