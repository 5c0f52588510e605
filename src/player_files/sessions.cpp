#include "player_files/sessions.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <stdio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>
#include <vector>

#include "platform/downloads.h"
#include "player_files/recording.h"
#include "player_files/recording_file.h"
#include "player_files/settings.h"
#include "player_files/user_files.h"

namespace plat {

namespace {

// A session's recording is "session-2026-12-07_21-05-33.rec" (the local time
// it began; "_2", "_3", ... after it for a second start in the same second),
// and while the game plays it the mark beside it, the same name with
// ".running", is locked by the game. A mark nobody holds is a session that
// never ended cleanly.
constexpr const char* kPrefix = "session-";
constexpr const char* kSuffix = ".rec";
constexpr const char* kRunning = ".running";
constexpr size_t kStampSize = 19;  // 2026-12-07_21-05-33

struct Session {
  std::string name;  // session-....rec
  std::string stamp;
  int n = 1;  // the "_N" after the stamp; 1 without one
  bool operator<(const Session& o) const { return stamp != o.stamp ? stamp < o.stamp : n < o.n; }
};

struct Current {
  std::string file;  // this session's recording; "" when none
  std::string mark;  // its mark, held locked by markFd
  int markFd = -1;
  std::string unclean;  // the last session that ended unexpectedly, noticed at start
  bool uncleanTold = false;
};
Current g;

bool AllDigits(const std::string& s, size_t from, size_t count) {
  if (from + count > s.size()) return false;
  for (size_t i = from; i < from + count; ++i)
    if (s[i] < '0' || s[i] > '9') return false;
  return true;
}

// The session a name of the game's own stands for; false for any other name.
bool ParseName(const std::string& name, Session& out) {
  const size_t pre = std::strlen(kPrefix), suf = std::strlen(kSuffix);
  if (name.size() < pre + kStampSize + suf || name.compare(0, pre, kPrefix) != 0 ||
      name.compare(name.size() - suf, suf, kSuffix) != 0)
    return false;
  const std::string stamp = name.substr(pre, kStampSize);
  // yyyy-mm-dd_hh-mm-ss, each field digits.
  static constexpr size_t kFields[][2] = {{0, 4}, {5, 2}, {8, 2}, {11, 2}, {14, 2}, {17, 2}};
  for (const auto& f : kFields)
    if (!AllDigits(stamp, f[0], f[1])) return false;
  if (stamp[4] != '-' || stamp[7] != '-' || stamp[10] != '_' || stamp[13] != '-' ||
      stamp[16] != '-')
    return false;
  const std::string rest = name.substr(pre + kStampSize, name.size() - suf - pre - kStampSize);
  int n = 1;
  if (!rest.empty()) {
    if (rest.size() < 2 || rest.size() > 4 || rest[0] != '_' || rest[1] == '0' ||
        !AllDigits(rest, 1, rest.size() - 1))
      return false;
    n = std::atoi(rest.c_str() + 1);
  }
  out = {name, stamp, n};
  return true;
}

std::string Stamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y-%m-%d_%H-%M-%S", &local);
  return buf;
}

bool Exists(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0;
}

// A free name in folder: prefix + stamp [+ "_N"] + suffix, with neither the
// file nor its mark there.
std::string FreeName(const std::string& folder, const std::string& prefix,
                     const std::string& stamp) {
  for (int n = 1; n < 1000; ++n) {
    std::string name = prefix + stamp;
    if (n > 1) name.append(1, '_').append(std::to_string(n));
    name += kSuffix;
    if (!Exists(folder + "/" + name) && !Exists(folder + "/" + name + kRunning)) return name;
  }
  return "";
}

// The game's own sessions in folder, oldest first, and their marks.
void List(const std::string& folder, std::vector<Session>& sessions,
          std::vector<std::string>& marks) {
  DIR* d = opendir(folder.c_str());
  if (!d) return;
  while (const dirent* e = readdir(d)) {
    std::string name = e->d_name;
    Session s;
    const size_t r = std::strlen(kRunning);
    if (name.size() > r && name.compare(name.size() - r, r, kRunning) == 0) {
      if (ParseName(name.substr(0, name.size() - r), s)) marks.push_back(name);
    } else if (ParseName(name, s)) {
      sessions.push_back(s);
    }
  }
  closedir(d);
  std::sort(sessions.begin(), sessions.end());
}

// 1: nobody holds the mark (its session ended without taking it away); 0:
// another copy of the game holds it; -1: it cannot be looked at.
int MarkLeft(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st;
  int left = -1;
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
    left = flock(fd, LOCK_EX | LOCK_NB) == 0 ? 1 : errno == EWOULDBLOCK ? 0 : -1;
  close(fd);
  return left;
}

// Makes every missing folder on the way to dir.
bool MakeFolder(const std::string& dir, std::string& err) {
  for (size_t at = dir.find('/', 1);; at = dir.find('/', at + 1)) {
    const std::string part = dir.substr(0, at);  // the whole of it last
    if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) {
      err = part + ": " + std::strerror(errno);
      return false;
    }
    if (at == std::string::npos) break;
  }
  struct stat st;
  if (stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return true;
  err = dir + ": not a folder";
  return false;
}

// Makes this session's mark, locked before it has its name, so that no other
// copy of the game ever sees it unlocked while this one plays. A name taken
// meanwhile (another copy started in the same second) is never taken over:
// false with err empty.
bool MakeMark(const std::string& path, std::string& err) {
  const std::string tmp = path + "." + std::to_string(getpid()) + ".tmp";
  const int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) {
    err = tmp + ": " + std::strerror(errno);
    return false;
  }
  if (flock(fd, LOCK_EX | LOCK_NB) != 0 ||
      renameat2(AT_FDCWD, tmp.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) != 0) {
    if (errno != EEXIST) err = path + ": " + std::strerror(errno);
    close(fd);
    unlink(tmp.c_str());
    return false;
  }
  g.markFd = fd;
  g.mark = path;
  return true;
}

