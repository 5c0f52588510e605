#include "player_files/user_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <pwd.h>
#include <signal.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
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

// The fault of the live operation now running, told to the game with its answer.
FileFault g_fault = FileFault::Other;

FileFault FaultOf(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
      return FileFault::NoSpace;
    case EACCES:
    case EPERM:
    case EROFS:
      return FileFault::NoPermission;
    case ENOTDIR:
      return FileFault::NotFolder;
    default:
      return FileFault::Other;
  }
}

// err says text, and the game is told fault.
bool Fault(FileFault fault, std::string& err, const std::string& text) {
  g_fault = fault;
  err = text;
  return false;
}

std::string Why(const std::string& path) {
  g_fault = FaultOf(errno);
  return path + ": " + std::strerror(errno);
}

// What failed, on which file, and why: "…/save.json.12-0.tmp: cannot be written: No space left".
std::string Why(const std::string& path, const std::string& what) {
  g_fault = FaultOf(errno);
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
    return Fault(FileFault::NotFolder, err, dir + ": not a folder");
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
  if (Lock(folder, c.fd) == 0)
    return Fault(FileFault::InUse, err,
                 folder + ": another copy of the game is playing on this save");
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
    Fault(FileFault::NotPlain, err, path + ": not a plain file");
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

static bool WriteLive(const std::string& path, const std::string& contents, std::string& err,
                      bool claims = true) {
  std::string file;
  if (!MakeDirs(FolderOf(path), err) || !Resolve(path, file, err) ||
      (claims && !HoldClaim(FolderOf(file), err)))
    return false;
  struct stat st;
  mode_t mode = 0;  // the old file's permissions, which the new one keeps
  if (lstat(file.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode))
      return Fault(FileFault::NotPlain, err, file + ": not a plain file; it is left as it is");
    if ((st.st_mode & 0222) == 0 || access(file.c_str(), W_OK) != 0)
      return Fault(FileFault::ReadOnly, err, file + ": the file is read-only; it is left as it is");
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
  // Only a plain file is set aside: a folder or a device in its place (or
  // at the end of its link) is not the game's to move.
  struct stat st;
  if (lstat(file.c_str(), &st) != 0) {
    err = Why(file);
    return false;
  }
  if (!S_ISREG(st.st_mode))
    return Fault(FileFault::NotPlain, err, file + ": not a plain file; it is left where it is");
  // Named from the game's folder: beside the file asked for, its name alone.
  const auto named = [&](const std::string& bad) {
    return FolderOf(bad) == FolderOf(path) ? NameOf(bad) : bad;
  };
  for (int n = 1; n <= kMostBadFiles; ++n) {
    std::string bad = file + ".bad";
    if (n > 1) bad.append(1, '.').append(std::to_string(n));
    // Never over an older one, even one another copy of the game keeps at the same moment.
    if (renameat2(AT_FDCWD, file.c_str(), AT_FDCWD, bad.c_str(), RENAME_NOREPLACE) == 0) {
      keptAs = named(bad);
      return true;
    }
    if (errno == EEXIST) continue;
    if (errno == EINVAL || errno == ENOSYS) {  // a file system that cannot rename so
      struct stat st;
      if (lstat(bad.c_str(), &st) == 0) continue;
      if (rename(file.c_str(), bad.c_str()) == 0) {
        keptAs = named(bad);
        return true;
      }
    }
    err = Why(file, "cannot be renamed to " + NameOf(bad));
    return false;
  }
  return Fault(FileFault::AllBadTaken, err,
               NameOf(file) + ".bad to " + NameOf(file) + ".bad." + std::to_string(kMostBadFiles) +
                   " are all there: remove some of them");
}

static bool RemoveLive(const std::string& path) {
  std::string file, err;
  if (!Resolve(path, file, err)) return false;
  struct stat st;
  if (lstat(file.c_str(), &st) != 0) return errno == ENOENT;
  if (!S_ISREG(st.st_mode)) return Fault(FileFault::NotPlain, err, file);
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

FileFault g_lastFault = FileFault::Other;

// A failed answer carries its fault above the status (recfile::kFaultShift),
// so that playback tells the player what the recording's game was told.
FileAnswer Answer(FileOp op, const std::function<FileAnswer()>& live) {
  FileAnswer a = internal::TakeFile(int(op), [&] {
    g_fault = FileFault::Other;
    FileAnswer made = live();
    const bool failed =
        op == FileOp::Read ? made.status >= uint8_t(ReadStatus::Unreadable) : made.status == 0;
    if (failed) made.status = uint8_t(made.status | (uint8_t(g_fault) << recfile::kFaultShift));
    return made;
  });
  g_lastFault = FileFault(a.status >> recfile::kFaultShift);
  a.status &= (1u << recfile::kFaultShift) - 1;
  return a;
}

FileAnswer Done(bool ok, const std::string& err) {
  return FileAnswer{uint8_t(ok ? 1 : 0), std::string(), err};
}

}  // namespace

FileFault LastFileFault() {
  return g_lastFault;
}

std::string HomeFolder() {
  return HomeDir();
}

std::string ConfigDir() {
  return Answer(FileOp::ConfigDir, [] { return FileAnswer{0, ConfigDirLive(), {}}; }).text;
}

std::string DataDir() {
  return Answer(FileOp::DataDir, [] { return FileAnswer{0, DataDirLive(), {}}; }).text;
}

std::string StateDir() {
  return XdgDir("XDG_STATE_HOME", ".local/state");
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

bool WriteUserFileAside(const std::string& path, const std::string& contents, std::string& err) {
  return Homeless(path) || WriteLive(path, contents, err, false);
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
  return Answer(FileOp::Claim, [&] {
           std::string file, err;
           if (!Resolve(path, file, err)) file = path;
           return Done(ClaimLive(FolderOf(file)), {});
         }).status != 0;
}

namespace {

// Whether name is base + ".PID-N.tmp" for a PID that is not running.
bool LeftBehind(const std::string& name, const std::string& base) {
  if (name.size() <= base.size() + 1 || name.compare(0, base.size() + 1, base + ".") != 0)
    return false;
  const std::string rest = name.substr(base.size() + 1);
  const size_t dash = rest.find('-');
  if (dash == 0 || dash == std::string::npos || dash > 9 || rest.size() < dash + 6 ||
      rest.compare(rest.size() - 4, 4, ".tmp") != 0)
    return false;
  const std::string pid = rest.substr(0, dash), n = rest.substr(dash + 1, rest.size() - dash - 5);
  const auto digits = [](const std::string& d) {
    return !d.empty() && d.find_first_not_of("0123456789") == std::string::npos;
  };
  if (!digits(pid) || !digits(n)) return false;
  const long p = std::stol(pid);
  return p > 0 && p != long(getpid()) && kill(pid_t(p), 0) != 0 && errno == ESRCH;
}

}  // namespace

void ClearLeftovers(const std::string& path) {
  if (Homeless(path) || recording::Playing()) return;
  std::string file, err;
  if (!Resolve(path, file, err)) return;
  const std::string dir = FolderOf(file), base = NameOf(file);
  DIR* d = opendir(dir.c_str());
  if (!d) return;
  while (const dirent* e = readdir(d)) {
    struct stat st;
    if (!LeftBehind(e->d_name, base) || fstatat(dirfd(d), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
      continue;
    if (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode)) unlinkat(dirfd(d), e->d_name, 0);
  }
  closedir(d);
}

int HoldUserFile(const std::string& path) {
  if (Homeless(path) || recording::Playing()) return -1;
  std::string err;
  if (!MakeDirs(FolderOf(path), err)) return -1;
  // Another copy holds it for the few milliseconds of a write; one that is
  // stopped is waited for two seconds at most.
  for (int tries = 0; tries < 200; ++tries) {
    const int fd = open(path.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    struct stat held, now;
    if (fd < 0 || fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
      if (fd >= 0) close(fd);
      return -1;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
      // Still the file at path, not one a write has since renamed away.
      if (stat(path.c_str(), &now) == 0 && now.st_dev == held.st_dev && now.st_ino == held.st_ino)
        return fd;
      close(fd);
      continue;
    }
    close(fd);
    if (errno != EWOULDBLOCK) return -1;
    const timespec wait{0, 10 * 1000 * 1000};
    nanosleep(&wait, nullptr);
  }
  return -1;
}

void ReleaseUserFile(int hold) {
  if (hold >= 0) close(hold);
}

ReadStatus ReadGivenFile(const std::string& path, std::string& contents, std::string& err,
                         size_t most) {
  return ReadLive(path, contents, err, most);
}

bool SameFile(const std::string& a, const std::string& b) {
  std::string fa, fb, err;
  if (!Resolve(a, fa, err) || !Resolve(b, fb, err)) return false;
  struct stat sa, sb;
  const bool ha = stat(fa.c_str(), &sa) == 0, hb = stat(fb.c_str(), &sb) == 0;
  if (ha || hb) return ha && hb && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  char ra[PATH_MAX], rb[PATH_MAX];
  return realpath(FolderOf(fa).c_str(), ra) && realpath(FolderOf(fb).c_str(), rb) &&
         std::string(ra) == rb && NameOf(fa) == NameOf(fb);
}

}  // namespace plat
