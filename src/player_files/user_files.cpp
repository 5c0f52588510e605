#include "player_files/user_files.h"

#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <sys/file.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <iostream>

#include "player_files/recording.h"
#include "player_files/recording_file.h"

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

// What failed, on which file, and why: "…/save.json.12-0.tmp: cannot be written: No space left".
std::string Why(const std::string& path, const std::string& what) {
  return path + ": " + what + ": " + std::strerror(errno);
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  return path.substr(path.rfind('/') + 1);
}

std::string SizeText(size_t bytes) {
  if (bytes % (1u << 20) == 0) return std::to_string(bytes >> 20) + " MB";
  if (bytes % 1024 == 0) return std::to_string(bytes >> 10) + " KB";
  return std::to_string(bytes) + " bytes";
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

// The file path stands for: a symbolic link (or a chain of them) is followed
// to the file it points to, which need not be there yet.
bool Resolve(const std::string& path, std::string& file, std::string& err) {
  file = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    if (lstat(file.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
    char to[PATH_MAX];
    const ssize_t n = readlink(file.c_str(), to, sizeof to);
    if (n <= 0 || size_t(n) >= sizeof to) {
      err = Why(file, "the link cannot be followed");
      return false;
    }
    file = to[0] == '/' ? std::string(to, size_t(n))
                        : FolderOf(file) + "/" + std::string(to, size_t(n));
  }
  err = path + ": the links go round in a circle";
  return false;
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

// A temporary file of this write's own beside file, made new: a name that is
// taken (by another copy of the game, by a write that was cut short, by a
// link left there) is passed over, never opened.
int MakeTemporary(const std::string& file, std::string& tmp, std::string& err) {
  for (int n = 0; n < 100; ++n) {
    tmp = file + "." + std::to_string(getpid()) + "-" + std::to_string(n) + ".tmp";
    const int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd >= 0) return fd;
    if (errno != EEXIST) {
      err = Why(tmp, "cannot be made");
      return -1;
    }
  }
  err = file + ": every name for a temporary file beside it is taken";
  return -1;
}

// The folders this copy of the game claimed (ClaimUserFolder): the claim is
// a lock on the open folder, which the system lets go when the game ends.
struct Claim {
  int fd = -1;         // the folder held open and locked; -1: not held
  bool asked = false;  // ClaimUserFolder has answered for it
  bool ours = false;   // and what it answered, as it answers ever after
};

std::map<std::string, Claim>& Claims() {
  static std::map<std::string, Claim> claims;
  return claims;
}

// 1: this copy now holds folder; 0: another copy does; -1: it cannot be
// locked (not there, or a file system without locks).
int Lock(const std::string& folder, int& fd) {
  const int f = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (f < 0) return -1;
  if (flock(f, LOCK_EX | LOCK_NB) != 0) {
    const bool held = errno == EWOULDBLOCK;
    close(f);
    return held ? 0 : -1;
  }
  fd = f;
  return 1;
}

// Before a write into a claimed folder: this copy holds it (the folder
// made since the claim, or made anew, is claimed now), or err says whose it is.
bool HoldClaim(const std::string& folder, std::string& err) {
  const auto it = Claims().find(folder);
  if (it == Claims().end()) return true;  // the settings' folder, a recording's
  Claim& c = it->second;
  if (c.fd >= 0) {
    struct stat held, now;
    if (fstat(c.fd, &held) == 0 && stat(folder.c_str(), &now) == 0 && held.st_dev == now.st_dev &&
        held.st_ino == now.st_ino)
      return true;
    close(c.fd);
    c.fd = -1;
  }
  if (Lock(folder, c.fd) == 0) {
    err = folder + ": another copy of the game is playing on this save";
    return false;
  }
  return true;  // a folder that cannot be locked is written as before
}

}  // namespace

static std::string ConfigDirLive() {
  return XdgDir("XDG_CONFIG_HOME", ".config");
}

static std::string DataDirLive() {
  return XdgDir("XDG_DATA_HOME", ".local/share");
}

static ReadStatus ReadLive(const std::string& path, std::string& contents, std::string& err,
                           size_t most) {
  contents.clear();
  // Without waiting: a pipe in the file's place would block an open for reading.
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
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
  const auto tooBig = [&] {
    err = path + ": larger than " + SizeText(most);
    close(fd);
    contents.clear();
    return ReadStatus::TooBig;
  };
  if (uint64_t(st.st_size) > most) return tooBig();
  contents.reserve(size_t(st.st_size));
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
    if (contents.size() > most) return tooBig();  // it grew while being read
  }
  close(fd);
  return ReadStatus::Ok;
}

