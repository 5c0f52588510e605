// The settings file's format: lines of "key = value" under [sections], "#"
// comments, read line by line and written back with the player's own lines
// kept. Knows nothing of what the settings mean.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace plat::ini {

struct Line {
  enum Kind { Blank, Comment, Section, Pair, Junk } kind = Blank;
  std::string name;  // the section, or the setting's key (lower case)
  std::string value;
  std::string comment;  // a comment at the end of the line, with the spaces before it
};
Line Classify(const std::string& raw);

// The text's lines without their line ends; a UTF-8 byte order mark at the
// start is not part of the first line.
std::vector<std::string> SplitLines(const std::string& text);

std::string Trim(const std::string& s);
std::string Lower(std::string s);

// The settings of one section to write, as "key = value", in order.
struct Section {
  std::string name;
  std::vector<std::pair<std::string, std::string>> values;
};

// previous with each given setting's line set to its value (a comment at its
// end kept), later lines of the same setting dropped, settings the text lacks
// added at the end of their section and sections it lacks at its end. Every
// other line is kept as it is, but lines that make no sense and settings
// before any section. With only ("section.key" names), the lines of the
// other settings are kept as they are too. An empty previous starts with
// header.
std::string Rewrite(const std::string& previous, const std::vector<Section>& sections,
                    const std::vector<std::string>& header,
                    const std::vector<std::string>& only = {});

// Only the lines of previous worth carrying into a new file: comments that
// are text (no control characters), and the lines not listed in unusable
// (1-based), with the lines of any section not in known dropped.
std::string UsableLines(const std::string& previous, const std::vector<int>& unusable,
                        const std::vector<std::string>& known);

// text without its comments: comment lines and comments at a line's end.
std::string WithoutComments(const std::string& text);

// text with its control characters (but tabs) as \xNN (C1 ones as \u0080 to
// \u009f), and any byte that is not part of a UTF-8 character as \xNN, for a
// terminal.
std::string Printable(const std::string& text);

}  // namespace plat::ini
