// The font in the browser, which has no font renderer: the glyphs the build
// made from the desktop's font (glyph_sheet.h), in fonts/glyphs.bin beside
// the game's data.
#include <fstream>
#include <sstream>

#include "platform/glyph_sheet.h"
#include "platform/platform.h"
#include "platform/text_font.h"

namespace plat::font {

namespace {

glyphs::Sheet g_sheets[2];
bool g_open = false;

const glyphs::Sheet& SheetOf(FontKind kind) {
  return g_sheets[kind == FontKind::Bold ? 1 : 0];
}

}  // namespace

bool Open(std::string& err) {
  if (g_open) return true;
  const std::string path = ProgramDir() + "/fonts/glyphs.bin";
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    err = path + ": the game's glyphs are missing";
    return false;
  }
  std::stringstream ss;
  ss << in.rdbuf();
  if (!glyphs::Read(ss.str(), g_sheets, err)) {
    err = path + ": " + err;
    return false;
  }
  g_open = true;
  return true;
}

int Width(const std::u32string& text, FontKind kind) {
  return glyphs::Width(SheetOf(kind), text);
}

bool Render(const std::u32string& text, FontKind kind, int& w, int& h,
            std::vector<uint8_t>& cover) {
  if (!g_open) return false;
  glyphs::Render(SheetOf(kind), text, w, h, cover);
  return w > 0;
}

bool Metrics(char32_t, FontKind, int&, int&) {
  return false;  // the sheet is made on the desktop
}

}  // namespace plat::font