static bool WriteLive(const std::string& path, const std::string& contents, std::string& err) {
  const std::string dir = FolderOf(path);
  std::string file;
  if (!MakeDirs(dir, err) || !HoldClaim(dir, err) || !Resolve(path, file, err)) return false;
  struct stat st;
  mode_t mode = 0;  // the old file's permissions, which the new one keeps
  if (lstat(file.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) {
      err = file + ": not a plain file; it is left as it is";
      return false;
    }
    if ((st.st_mode & 0222) == 0 || access(file.c_str(), W_OK) != 0) {
      err = file + ": the file is read-only; it is left as it is";
      return false;
    }
    mode = st.st_mode & 07777;
  } else if (errno != ENOENT) {
    err = Why(file);
    return false;
  }
  std::string tmp;
  const int fd = MakeTemporary(file, tmp, err);
  if (fd < 0) return false;
  bool ok = (mode == 0 || fchmod(fd, mode) == 0) && WriteAll(fd, contents) && fsync(fd) == 0;
  if (!ok) err = Why(tmp, "cannot be written");
  if (close(fd) != 0 && ok) {
    err = Why(tmp, "cannot be written");
    ok = false;
  }
  if (ok && rename(tmp.c_str(), file.c_str()) != 0) {
    err = Why(tmp, "cannot be renamed to " + NameOf(file));
    ok = false;
  }
  if (!ok) unlink(tmp.c_str());
  return ok;
}

static bool KeepAsBadLive(const std::string& path, std::string& keptAs, std::string& err) {
  std::string file;
  if (!Resolve(path, file, err)) return false;
  for (int n = 1; n <= kMostBadFiles; ++n) {
    std::string bad = file + ".bad";
    if (n > 1) bad.append(1, '.').append(std::to_string(n));
    // Never over an older one, even one another copy of the game keeps at the same moment.
    if (renameat2(AT_FDCWD, file.c_str(), AT_FDCWD, bad.c_str(), RENAME_NOREPLACE) == 0) {
      keptAs = bad;
      return true;
    }
    if (errno == EEXIST) continue;
    if (errno == EINVAL || errno == ENOSYS) {  // a file system that cannot rename so
      struct stat st;
      if (lstat(bad.c_str(), &st) == 0) continue;
      if (rename(file.c_str(), bad.c_str()) == 0) {
        keptAs = bad;
        return true;
      }
    }
    err = Why(file, "cannot be renamed to " + NameOf(bad));
    return false;
  }
  err = NameOf(file) + ".bad to " + NameOf(file) + ".bad." + std::to_string(kMostBadFiles) +
        " are all there: remove some of them";
  return false;
}

static bool RemoveLive(const std::string& path) {
  std::string file, err;
  if (!Resolve(path, file, err)) return false;
  return unlink(file.c_str()) == 0 || errno == ENOENT;
}

static bool ExistsLive(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

static bool ClaimLive(const std::string& folder) {
  Claim& c = Claims()[folder];
  if (!c.asked) {
    c.ours = c.fd >= 0 || Lock(folder, c.fd) != 0;
    c.asked = true;
  }
  return c.ours;
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

ReadStatus ReadUserFile(const std::string& path, std::string& contents, std::string& err,
                        size_t most) {
  if (Homeless(path)) {
    contents.clear();
    return ReadStatus::Missing;
  }
  FileAnswer a = Answer(FileOp::Read, [&] {
    FileAnswer live;
    live.status = uint8_t(ReadLive(path, live.text, live.err, most));
    return live;
  });
  contents = std::move(a.text);
  const auto status = ReadStatus(a.status);
  if (status == ReadStatus::Unreadable || status == ReadStatus::TooBig) err = a.err;
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

bool KeepAsBad(const std::string& path, std::string& keptAs, std::string& err) {
  if (Homeless(path)) return true;
  FileAnswer a = Answer(FileOp::KeepBad, [&] {
    std::string kept, why;
    const bool ok = KeepAsBadLive(path, kept, why);
    return FileAnswer{uint8_t(ok ? 1 : 0), kept, why};
  });
  if (a.status == 0) err = a.err;
  keptAs = a.text;
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

bool ClaimUserFolder(const std::string& path) {
  if (Homeless(path)) return true;  // nothing is kept, so nothing to share
  const std::string folder = FolderOf(path);
  return Answer(FileOp::Claim, [&] { return Done(ClaimLive(folder), {}); }).status != 0;
}

}  // namespace plat
