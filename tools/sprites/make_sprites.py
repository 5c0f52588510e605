#!/usr/bin/env python3
"""Generates every picture of the game into assets/.

    python3 tools/sprites/make_sprites.py [--out DIR]

The art lives in the modules beside this script as text grids; this script
only lays the pieces out in the sheet formats the game loads:
  picmap_NN.png      32x32 map tiles (plain copy)
  picfcha_NN.png     256x64: 8 cells (left, up, right, down; then the second
                     walking frame) of picture on white over silhouette on black
  pickuma_N.png      the bear at 32, 64, 128 pixels, picture above silhouette
  picyesno_N.png     80x50 はい/いいえ prompt, pointer on line N
  picdaiji.png       560x240 title lettering above its mask
  picdaiji_en.png    560x240 the English title lettering, the same way
  picopening.png     48x96 opening picture above its mask
  picball_N.png      36x18 picture beside silhouette
  picwana4.png       64x32 picture beside silhouette
  picfire.png        36x36 two fireball frames above their silhouettes
  icon.png           64x64 application icon
"""
import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from canvas import Sheet  # noqa: E402
from palette import COLORS  # noqa: E402
from pngio import write_png  # noqa: E402
import cast  # noqa: E402
import lettering  # noqa: E402
import props  # noqa: E402
import tiles  # noqa: E402

CAST_SIZE = 23


def save(out_dir, name, sheet):
    write_png(os.path.join(out_dir, name), sheet.w, sheet.h, sheet.px)


def above(img):
    """Picture above its silhouette."""
    s = Sheet(img.w, img.h * 2)
    s.put_picture(img, 0, 0)
    s.put_silhouette(img, 0, img.h)
    return s


def beside(img):
    """Picture beside its silhouette."""
    s = Sheet(img.w * 2, img.h)
    s.put_picture(img, 0, 0)
    s.put_silhouette(img, img.w, 0)
    return s


def character_sheet(cells):
    s = Sheet(256, 64)
    for i, img in enumerate(cells):
        s.put_picture(img, i * 32, 0)
        s.put_silhouette(img, i * 32, 32)
    return s


def build(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for code, t in enumerate(tiles.all_tiles()):
        s = Sheet(32, 32)
        s.put(t.solid(COLORS["ink"]), 32, 32, 0, 0)
        save(out_dir, "picmap_%02d.png" % code, s)
    cells = {}
    for i in range(CAST_SIZE):
        cells[i] = cast.cast_cells(i)
        save(out_dir, "picfcha_%02d.png" % i, character_sheet(cells[i]))
    for i, size in enumerate((32, 64, 128)):
        save(out_dir, "pickuma_%d.png" % i, above(props.bear(size)))
    for i in (0, 1):
        save(out_dir, "picyesno_%d.png" % i, lettering.yesno(i))
    save(out_dir, "picdaiji.png", lettering.title())
    save(out_dir, "picdaiji_en.png", lettering.title_en())
    hero, moki = cells[0][3], cells[1][3]
    save(out_dir, "picopening.png", above(props.opening(hero, moki)))
    for i in (0, 1):
        save(out_dir, "picball_%d.png" % i, beside(props.ball(black=(i == 0))))
    save(out_dir, "picwana4.png", beside(props.sphere()))
    fire = Sheet(36, 36)
    for f in (0, 1):
        img = props.fireball(f)
        fire.put_picture(img, f * 18, 0)
        fire.put_silhouette(img, f * 18, 18)
    save(out_dir, "picfire.png", fire)
    icon = props.icon(hero, moki)
    s = Sheet(64, 64)
    s.put(icon.picture(), 64, 64, 0, 0)
    save(out_dir, "icon.png", s)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--out", default=os.path.join(HERE, "..", "..", "assets"))
    a = ap.parse_args()
    build(os.path.normpath(a.out))
    print("wrote pictures to", os.path.normpath(a.out))


if __name__ == "__main__":
    main()
