// The sprite sheets, read from the assets folder beside the executable, and
// the check at start of every data file the game reads later.
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/png_io.h"
#include "shell/window_events.h"
#include "world/data_file.h"

namespace moki {

namespace {

void Load(plat::Surface& s, const std::string& name, int w, int h) {
  std::string path = plat::ProgramDir() + "/assets/" + name;
  std::string err;
  if (!plat::LoadPng(path, s, err)) plat::FatalError("missing or damaged picture: " + err);
  if (s.w != w || s.h != h)
    plat::FatalError("picture " + path + " is " + std::to_string(s.w) + " x " +
                     std::to_string(s.h) + ", expected " + std::to_string(w) + " x " +
                     std::to_string(h));
}

std::string Numbered(const char* stem, int n, int digits) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%s_%0*d.png", stem, digits, n);
  return buf;
}

// The hall map, the rooms behind the hall's door and the match fields are
// read when the party gets there; each is read here first, by its full path,
// so that a file the game cannot use stops it at start and not in play.
void CheckDataFiles() {
  constexpr int kHall = 40 * 40, kRoom = 19 * 14;  // numbers in each kind of file
  std::vector<std::pair<std::string, int>> files = {{"rftmap.dat", kHall}};
  for (int room = 0; room <= 3; ++room)
    files.push_back({"chk" + std::to_string(room) + ".dat", kRoom});
  for (int field = 0; field <= 5; ++field)
    files.push_back({"btl" + std::to_string(field) + ".dat", kRoom});
  std::vector<int16_t> values;
  std::string err;
  for (const auto& [name, count] : files)
    if (!ReadNumberFile(plat::ProgramDir() + "/data/" + name, count, values, err))
      plat::FatalError(err);
}

}  // namespace

void LoadPictures(Pictures& p) {
  CheckDataFiles();
  for (int k = 0; k < 20; ++k) Load(p.Picmap[size_t(k)], Numbered("picmap", k, 2), 32, 32);
  for (int c = 0; c < 23; ++c) Load(p.Picfcha[size_t(c)], Numbered("picfcha", c, 2), 256, 64);
  for (int k = 0; k < 3; ++k)
    Load(p.Pickuma[size_t(k)], Numbered("pickuma", k, 1), 32 << k, 64 << k);
  for (int k = 0; k < 2; ++k) Load(p.Picyesno[size_t(k)], Numbered("picyesno", k, 1), 80, 50);
  Load(p.Picdaiji, "picdaiji.png", 560, 240);
  Load(p.PicdaijiEn, "picdaiji_en.png", 560, 240);
  Load(p.Picopening, "picopening.png", 48, 96);
  Load(p.Picwana4, "picwana4.png", 64, 32);
  for (int k = 0; k < 2; ++k) Load(p.Picball[size_t(k)], Numbered("picball", k, 1), 36, 18);
  Load(p.Picfire, "picfire.png", 36, 36);
}

}  // namespace moki
