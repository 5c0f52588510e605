// Pictures in the browser, which has no libpng: read with stb_image, which
// emscripten carries. The game's pictures are plain 8-bit RGB, which both
// read alike to the byte. Frames are not written to files here.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include <stb_image.h>

#include <fstream>
#include <sstream>

#include "platform/png_io.h"

namespace plat {

namespace {

constexpr int kMaxSide = 4096;  // the largest picture read at all

}  // namespace

bool LoadPng(const std::string& path, Surface& out, std::string& err) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    err = path + ": the file is missing";
    return false;
  }
  std::stringstream ss;
  ss << in.rdbuf();
  const std::string file = ss.str();
  const auto* bytes = reinterpret_cast<const stbi_uc*>(file.data());
  int w = 0, h = 0, channels = 0;
  if (!stbi_info_from_memory(bytes, int(file.size()), &w, &h, &channels)) {
    err = path + ": cannot read PNG (" + stbi_failure_reason() + ")";
    return false;
  }
  if (w > kMaxSide || h > kMaxSide) {
    err = path + ": the picture is " + std::to_string(w) + " x " + std::to_string(h) +
          ", larger than any picture of the game";
    return false;
  }
  stbi_uc* rgb = stbi_load_from_memory(bytes, int(file.size()), &w, &h, &channels, 3);
  if (!rgb) {
    err = path + ": damaged PNG (" + stbi_failure_reason() + ")";
    return false;
  }
  out.Resize(w, h);
  for (size_t i = 0; i < out.px.size(); ++i)
    out.px[i] = RGB(rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]);
  stbi_image_free(rgb);
  return true;
}

bool SavePng(const std::string& path, const Surface&, std::string& err) {
  err = path + ": the browser writes no pictures";
  return false;
}

}  // namespace plat
