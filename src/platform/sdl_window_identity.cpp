#include "platform/sdl_window_identity.h"

#include <png.h>

#include <string>
#include <vector>

#include "platform/platform.h"

namespace plat {

namespace {

// The icon at 64 x 64, transparent around it: beside a build it is in
// icons/ next to bin/, once installed in the hicolor theme.
constexpr int kIconSize = 64;
const char* const kIconFolders[] = {"/../icons/64x64/apps/", "/../../icons/hicolor/64x64/apps/"};

bool ReadIcon(const std::string& path, std::vector<Uint8>& rgba) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  if (image.width != kIconSize || image.height != kIconSize) {
    png_image_free(&image);
    return false;
  }
  image.format = PNG_FORMAT_RGBA;
  rgba.resize(PNG_IMAGE_SIZE(image));
  return png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr) != 0;
}

}  // namespace

void NameGameWindows() {
  // SDL reads the class from here when the video starts, on X11 and on
  // Wayland alike.
  const std::string& name = GetGameNames().windowClass;
  if (!name.empty()) SDL_setenv("SDL_VIDEO_X11_WMCLASS", name.c_str(), 0);
}

void SetGameIcon(SDL_Window* window) {
  const std::string& name = GetGameNames().program;
  if (name.empty()) return;
  std::vector<Uint8> rgba;
  for (const char* folder : kIconFolders) {
    if (ReadIcon(ProgramDir() + folder + name + ".png", rgba)) break;
    rgba.clear();
  }
  if (rgba.empty()) return;
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(rgba.data(), kIconSize, kIconSize, 32,
                                                         kIconSize * 4, SDL_PIXELFORMAT_RGBA32);
  if (!icon) return;
  SDL_SetWindowIcon(window, icon);
  SDL_FreeSurface(icon);
}

}  // namespace plat
