// The player's own files: the settings and the save, in the user's XDG
// folders. Everything the game reads or writes of them goes through here, so
// that a file is never half written and a file the game cannot use is kept.
#pragma once

#include <string>

namespace plat {

// $XDG_CONFIG_HOME/mokimoki (~/.config/mokimoki when unset or not absolute).
// The home is $HOME, or the user's home in the password database when HOME is
// unset or not absolute. With no home at all the folder is "" (the player is
// told once), and a file in it is never read or written: it does not exist,
// writing it keeps nothing.
std::string ConfigDir();
// $XDG_DATA_HOME/mokimoki (~/.local/share/mokimoki when unset or not absolute).
std::string DataDir();

enum class ReadStatus { Ok, Missing, Unreadable };
// Reads the whole file. Missing: there is no file (not an error). Unreadable:
// it is there but cannot be read (a folder in its place, no permission, an I/O
// error); err says why in plain words.
ReadStatus ReadUserFile(const std::string& path, std::string& contents, std::string& err);

// Writes contents to a temporary file in the same folder and renames it over
// path, making the folder first. On failure err says why; the old file, if
// any, is untouched.
bool WriteUserFile(const std::string& path, const std::string& contents, std::string& err);

// Keeps a file the game cannot use as path + ".bad" (replacing an older one).
bool KeepAsBad(const std::string& path, std::string& err);

// Removes the file; true when it is gone (or was never there).
bool RemoveUserFile(const std::string& path);

// Whether something is at path.
bool UserFileExists(const std::string& path);

}  // namespace plat
