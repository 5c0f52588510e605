#include "platform/png_io.h"

#include <png.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace plat {

namespace {

// The largest picture read at all; anything bigger is refused from its header
// before memory is taken for it.
constexpr png_uint_32 kMaxSide = 4096;

// Only a plain, readable file is handed to libpng: a folder or a pipe in its
// place would give a confusing error or wait for ever.
bool IsReadableFile(const std::string& path, std::string& err) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status st = fs::status(path, ec);
  if (st.type() == fs::file_type::not_found) {
    err = path + ": the file is missing";
    return false;
  }
  if (ec) {
    err = path + ": the file cannot be read (" + ec.message() + ")";
    return false;
  }
  if (st.type() == fs::file_type::directory) {
    err = path + ": this is a folder, not a file";
    return false;
  }
  if (st.type() != fs::file_type::regular) {
    err = path + ": this is not a plain file";
    return false;
  }
  return true;
}

}  // namespace

bool LoadPng(const std::string& path, Surface& out, std::string& err) {
  if (!IsReadableFile(path, err)) return false;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  errno = 0;
  if (!png_image_begin_read_from_file(&image, path.c_str())) {
    if (errno == EACCES) {
      err = path + ": the file cannot be opened (" + std::strerror(errno) + ")";
      return false;
    }
    err = path + ": cannot read PNG (" + image.message + ")";
    return false;
  }
  if (image.width > kMaxSide || image.height > kMaxSide) {
    err = path + ": the picture is " + std::to_string(image.width) + " x " +
          std::to_string(image.height) + ", larger than any picture of the game";
    png_image_free(&image);
    return false;
  }
  image.format = PNG_FORMAT_RGB;
  std::vector<unsigned char> buf(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, buf.data(), 0, nullptr)) {
    err = path + ": damaged PNG (" + image.message + ")";
    png_image_free(&image);
    return false;
  }
  out.Resize(int(image.width), int(image.height));
  for (size_t i = 0; i < out.px.size(); ++i)
    out.px[i] = RGB(buf[3 * i], buf[3 * i + 1], buf[3 * i + 2]);
  return true;
}

bool SavePng(const std::string& path, const Surface& s, std::string& err) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(s.w);
  image.height = png_uint_32(s.h);
  image.format = PNG_FORMAT_RGB;
  std::vector<unsigned char> buf(size_t(s.w) * size_t(s.h) * 3);
  for (size_t i = 0; i < s.px.size(); ++i) {
    buf[3 * i] = (s.px[i] >> 16) & 255;
    buf[3 * i + 1] = (s.px[i] >> 8) & 255;
    buf[3 * i + 2] = s.px[i] & 255;
  }
  if (!png_image_write_to_file(&image, path.c_str(), 0, buf.data(), 0, nullptr)) {
    err = path + ": cannot write PNG (" + image.message + ")";
    return false;
  }
  return true;
}

}  // namespace plat