// The game ends: cleanly, unless its display went away. A fatal error's box
// names the recording itself.
void SessionEnds(int how) {
  if (how == int(recfile::EndHow::Lost) || g.markFd < 0) return;
  unlink(g.mark.c_str());
  close(g.markFd);
  g.markFd = -1;
}

// Removes a session of the game's own: its recording, and a mark nobody holds.
void Remove(const std::string& folder, const Session& s) {
  unlink((folder + "/" + s.name).c_str());
  const std::string mark = folder + "/" + s.name + kRunning;
  if (MarkLeft(mark) == 1) unlink(mark.c_str());
}

std::string OnPath(const char* program) {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  for (size_t from = 0; from <= dirs.size();) {
    size_t colon = dirs.find(':', from);
    if (colon == std::string::npos) colon = dirs.size();
    const std::string dir = dirs.substr(from, colon - from);
    const std::string file = (dir.empty() ? "." : dir) + "/" + program;
    if (access(file.c_str(), X_OK) == 0) return file;
    from = colon + 1;
  }
  return "";
}

}  // namespace

std::string SessionsFolder() {
  const std::string state = StateDir();
  return state.empty() ? state : state + "/sessions";
}

int KeepSetting(const std::string& settingsPath) {
  std::string text, err;
  if (ReadUserFile(settingsPath, text, err, 1u << 20) != ReadStatus::Ok)
    return DefaultSettings().keepSessions;
  std::vector<SettingsWarning> quiet;
  return ParseSettings(text, quiet).keepSessions;
}

