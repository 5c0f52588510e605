// The font on the desktop and in the headless build: the game's gothic font
// found by fontconfig, rendered by SDL_ttf.
#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include "platform/text_font.h"

namespace plat::font {

namespace {

TTF_Font* g_fonts[2] = {nullptr, nullptr};
std::string g_fontPath;

// Asks fontconfig for pattern; returns the file only when the font found
// really covers Japanese (fontconfig always answers with something).
std::string FindFont(const char* pattern) {
  std::string result;
  FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
  if (!pat) return result;
  FcConfigSubstitute(nullptr, pat, FcMatchPattern);
  FcDefaultSubstitute(pat);
  FcResult res;
  FcPattern* match = FcFontMatch(nullptr, pat, &res);
  if (match) {
    FcChar8* file = nullptr;
    FcCharSet* cs = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
        FcPatternGetCharSet(match, FC_CHARSET, 0, &cs) == FcResultMatch &&
        FcCharSetHasChar(cs, 0x3042) && FcCharSetHasChar(cs, 0x5927) &&
        FcCharSetHasChar(cs, 0x30E2)) {  // あ, 大, モ
      result = reinterpret_cast<const char*>(file);
    }
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pat);
  return result;
}

TTF_Font* Font(FontKind kind) {
  return g_fonts[kind == FontKind::Bold ? 1 : 0];
}

}  // namespace

bool Open(std::string& err) {
  if (g_fonts[0] && g_fonts[1]) return true;
  if (!TTF_WasInit() && TTF_Init() != 0) {
    err = std::string("cannot start the font renderer: ") + TTF_GetError();
    return false;
  }
  if (!FcInit()) {
    err = "cannot start fontconfig";
    return false;
  }
  g_fontPath = FindFont("IPAPGothic");
  if (g_fontPath.empty()) g_fontPath = FindFont(":lang=ja");
  if (g_fontPath.empty()) {
    err =
        "no Japanese font found: install the IPA gothic fonts "
        "(Debian package fonts-ipafont-gothic)";
    return false;
  }
  for (int i = 0; i < 2; ++i) {
    g_fonts[i] = TTF_OpenFont(g_fontPath.c_str(), kPixels);
    if (!g_fonts[i]) {
      err = "cannot open the font " + g_fontPath + ": " + TTF_GetError();
      return false;
    }
    TTF_SetFontHinting(g_fonts[i], TTF_HINTING_NORMAL);
  }
  TTF_SetFontStyle(g_fonts[1], TTF_STYLE_BOLD);
  return true;
}

int Width(const std::u32string& text, FontKind kind) {
  TTF_Font* f = Font(kind);
  if (!f || text.empty()) return 0;
  int w = 0, h = 0;
  if (TTF_SizeUTF8(f, ToUtf8(text).c_str(), &w, &h) != 0) return 0;
  return w;
}

bool Render(const std::u32string& text, FontKind kind, int& w, int& h,
            std::vector<uint8_t>& cover) {
  TTF_Font* f = Font(kind);
  if (!f) return false;
  SDL_Color white{255, 255, 255, 255};
  SDL_Surface* glyphs = TTF_RenderUTF8_Blended(f, ToUtf8(text).c_str(), white);
  if (!glyphs) return false;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(glyphs, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(glyphs);
  if (!argb) return false;
  w = argb->w;
  h = argb->h;
  cover.resize(size_t(w) * size_t(h));
  SDL_LockSurface(argb);
  for (int row = 0; row < h; ++row) {
    const uint32_t* src = reinterpret_cast<const uint32_t*>(
        static_cast<const uint8_t*>(argb->pixels) + row * argb->pitch);
    for (int col = 0; col < w; ++col)
      cover[size_t(row) * size_t(w) + size_t(col)] = uint8_t(src[col] >> 24);
  }
  SDL_UnlockSurface(argb);
  SDL_FreeSurface(argb);
  return true;
}

bool Metrics(char32_t c, FontKind kind, int& advance, int& minX) {
  TTF_Font* f = Font(kind);
  if (!f || !TTF_GlyphIsProvided32(f, Uint32(c))) return false;
  int maxX = 0, minY = 0, maxY = 0;
  return TTF_GlyphMetrics32(f, Uint32(c), &minX, &maxX, &minY, &maxY, &advance) == 0;
}

}  // namespace plat::font
