#include "platform/glyph_sheet.h"

#include <algorithm>

namespace plat::glyphs {

namespace {

constexpr char kMagic[8] = {'M', 'O', 'K', 'I', 'G', 'L', 'Y', 'F'};
constexpr uint32_t kVersion = 1;

void Put(std::string& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out += char(uint8_t(v >> (8 * i)));
}

struct In {
  const std::string& s;
  size_t at = 0;
  bool ok = true;
  uint32_t Get(int bytes) {
    if (!ok || s.size() - at < size_t(bytes)) return ok = false, 0;
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v |= uint32_t(uint8_t(s[at++])) << (8 * i);
    return v;
  }
};

// Where each glyph of a line goes, from the line's left edge, and the
// line's width.
struct Placed {
  const Glyph* glyph;
  int x, y;
};

// Returns the width; the height in h.
int Layout(const Sheet& sheet, const std::u32string& text, std::vector<Placed>* placed, int& h) {
  int pen = 0, minX = 0, maxX = 0, minY = 0, maxY = sheet.height;
  if (placed) placed->clear();
  char32_t before = 0;
  for (char32_t c : text) {
    if (before && !sheet.kerning.empty()) {
      const auto kern = sheet.kerning.find({before, c});
      if (kern != sheet.kerning.end()) pen += kern->second;
    }
    before = c;
    auto it = sheet.glyphs.find(c);
    if (it == sheet.glyphs.end()) it = sheet.glyphs.find(0);
    if (it == sheet.glyphs.end()) continue;
    const Glyph& g = it->second;
    const int x = pen + g.left;
    minX = std::min(minX, x);
    maxX = std::max(maxX, x + int(g.w));
    minY = std::min(minY, int(g.top));
    maxY = std::max(maxY, g.top + int(g.h));
    if (placed) placed->push_back({&g, x, g.top});
    pen += g.advance;
    maxX = std::max(maxX, pen);
  }
  if (placed)
    for (Placed& p : *placed) {
      p.x -= minX;
      p.y -= minY;
    }
  h = maxY - minY;
  return maxX - minX;
}

}  // namespace

std::string Write(const Sheet sheets[2]) {
  std::string out(kMagic, sizeof kMagic);
  Put(out, kVersion, 4);
  for (int k = 0; k < 2; ++k) {
    const Sheet& sheet = sheets[k];
    Put(out, uint32_t(sheet.height), 2);
    Put(out, uint32_t(sheet.glyphs.size()), 4);
    for (const auto& [c, g] : sheet.glyphs) {
      Put(out, uint32_t(c), 4);
      Put(out, uint32_t(uint16_t(g.advance)), 2);
      Put(out, uint32_t(uint16_t(g.left)), 2);
      Put(out, uint32_t(uint16_t(g.top)), 2);
      Put(out, g.w, 2);
      Put(out, g.h, 2);
      out.append(g.cover.begin(), g.cover.end());
    }
    Put(out, uint32_t(sheet.kerning.size()), 4);
    for (const auto& [pair, kern] : sheet.kerning) {
      Put(out, uint32_t(pair.first), 4);
      Put(out, uint32_t(pair.second), 4);
      Put(out, uint32_t(uint16_t(kern)), 2);
    }
  }
  return out;
}

bool Read(const std::string& file, Sheet sheets[2], std::string& err) {
  In in{file};
  if (file.compare(0, sizeof kMagic, std::string(kMagic, sizeof kMagic)) != 0) {
    err = "not a file of glyphs";
    return false;
  }
  in.at = sizeof kMagic;
  if (in.Get(4) != kVersion) {
    err = "glyphs of another version";
    return false;
  }
  for (int k = 0; k < 2 && in.ok; ++k) {
    Sheet& sheet = sheets[k];
    sheet = Sheet{};
    sheet.height = int(in.Get(2));
    const uint32_t count = in.Get(4);
    for (uint32_t i = 0; i < count && in.ok; ++i) {
      const char32_t c = char32_t(in.Get(4));
      Glyph g;
      g.advance = int16_t(in.Get(2));
      g.left = int16_t(in.Get(2));
      g.top = int16_t(in.Get(2));
      g.w = uint16_t(in.Get(2));
      g.h = uint16_t(in.Get(2));
      const size_t n = size_t(g.w) * size_t(g.h);
      if (!in.ok || file.size() - in.at < n) {
        in.ok = false;
        break;
      }
      g.cover.assign(file.begin() + long(in.at), file.begin() + long(in.at + n));
      in.at += n;
      sheet.glyphs[c] = std::move(g);
    }
    const uint32_t pairs = in.Get(4);
    for (uint32_t i = 0; i < pairs && in.ok; ++i) {
      const char32_t a = char32_t(in.Get(4)), b = char32_t(in.Get(4));
      sheet.kerning[{a, b}] = int16_t(in.Get(2));
    }
  }
  if (!in.ok || in.at != file.size()) {
    err = "the file of glyphs is cut short or damaged";
    return false;
  }
  return true;
}

int Width(const Sheet& sheet, const std::u32string& text) {
  int h = 0;
  return Layout(sheet, text, nullptr, h);
}

void Render(const Sheet& sheet, const std::u32string& text, int& w, int& h,
            std::vector<uint8_t>& cover) {
  std::vector<Placed> placed;
  w = Layout(sheet, text, &placed, h);
  cover.assign(size_t(w) * size_t(h), 0);
  for (const Placed& p : placed)
    for (int row = 0; row < int(p.glyph->h); ++row)
      for (int col = 0; col < int(p.glyph->w); ++col) {
        const int x = p.x + col, y = p.y + row;
        if (x < 0 || x >= w || y < 0 || y >= h) continue;
        uint8_t& d = cover[size_t(y) * size_t(w) + size_t(x)];
        d |= p.glyph->cover[size_t(row) * p.glyph->w + size_t(col)];
      }
}

}  // namespace plat::glyphs
