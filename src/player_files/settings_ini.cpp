#include "player_files/settings_ini.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>

namespace plat::ini {

namespace {

bool Space(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// The length of the UTF-8 character at s[i], or 0 when the bytes there are
// not one; cp is the character.
size_t CharAt(const std::string& s, size_t i, char32_t& cp) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  cp = c;
  if (c < 0x80) return 1;
  const int more = c >= 0xf0 && c < 0xf5   ? 3
                   : c >= 0xe0 && c < 0xf0 ? 2
                   : c >= 0xc2 && c < 0xe0 ? 1
                                           : -1;
  if (more < 0 || i + size_t(more) >= s.size()) return 0;
  cp = c & (0x3f >> more);
  for (int k = 1; k <= more; ++k) {
    const unsigned char b = static_cast<unsigned char>(s[i + size_t(k)]);
    if ((b & 0xc0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3f);
  }
  return size_t(more) + 1;
}

// A control character of either set: C0 (but the tab), DEL, or C1.
bool Control(char32_t cp) {
  return (cp < 0x20 && cp != '\t') || (cp >= 0x7f && cp <= 0x9f);
}

// Whether s is UTF-8 text without control characters (a tab is text).
bool IsText(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    char32_t cp;
    const size_t n = CharAt(s, i, cp);
    if (n == 0 || Control(cp)) return false;
    i += n;
  }
  return true;
}

// Whether the line's first character past any white space, the wide and
// no-break spaces included, is a "#".
bool CommentLine(const std::string& raw) {
  for (size_t i = 0; i < raw.size();) {
    char32_t cp;
    const size_t n = CharAt(raw, i, cp);
    if (n == 0) return false;
    if (cp == U'#') return true;
    const bool white = cp == U' ' || (cp >= 0x09 && cp <= 0x0d) || cp == 0x85 || cp == 0xa0 ||
                       cp == 0x1680 || (cp >= 0x2000 && cp <= 0x200b) || cp == 0x2028 ||
                       cp == 0x2029 || cp == 0x202f || cp == 0x205f || cp == 0x3000 || cp == 0xfeff;
    if (!white) return false;
    i += n;
  }
  return false;
}

}  // namespace

std::string Trim(const std::string& s) {
  size_t a = 0, b = s.size();
  while (a < b && Space(s[a])) ++a;
  while (b > a && Space(s[b - 1])) --b;
  return s.substr(a, b - a);
}

std::string Lower(std::string s) {
  for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

Line Classify(const std::string& raw) {
  Line l;
  std::string t = Trim(raw);
  if (t.empty()) return l;
  if (CommentLine(t)) {
    l.kind = Line::Comment;
    return l;
  }
  // "#" after a space starts a comment at the end of a line.
  for (size_t i = 1; i < t.size(); ++i)
    if (t[i] == '#' && Space(t[i - 1])) {
      size_t from = i;
      while (from > 0 && Space(t[from - 1])) --from;
      l.comment = t.substr(from);
      t = Trim(t.substr(0, i));
      break;
    }
  l.kind = Line::Junk;
  if (t[0] == '[') {
    if (t.size() < 3 || t.back() != ']') return l;
    l.name = Lower(Trim(t.substr(1, t.size() - 2)));
    if (!l.name.empty()) l.kind = Line::Section;
    return l;
  }
  size_t eq = t.find('=');
  if (eq == std::string::npos) return l;
  l.name = Lower(Trim(t.substr(0, eq)));
  l.value = Trim(t.substr(eq + 1));
  if (!l.name.empty()) l.kind = Line::Pair;
  return l;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? text.substr(3) : text);
  for (std::string raw; std::getline(in, raw);) {
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    lines.push_back(raw);
  }
  return lines;
}

std::string Rewrite(const std::string& previous, const std::vector<Section>& sections,
                    const std::vector<std::string>& header, const std::vector<std::string>& only) {
  std::vector<std::string> out;
  std::set<std::string> written;  // "section.key"
  std::set<std::string> seen;     // sections met
  const Section* sec = nullptr;   // the given section the lines are in
  bool inSection = false;         // past any section's header
  size_t insertAt = 0;            // where the section's missing settings go
  auto finishSection = [&] {
    if (!sec) return;
    std::vector<std::string> missing;
    for (const auto& [key, value] : sec->values)
      if (written.insert(sec->name + "." + key).second) missing.push_back(key + " = " + value);
    out.insert(out.begin() + std::ptrdiff_t(insertAt), missing.begin(), missing.end());
  };
  if (previous.empty()) out = header;
  for (const std::string& raw : SplitLines(previous)) {
    const Line l = Classify(raw);
    switch (l.kind) {
      case Line::Blank:
      case Line::Comment:
        out.push_back(raw);
        break;
      case Line::Junk:
        break;
      case Line::Section: {
        finishSection();
        inSection = true;
        auto it = std::find_if(sections.begin(), sections.end(),
                               [&](const Section& s) { return s.name == l.name; });
        sec = it == sections.end() ? nullptr : &*it;
        seen.insert(l.name);
        out.push_back(raw);
        insertAt = out.size();
        break;
      }
      case Line::Pair: {
        if (!inSection) break;
        if (!sec) {
          out.push_back(raw);
          break;
        }
        const std::string full = sec->name + "." + l.name;
        auto it = std::find_if(sec->values.begin(), sec->values.end(),
                               [&](const auto& kv) { return kv.first == l.name; });
        const bool set = only.empty() || std::find(only.begin(), only.end(), full) != only.end();
        if (it == sec->values.end() || !set)
          out.push_back(raw);  // another setting (maybe a newer game's), or one left as it is
        else if (written.insert(full).second)
          out.push_back(it->first + " = " + it->second + l.comment);
        if (it != sec->values.end()) written.insert(full);
        insertAt = out.size();
        break;
      }
    }
  }
  finishSection();
  for (const Section& add : sections) {
    if (seen.count(add.name) || add.values.empty()) continue;
    if (!out.empty() && !out.back().empty()) out.emplace_back();
    out.push_back("[" + add.name + "]");
    sec = &add;
    insertAt = out.size();
    finishSection();
  }
  std::string text;
  for (const std::string& line : out) text += line + "\n";
  return text;
}

std::string UsableLines(const std::string& previous, const std::vector<int>& unusable,
                        const std::vector<std::string>& known) {
  const std::set<int> drop(unusable.begin(), unusable.end());
  std::string out;
  bool knownSection = false;
  int n = 0;
  for (const std::string& raw : SplitLines(previous)) {
    ++n;
    const Line l = Classify(raw);
    if (l.kind == Line::Section)
      knownSection = std::find(known.begin(), known.end(), l.name) != known.end();
    const bool keep = l.kind == Line::Comment || l.kind == Line::Blank
                          ? IsText(raw)
                          : l.kind != Line::Junk && knownSection && !drop.count(n) && IsText(raw);
    if (keep) out += raw + "\n";
  }
  return out;
}

std::string WithoutComments(const std::string& text) {
  std::string out;
  for (const std::string& raw : SplitLines(text)) {
    const Line l = Classify(raw);
    if (l.kind == Line::Comment) continue;
    out += (l.comment.empty() ? raw : raw.substr(0, raw.find(l.comment))) + "\n";
  }
  return out;
}

std::string Printable(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    char32_t cp;
    const size_t n = CharAt(text, i, cp);
    char buf[12];
    if (n == 0) {  // a byte that is no character: as the byte
      std::snprintf(buf, sizeof buf, "\\x%02x", unsigned(static_cast<unsigned char>(text[i])));
      out += buf;
      ++i;
      continue;
    }
    if (Control(cp)) {
      std::snprintf(buf, sizeof buf, cp < 0x80 ? "\\x%02x" : "\\u%04x", unsigned(cp));
      out += buf;
    } else {
      out.append(text, i, n);
    }
    i += n;
  }
  return out;
}

}  // namespace plat::ini
