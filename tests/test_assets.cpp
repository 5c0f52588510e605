// The committed pictures: every file the game loads is there with its exact
// size, and every masked sprite obeys the rule the renderer relies on (OR the
// silhouette, then AND the picture): the picture is pure white exactly where
// the silhouette is pure black, and the silhouette has no other colours.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/png_io.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

std::string Name(const char* pattern, int i) {
  char buf[64];
  std::snprintf(buf, sizeof buf, pattern, i);
  return buf;
}

bool Load(const std::string& name, plat::Surface& s) {
  std::string err;
  const std::string path = std::string(MOKI_SOURCE_DIR) + "/assets/" + name;
  const bool ok = plat::LoadPng(path, s, err);
  EXPECT_TRUE(ok) << err;
  return ok;
}

// One picture cell and its silhouette inside a file.
struct Pair {
  int pic_x, pic_y, sil_x, sil_y, w, h;
};

// A masked file: its size and the picture/silhouette pairs in it.
struct Masked {
  std::string file;
  int w, h;
  std::vector<Pair> pairs;
};

std::vector<Masked> MaskedFiles() {
  std::vector<Masked> out;
  for (int i = 0; i < 23; ++i) {
    Masked m{Name("picfcha_%02d.png", i), 256, 64, {}};
    for (int c = 0; c < 8; ++c) m.pairs.push_back({c * 32, 0, c * 32, 32, 32, 32});
    out.push_back(m);
  }
  for (int i = 0, n = 32; i < 3; ++i, n *= 2)
    out.push_back({Name("pickuma_%d.png", i), n, 2 * n, {{0, 0, 0, n, n, n}}});
  out.push_back({"picdaiji.png", 560, 240, {{0, 0, 0, 120, 560, 120}}});
  out.push_back({"picdaiji_en.png", 560, 240, {{0, 0, 0, 120, 560, 120}}});
  out.push_back({"picopening.png", 48, 96, {{0, 0, 0, 48, 48, 48}}});
  for (int i = 0; i < 2; ++i)
    out.push_back({Name("picball_%d.png", i), 36, 18, {{0, 0, 18, 0, 18, 18}}});
  out.push_back({"picwana4.png", 64, 32, {{0, 0, 32, 0, 32, 32}}});
  out.push_back({"picfire.png", 36, 36, {{0, 0, 0, 18, 18, 18}, {18, 0, 18, 18, 18, 18}}});
  return out;
}

// Checks the mask rule over one pair; returns the number of figure pixels,
// or -1 (after reporting the first offending pixel) if the rule is broken.
int CheckPair(const plat::Surface& s, const Pair& p, const std::string& what) {
  int figure = 0;
  for (int y = 0; y < p.h; ++y) {
    for (int x = 0; x < p.w; ++x) {
      const uint32_t sil = s.At(p.sil_x + x, p.sil_y + y);
      const uint32_t pic = s.At(p.pic_x + x, p.pic_y + y);
      if (sil != kWhite && sil != kBlack) {
        ADD_FAILURE() << what << ": silhouette pixel (" << x << "," << y
                      << ") is neither black nor white";
        return -1;
      }
      if ((pic == kWhite) != (sil == kBlack)) {
        ADD_FAILURE() << what << ": at (" << x << "," << y << ") picture "
                      << (pic == kWhite ? "is white over the figure"
                                        : "has colour outside the figure");
        return -1;
      }
      figure += sil == kWhite;
    }
  }
  return figure;
}

bool SameCell(const plat::Surface& s, int ax, int bx, int y0, int w, int h) {
  for (int y = y0; y < y0 + h; ++y)
    for (int x = 0; x < w; ++x)
      if (s.At(ax + x, y) != s.At(bx + x, y)) return false;
  return true;
}

struct Mean {
  double r = 0, g = 0, b = 0;
};

Mean MeanOf(const plat::Surface& s, int x0, int y0, int w, int h, bool only_figure = false,
            int sil_dx = 0, int sil_dy = 0) {
  Mean m;
  int n = 0;
  for (int y = y0; y < y0 + h; ++y) {
    for (int x = x0; x < x0 + w; ++x) {
      if (only_figure && s.At(x + sil_dx, y + sil_dy) != kWhite) continue;
      const uint32_t c = s.At(x, y);
      m.r += (c >> 16) & 255;
      m.g += (c >> 8) & 255;
      m.b += c & 255;
      ++n;
    }
  }
  if (n) m.r /= n, m.g /= n, m.b /= n;
  return m;
}

