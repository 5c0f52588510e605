#include "platform/png_io.h"

#include <png.h>

#include <vector>

namespace plat {

bool LoadPng(const std::string& path, Surface& out, std::string& err) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) {
    err = path + ": cannot read PNG (" + image.message + ")";
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
