// Makes the browser's glyphs: every character of the game's texts (the
// files named), and plain ASCII, rendered once by the desktop's font
// renderer from the same font at the same size, into one file. Then every
// line of those texts is laid out from the file and compared, pixel for
// pixel and in width, with the renderer's own line: a difference fails the
// build, so the browser's text is the desktop's.
//
//   mokimoki-glyphs OUT.bin FILE...
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

#include "platform/glyph_sheet.h"
#include "platform/text.h"
#include "platform/text_font.h"

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// The lines of a text file; in a catalogue, the texts between quotes, cut at
// their \n.
std::vector<std::u32string> LinesOf(const std::string& text) {
  std::vector<std::u32string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    const size_t open = line.find('"'), close = line.rfind('"');
    if (open != std::string::npos && close > open) line = line.substr(open + 1, close - open - 1);
    size_t at = 0;
    for (size_t nl = line.find("\\n");; nl = line.find("\\n", at)) {
      std::string piece = line.substr(at, nl == std::string::npos ? std::string::npos : nl - at);
      if (!piece.empty() && piece.back() == '\r') piece.pop_back();
      if (!piece.empty()) lines.push_back(plat::FromUtf8(piece));
      if (nl == std::string::npos) break;
      at = nl + 2;
    }
  }
  return lines;
}

// A character no font has: it shows the font's mark for a missing glyph.
constexpr char32_t kNoGlyph = 0x10FFFF;
constexpr char32_t kLastKerned = 0x2100;
// A glyph that no other is kerned against, to measure between.
const std::u32string kNeutral = U"\u3042";

// The first column with ink in a picture w wide (w: none).
int FirstInkColumn(const std::vector<uint8_t>& cover, int w) {
  int first = w;
  for (size_t i = 0; i < cover.size(); ++i)
    if (cover[i]) first = std::min(first, int(i % size_t(w)));
  return first;
}

// The first row with ink in the first `cols` columns (all: 0) of a picture w wide.
int FirstInkRow(const std::vector<uint8_t>& cover, int w, int cols = 0) {
  if (cols <= 0) cols = w;
  for (size_t i = 0; i < cover.size(); ++i)
    if (cover[i] && int(i % size_t(w)) < cols) return int(i / size_t(w));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: mokimoki-glyphs OUT.bin FILE...\n";
    return 2;
  }
  std::string err;
  if (!plat::InitFonts(err)) {
    std::cerr << "mokimoki-glyphs: " << err << "\n";
    return 1;
  }
  std::set<char32_t> chars;
  for (char32_t c = 0x20; c < 0x7F; ++c) chars.insert(c);
  chars.insert(kNoGlyph);
  std::vector<std::u32string> lines;
  for (int i = 2; i < argc; ++i) {
    const std::string text = ReadAll(argv[i]);
    for (char32_t c : plat::FromUtf8(text))
      if (c >= 0x20 && c != 0x7F && c != 0xFFFD) chars.insert(c);
    for (auto& l : LinesOf(text)) lines.push_back(std::move(l));
  }
  plat::glyphs::Sheet sheets[2];
  const plat::FontKind kinds[2] = {plat::FontKind::Regular, plat::FontKind::Bold};
  for (int k = 0; k < 2; ++k) {
    // A line of plain letters is the font's height; a glyph that reaches
    // above it moves the line down, and shows where its own top is.
    int aW = 0, aH = 0;
    std::vector<uint8_t> aCover;
    plat::font::Render(U"A", kinds[k], aW, aH, aCover);
    sheets[k].height = aH;
    const int aTop = FirstInkRow(aCover, aW);
    const int spaceAdvance =
        plat::font::Width(U" " + kNeutral, kinds[k]) - plat::font::Width(kNeutral, kinds[k]);
    for (char32_t c : chars) {
      plat::glyphs::Glyph g;
      int w = 0, h = 0;
      if (!plat::font::Render(std::u32string(1, c), kinds[k], w, h, g.cover)) continue;
      const char32_t key = c == kNoGlyph ? 0 : c;  // the font's mark for a character it lacks
      // How far the pen moves, as a line moves it: a glyph between two others.
      g.advance = int16_t(plat::font::Width(kNeutral + c + kNeutral, kinds[k]) -
                          plat::font::Width(kNeutral + kNeutral, kinds[k]));
      g.w = uint16_t(w);
      g.h = uint16_t(h);
      // After a space, a glyph whose picture starts left of its pen shows
      // it: where its ink begins there, against where it begins alone.
      int pW = 0, pH = 0;
      std::vector<uint8_t> pair;
      if (plat::font::Render(std::u32string(U" ") + c, kinds[k], pW, pH, pair) && pH == h)
        g.left = int16_t(
            std::min(0, FirstInkColumn(pair, pW) - spaceAdvance - FirstInkColumn(g.cover, w)));
      if (h != aH && plat::font::Render(std::u32string(U"A") + c, kinds[k], pW, pH, pair))
        g.top = int16_t(aTop - FirstInkRow(pair, pW, aW / 2));
      sheets[k].glyphs[key] = std::move(g);
    }
  }
  // Kerning: only Latin letters and signs have it in the game's font.
  for (int k = 0; k < 2; ++k) {
    const int aa = plat::font::Width(kNeutral + kNeutral, kinds[k]);
    for (char32_t a : chars)
      for (char32_t b : chars) {
        if (a >= kLastKerned || b >= kLastKerned) continue;
        const auto ga = sheets[k].glyphs.find(a), gb = sheets[k].glyphs.find(b);
        if (ga == sheets[k].glyphs.end() || gb == sheets[k].glyphs.end()) continue;
        const int kern = plat::font::Width(kNeutral + a + b + kNeutral, kinds[k]) - aa -
                         ga->second.advance - gb->second.advance;
        if (kern != 0) sheets[k].kerning[{a, b}] = int16_t(kern);
      }
  }
  // Every line as the renderer draws it, and from the sheet.
  size_t differ = 0, checked = 0;
  for (int k = 0; k < 2; ++k)
    for (const std::u32string& line : lines) {
      int w1 = 0, h1 = 0, w2 = 0, h2 = 0;
      std::vector<uint8_t> c1, c2;
      if (!plat::font::Render(line, kinds[k], w1, h1, c1)) continue;
      plat::glyphs::Render(sheets[k], line, w2, h2, c2);
      ++checked;
      const bool same = w1 == w2 && h1 == h2 && c1 == c2 &&
                        plat::font::Width(line, kinds[k]) == plat::glyphs::Width(sheets[k], line);
      if (!same && ++differ <= 10)
        std::cerr << "mokimoki-glyphs: " << (k ? "bold" : "regular") << " line differs (" << w1
                  << " / " << w2 << " wide): " << plat::ToUtf8(line) << "\n";
    }
  std::ofstream out(argv[1], std::ios::binary);
  out << plat::glyphs::Write(sheets);
  if (!out.flush()) {
    std::cerr << "mokimoki-glyphs: cannot write " << argv[1] << "\n";
    return 1;
  }
  if (differ) {
    std::cerr << "mokimoki-glyphs: " << differ << " of " << checked
              << " lines differ from the font renderer's\n";
    return 1;  // the file stays, to look into
  }
  std::cout << "mokimoki-glyphs: " << sheets[0].glyphs.size() << " glyphs, " << checked
            << " lines the same as the font renderer's\n";
  return 0;
}