TEST(Assets, EveryFileIsThereWithItsSize) {
  struct File {
    std::string name;
    int w, h;
  };
  std::vector<File> files;
  for (int i = 0; i < 20; ++i) files.push_back({Name("picmap_%02d.png", i), 32, 32});
  for (const Masked& m : MaskedFiles()) files.push_back({m.file, m.w, m.h});
  files.push_back({"picyesno_0.png", 80, 50});
  files.push_back({"picyesno_1.png", 80, 50});
  files.push_back({"icon.png", 64, 64});
  for (const File& f : files) {
    plat::Surface s;
    if (!Load(f.name, s)) continue;
    EXPECT_EQ(s.w, f.w) << f.name;
    EXPECT_EQ(s.h, f.h) << f.name;
  }
}

TEST(Assets, MasksMatchTheirPicturesExactly) {
  for (const Masked& m : MaskedFiles()) {
    plat::Surface s;
    if (!Load(m.file, s) || s.w != m.w || s.h != m.h) continue;
    for (size_t i = 0; i < m.pairs.size(); ++i) {
      const std::string what = m.file + " cell " + std::to_string(i);
      const int figure = CheckPair(s, m.pairs[i], what);
      // an empty cell would make a sprite vanish in the game
      if (figure >= 0) {
        EXPECT_GT(figure, 20) << what << " has no figure";
      }
    }
  }
}

TEST(Assets, CharactersFaceFourWaysAndWalk) {
  for (int i = 0; i < 23; ++i) {
    const std::string file = Name("picfcha_%02d.png", i);
    plat::Surface s;
    if (!Load(file, s) || s.w != 256 || s.h != 64) continue;
    // left, up, right and down are four different drawings
    for (int a = 0; a < 4; ++a)
      for (int b = a + 1; b < 4; ++b)
        EXPECT_FALSE(SameCell(s, a * 32, b * 32, 0, 32, 32))
            << file << " facings " << a << "," << b;
    // the bear's host stands still in its room; everyone else has a stride
    if (i == 22) continue;
    for (int f = 0; f < 4; ++f)
      EXPECT_FALSE(SameCell(s, f * 32, (f + 4) * 32, 0, 32, 32)) << file << " facing " << f;
  }
}

TEST(Assets, MapTilesReadAsWhatTheyAre) {
  std::vector<plat::Surface> t(20);
  for (int i = 0; i < 20; ++i)
    if (!Load(Name("picmap_%02d.png", i), t[i]) || t[i].w != 32 || t[i].h != 32) return;
  // codes without a picture are one plain dark colour, never leftovers
  for (int i : {0, 9}) {
    const uint32_t c = t[i].At(0, 0);
    for (uint32_t p : t[i].px) ASSERT_EQ(p, c) << "tile " << i << " is not plain";
    EXPECT_LT(((c >> 16) & 255) + ((c >> 8) & 255) + (c & 255), 3 * 64) << "tile " << i;
  }
  const Mean grass = MeanOf(t[1], 0, 0, 32, 32), water = MeanOf(t[2], 0, 0, 32, 32);
  const Mean sand = MeanOf(t[3], 0, 0, 32, 32), ice = MeanOf(t[4], 0, 0, 32, 32);
  EXPECT_TRUE(grass.g > grass.r && grass.g > grass.b);
  EXPECT_TRUE(water.b > water.r && water.b > water.g);
  EXPECT_TRUE(sand.r > sand.b + 60 && sand.g > sand.b + 40);
  EXPECT_TRUE(ice.b >= ice.r && ice.r + ice.g + ice.b > 3 * 190);
  // The floor is warm wood whose boards run across the walls' brick courses:
  // a wall tile has a row of mortar the whole tile wide, the floor has seams
  // the whole tile high and no such row, so floor and walls never look alike.
  auto plain_line = [](const plat::Surface& s, int i, bool row) {
    for (int k = 1; k < 32; ++k)
      if ((row ? s.At(k, i) : s.At(i, k)) != (row ? s.At(0, i) : s.At(i, 0))) return false;
    return true;
  };
  auto plain_lines = [&](const plat::Surface& s, bool rows) {
    int n = 0;
    for (int i = 0; i < 32; ++i) n += plain_line(s, i, rows);
    return n;
  };
  const Mean floor = MeanOf(t[10], 0, 0, 32, 32);
  EXPECT_TRUE(floor.r > floor.g + 40 && floor.g > floor.b + 40);
  EXPECT_EQ(plain_lines(t[10], true), 0);
  EXPECT_GE(plain_lines(t[10], false), 2);
  for (int wall : {11, 12, 13, 14}) {
    EXPECT_GT(plain_lines(t[wall], true), 0) << "tile " << wall;
    const Mean m = MeanOf(t[wall], 0, 0, 32, 32);
    EXPECT_GT(std::abs(m.r - floor.r) + std::abs(m.g - floor.g) + std::abs(m.b - floor.b), 100.0)
        << "tile " << wall;
  }
  // the chair and the railing stand on the same boards
  for (int on_floor : {15, 19})
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 32; ++x)
        ASSERT_EQ(t[on_floor].At(x, y), t[10].At(x, y))
            << "tile " << on_floor << " (" << x << "," << y << ")";
  // the normal ball stands out on every kind of ground
  plat::Surface ball;
  if (!Load("picball_1.png", ball)) return;
  const Mean m = MeanOf(ball, 0, 0, 18, 18, true, 18, 0);
  for (const Mean& g : {grass, water, sand, ice}) {
    const double d = std::abs(m.r - g.r) + std::abs(m.g - g.g) + std::abs(m.b - g.b);
    EXPECT_GT(d, 150.0);
  }
}