void StartSession(int keep) {
  SessionEnds(int(recfile::EndHow::Quit));  // a session started before (in tests)
  g = Current{};
  // In the page, closing the tab is the usual way out, and the player has no
  // folder to look in: the session is recorded in memory only, for a fault
  // report handed over from the menu (and kept in the page's storage).
  if (FilesAreDownloaded()) {
    std::string err;
    if (keep > 0 && MakeFolder(SessionsFolder(), err)) {
      recording::StartInMemory();
      recording::Quietly();
    }
    return;
  }
  const std::string folder = SessionsFolder();
  if (folder.empty()) return;
  std::vector<Session> sessions;
  std::vector<std::string> marks;
  List(folder, sessions, marks);
  // A mark nobody holds: that session never ended cleanly. The newest is told.
  for (const std::string& mark : marks) {
    if (MarkLeft(folder + "/" + mark) != 1) continue;
    const std::string file = folder + "/" + mark.substr(0, mark.size() - std::strlen(kRunning));
    if (Exists(file) && file > g.unclean) g.unclean = file;
    unlink((folder + "/" + mark).c_str());
  }
  std::string name;
  if (keep > 0) {
    // The name is this copy's once its mark is made.
    std::string err, path;
    bool marked = false;
    if (MakeFolder(folder, err)) {
      for (int tries = 0; tries < 10 && !marked && err.empty(); ++tries) {
        name = FreeName(folder, kPrefix, Stamp());
        path = folder + "/" + name;
        marked = !name.empty() && MakeMark(path + kRunning, err);
      }
    }
    if (!marked && err.empty()) err = folder + ": no free name";
    if (!marked || !StartRecording(path, err)) {
      std::cerr << "mokimoki: cannot record this session: " << err
                << "; the game plays on unrecorded\n";
      SessionEnds(int(recfile::EndHow::Quit));  // its mark, if made, goes
      name.clear();
    } else {
      recording::Quietly();
      g.file = path;
      recording::OnEnd(SessionEnds);
    }
  }
  // The newest `keep` are kept, this one counted; a session another copy of
  // the game is recording, and the one just noticed, stay too.
  const size_t others = size_t(std::max(0, keep - (name.empty() ? 0 : 1)));
  for (size_t i = 0; i + others < sessions.size(); ++i) {
    const std::string file = folder + "/" + sessions[i].name;
    if (file == g.unclean || MarkLeft(file + kRunning) == 0) continue;
    Remove(folder, sessions[i]);
  }
}

const std::string& SessionFile() {
  return g.file;
}

std::string UncleanSession() {
  return internal::TakeFile(int(recfile::FileOp::LastSession),
                            [] {
                              internal::FileAnswer a;
                              a.status = g.unclean.empty() || g.uncleanTold ? 0 : 1;
                              if (a.status) a.text = g.unclean;
                              g.uncleanTold = true;
                              return a;
                            })
      .text;
}

FaultReport WriteFaultReport(std::string& path, std::string& err) {
  const internal::FileAnswer a = internal::TakeFile(int(recfile::FileOp::FaultReport), [] {
    internal::FileAnswer live;
    const std::string bytes = recording::SoFar("a fault report made from the menu");
    const std::string folder = SessionsFolder();
    if (bytes.empty() || folder.empty()) {
      live.status = uint8_t(FaultReport::NotRecorded);
      return live;
    }
    const std::string name =
        FreeName(folder, "fault-report-" + recording::GameVersion() + "-", Stamp());
    live.text = folder + "/" + name;
    const bool ok = !name.empty() && WriteUserFile(live.text, bytes, live.err);
    if (name.empty()) live.err = folder + ": no free name";
    // In the page the player has no folder to look in: the report is handed
    // over as a download too, and the box names the file downloaded.
    if (ok && OfferDownload(name, bytes)) live.text = name;
    live.status = uint8_t(ok ? FaultReport::Written : FaultReport::Failed);
    return live;
  });
  path = a.text;
  err = a.err;
  return FaultReport(a.status);
}

bool CanOpenFolders() {
  // The answer is recorded: a session played in the page (no folders there)
  // shows its ヘルプ menu and its fault report's words as they were when it
  // is played back on the desktop.
  return internal::TakeFile(int(recfile::FileOp::OpensFolders), [] {
           internal::FileAnswer a;
           a.status = OnPath("xdg-open").empty() ? 0 : 1;
           return a;
         }).status != 0;
}

void OpenSessionsFolder() {
  if (recording::Playing()) return;
  const std::string program = OnPath("xdg-open"), folder = SessionsFolder();
  if (program.empty() || folder.empty()) return;
  // Started on its own, in a session of its own, so the game neither waits for
  // it nor leaves anything behind: the child that starts it ends at once.
  const char* argv[] = {program.c_str(), folder.c_str(), nullptr};
  const pid_t child = fork();
  if (child == 0) {
    setsid();
    if (fork() == 0) execv(argv[0], const_cast<char* const*>(argv));
    _exit(0);
  }
  if (child < 0) {
    std::cerr << "mokimoki: cannot start " << program << ": " << std::strerror(errno) << "\n";
    return;
  }
  while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace plat
