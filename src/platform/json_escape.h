// JSON strings as the game writes them: its save, and the state and keys the
// scenario runner reports.
#pragma once

#include <string>

namespace plat {

// Appends s (UTF-8) as a JSON string: quoted, with quotes, backslashes and
// control characters escaped.
void AppendJsonString(std::string& out, const std::string& s);
// s as a JSON string.
std::string JsonString(const std::string& s);

}  // namespace plat