TEST(Assets, GoalLinesAreANetBehindAWhiteLineFacingTheField) {
  std::vector<plat::Surface> t(9);
  for (int i = 5; i <= 8; ++i)
    if (!Load(Name("picmap_%02d.png", i), t[size_t(i)]) || t[size_t(i)].w != 32) return;
  // The away side's pictures are the home side's seen in a mirror.
  for (int i : {5, 6})
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        ASSERT_EQ(t[size_t(i)].At(x, y), t[size_t(i + 2)].At(31 - x, y))
            << i << " " << x << "," << y;
  for (int i : {5, 6}) {
    const plat::Surface& s = t[size_t(i)];
    for (int y = 0; y < 32; ++y) {
      EXPECT_EQ(s.At(31, y), 0xFEFEFEu) << "tile " << i << ": the line on the field's side";
      EXPECT_NE(s.At(0, y), 0xFEFEFEu) << "tile " << i;
    }
  }
  // 1 point on a dark blue net, 2 points on a red one.
  const Mean one = MeanOf(t[5], 0, 0, 24, 32), two = MeanOf(t[6], 0, 0, 24, 32);
  EXPECT_TRUE(one.b > one.r + 30 && one.b > one.g + 30 && one.r + one.g + one.b < 3 * 110);
  EXPECT_TRUE(two.r > two.g + 80 && two.r > two.b + 80);
}

TEST(Assets, YesNoPromptsDifferOnlyInThePointer) {
  plat::Surface a, b;
  if (!Load("picyesno_0.png", a) || !Load("picyesno_1.png", b)) return;
  ASSERT_TRUE(a.w == b.w && a.h == b.h);
  int moved = 0;
  for (int y = 0; y < a.h; ++y) {
    for (int x = 0; x < a.w; ++x) {
      for (const plat::Surface* s : {&a, &b})
        ASSERT_TRUE(s->At(x, y) == kBlack || s->At(x, y) == kWhite) << "(" << x << "," << y << ")";
      if (a.At(x, y) != b.At(x, y)) {
        ++moved;
        EXPECT_LT(x, 20) << "the words themselves differ at (" << x << "," << y << ")";
      }
    }
  }
  EXPECT_GT(moved, 10);
  // the pointer of picture 0 is on the upper line, that of picture 1 on the lower one
  auto ink_rows = [](const plat::Surface& s, int y0, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = 0; x < 20; ++x) n += s.At(x, y) == kBlack;
    return n;
  };
  EXPECT_GT(ink_rows(a, 0, 25), 0);
  EXPECT_EQ(ink_rows(a, 25, 50), 0);
  EXPECT_EQ(ink_rows(b, 0, 25), 0);
  EXPECT_GT(ink_rows(b, 25, 50), 0);
}

}  // namespace
