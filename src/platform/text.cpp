#include "platform/text.h"

#include <algorithm>
#include <string_view>

#include "platform/text_font.h"

namespace plat {

namespace {

std::function<void(int, int, const std::u32string&, Color)> g_printObserver;

}  // namespace

bool InitFonts(std::string& err) {
  return font::Open(err);
}

std::string ToUtf8(const std::u32string& s) {
  std::string out;
  out.reserve(s.size() * 3);
  for (char32_t c : s) {
    uint32_t u = uint32_t(c);
    if (u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) u = 0xFFFD;
    if (u < 0x80) {
      out += char(u);
    } else if (u < 0x800) {
      out += char(0xC0 | (u >> 6));
      out += char(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
      out += char(0xE0 | (u >> 12));
      out += char(0x80 | ((u >> 6) & 0x3F));
      out += char(0x80 | (u & 0x3F));
    } else {
      out += char(0xF0 | (u >> 18));
      out += char(0x80 | ((u >> 12) & 0x3F));
      out += char(0x80 | ((u >> 6) & 0x3F));
      out += char(0x80 | (u & 0x3F));
    }
  }
  return out;
}

std::u32string FromUtf8(const std::string& s) {
  std::u32string out;
  size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (len == 0 || i + size_t(len) > s.size()) {
      out += U'\uFFFD';
      ++i;
      continue;
    }
    uint32_t u = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
    bool ok = true;
    for (int k = 1; k < len; ++k) {
      unsigned char cc = static_cast<unsigned char>(s[i + size_t(k)]);
      if ((cc & 0xC0) != 0x80) ok = false;
      u = (u << 6) | (cc & 0x3F);
    }
    out += ok ? char32_t(u) : U'\uFFFD';
    i += ok ? size_t(len) : 1;
  }
  return out;
}

int TextWidth(const std::u32string& text, FontKind font) {
  return text.empty() ? 0 : font::Width(text, font);
}

void SetPrintObserver(std::function<void(int, int, const std::u32string&, Color)> observer) {
  g_printObserver = std::move(observer);
}

namespace {

// A line as the font renders it: how much of each pixel the glyphs cover
// (0..255). Lines are printed again and again (the match's status line nine
// times a frame, the title, the label while it is typed), so the last few
// are kept; rendering one costs far more than blending it.
struct RenderedLine {
  FontKind font = FontKind::Regular;
  std::u32string text;
  int w = 0, h = 0;
  std::vector<uint8_t> cover;
  uint64_t lastUse = 0;
};

constexpr size_t kKeptLines = 32;
std::vector<RenderedLine> g_lines;
uint64_t g_lineUses = 0;

const RenderedLine* Rendered(const std::u32string& text, FontKind font) {
  for (RenderedLine& l : g_lines)
    if (l.font == font && l.text == text) {
      l.lastUse = ++g_lineUses;
      return &l;
    }
  RenderedLine line;
  line.font = font;
  line.text = text;
  if (!font::Render(text, font, line.w, line.h, line.cover)) return nullptr;
  line.lastUse = ++g_lineUses;
  if (g_lines.size() < kKeptLines) {
    g_lines.push_back(std::move(line));
    return &g_lines.back();
  }
  auto oldest = std::min_element(g_lines.begin(), g_lines.end(), [](const auto& a, const auto& b) {
    return a.lastUse < b.lastUse;
  });
  *oldest = std::move(line);
  return &*oldest;
}

}  // namespace

void PrintText(Surface& s, int x, int y, const std::u32string& text, Color c, FontKind font) {
  if (g_printObserver) g_printObserver(x, y, text, c);
  if (text.empty()) return;
  const RenderedLine* line = Rendered(text, font);
  if (!line) return;
  const int cr = int((c >> 16) & 255), cg = int((c >> 8) & 255), cb = int(c & 255);
  int left = s.w, right = 0, top = s.h, bottom = 0;  // where it drew
  for (int row = 0; row < line->h; ++row) {
    int dy = y + row;
    if (dy < 0 || dy >= s.h) continue;
    const uint8_t* cover = &line->cover[size_t(row) * size_t(line->w)];
    for (int col = 0; col < line->w; ++col) {
      int dx = x + col;
      if (dx < 0 || dx >= s.w) continue;
      int a = cover[col];
      if (a == 0) continue;
      uint32_t& d = s.px[size_t(dy) * size_t(s.w) + size_t(dx)];
      int dr = int((d >> 16) & 255), dg = int((d >> 8) & 255), db = int(d & 255);
      dr += (cr - dr) * a / 255;
      dg += (cg - dg) * a / 255;
      db += (cb - db) * a / 255;
      d = RGB(dr, dg, db);
      left = std::min(left, dx);
      right = std::max(right, dx + 1);
      top = std::min(top, dy);
      bottom = std::max(bottom, dy + 1);
    }
  }
  if (top < bottom) s.Drawn(left, top, right, bottom);
}

namespace {
// Japanese punctuation that a line may not end with, or begin with.
bool OpensBracket(char32_t c) {
  return std::u32string_view(U"（「『【〔〈《［｛").find(c) != std::u32string_view::npos;
}
bool EndsClause(char32_t c) {
  return std::u32string_view(U"）」』】〕〉》］｝、。，．！？：；").find(c) !=
         std::u32string_view::npos;
}
bool Digit(char32_t c) {
  return (c >= U'0' && c <= U'9') || (c >= U'０' && c <= U'９');
}
}  // namespace

std::vector<std::u32string> LayoutLabel(const std::u32string& text, int width, FontKind font,
                                        bool words) {
  // Breaks at CR LF (a lone CR or LF also breaks), and wraps a line that is
  // wider than the box between two characters, as the label does with
  // Japanese text that has no spaces to break at. The words of a language
  // written with spaces (in Latin letters, accented or not, Greek, Cyrillic)
  // are not cut: a word that does not fit goes whole onto the next line.
  auto latin = [](char32_t c) {
    const bool cjk = (c >= 0x2E80 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFAFF) ||
                     (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF);
    return c > U' ' && c != 0x3000 && !cjk;
  };
  std::vector<std::u32string> lines;
  std::u32string line;
  auto flush = [&] {
    lines.push_back(line);
    line.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c == U'\r' || c == U'\n') {
      if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
      flush();
      continue;
    }
    std::u32string wider = line + c;
    if (line.empty() || TextWidth(wider, font) <= width) {
      line = std::move(wider);
      continue;
    }
    const size_t space = line.rfind(U' ');
    if (words && c == U' ' && latin(line.back())) {
      flush();  // the space between two words ends the line
    } else if (words && latin(c) && latin(line.back()) && space != std::u32string::npos &&
               space + 1 < line.size()) {
      std::u32string word = line.substr(space + 1) + c;
      line.erase(space + 1);
      flush();
      line = std::move(word);
    } else {
      // Japanese line breaking: no line ends on an opening bracket, none
      // begins with a closing one or a stop, and a number stays whole; the
      // characters before go down with it (a few at most).
      std::u32string carried(1, c);
      while (line.size() > 1 && carried.size() < 8 &&
             (OpensBracket(line.back()) || EndsClause(carried.front()) ||
              (Digit(line.back()) && Digit(carried.front())))) {
        carried.insert(carried.begin(), line.back());
        line.pop_back();
      }
      flush();
      line = std::move(carried);
    }
  }
  if (!line.empty() || lines.empty()) flush();
  return lines;
}

}  // namespace plat
