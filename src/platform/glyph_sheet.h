// Glyphs made once from the game's font and kept in a file (glyphs.bin), and
// lines laid out from them exactly as the font renderer lays them out: each
// glyph's picture at the pen's place (kerning pairs moved) plus its own offset, the pen moving on
// by the glyph's advance, the line as wide and as tall as what it covers
// (the pen's end and the font's height included), pictures that overlap
// combined. The browser draws its text so;
// the build makes the file with the desktop's renderer and checks every line
// of the game's texts against it.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace plat::glyphs {

struct Glyph {
  int16_t advance = 0;
  int16_t left = 0;       // where its picture starts, from the pen
  int16_t top = 0;        // and from the line's top (< 0: it reaches above the line)
  uint16_t w = 0, h = 0;  // its picture
  std::vector<uint8_t> cover;
};

struct Sheet {
  int height = 0;  // of a line whose glyphs stay inside it
  std::map<char32_t, Glyph> glyphs;
  // Pairs set closer together (or further apart) than their advances: the
  // pen moves by this much more before the second.
  std::map<std::pair<char32_t, char32_t>, int16_t> kerning;
};

// The two sheets, regular and bold, as one file.
std::string Write(const Sheet sheets[2]);
bool Read(const std::string& file, Sheet sheets[2], std::string& err);

// A line: its width as laid out, and what it covers. A character the sheet
// lacks shows as the font's mark for a missing glyph (kept as character 0).
int Width(const Sheet& sheet, const std::u32string& text);
void Render(const Sheet& sheet, const std::u32string& text, int& w, int& h,
            std::vector<uint8_t>& cover);

}  // namespace plat::glyphs
