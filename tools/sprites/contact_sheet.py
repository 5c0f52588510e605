#!/usr/bin/env python3
"""Composes the game's pictures from assets/ into one contact sheet.

Every sprite is drawn the way the game draws it (OR the silhouette, then AND
the picture) over a grass tile and over a wooden floor tile, so holes in
masks, stray white pixels and hard-to-read figures show up at once.

    python3 tools/sprites/contact_sheet.py [--out /tmp/contact_sheet.png]
        [--scale 2] [--only tiles,cast,misc] [--cast 0-22]
"""
import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pngio import read_png, write_png  # noqa: E402

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
ASSETS = os.path.join(ROOT, "assets")

DIGITS = {
    "0": "111101101101111", "1": "010110010010111", "2": "111001111100111",
    "3": "111001111001111", "4": "101101111001001", "5": "111100111001111",
    "6": "111100111101111", "7": "111001010010010", "8": "111101111101111",
    "9": "111101111001111", "-": "000000111000000",
}


class Pic:
    def __init__(self, w, h, px):
        self.w, self.h, self.px = w, h, px

    def sub(self, x0, y0, w, h):
        return Pic(w, h, [self.px[(y0 + y) * self.w + x0 + x] for y in range(h) for x in range(w)])


def load(name):
    w, h, px = read_png(os.path.join(ASSETS, name))
    return Pic(w, h, px)


class Canvas:
    def __init__(self, w, h, bg=(60, 60, 70)):
        self.w, self.h = w, h
        self.px = [bg] * (w * h)

    def _rop(self, pic, dx, dy, scale, op):
        for y in range(pic.h * scale):
            ty = dy + y
            if not 0 <= ty < self.h:
                continue
            for x in range(pic.w * scale):
                tx = dx + x
                if not 0 <= tx < self.w:
                    continue
                s = pic.px[(y // scale) * pic.w + x // scale]
                i = ty * self.w + tx
                d = self.px[i]
                if op == "copy":
                    self.px[i] = s
                elif op == "or":
                    self.px[i] = (d[0] | s[0], d[1] | s[1], d[2] | s[2])
                else:
                    self.px[i] = (d[0] & s[0], d[1] & s[1], d[2] & s[2])

    def copy(self, pic, dx, dy, scale=1):
        self._rop(pic, dx, dy, scale, "copy")

    def masked(self, pic, sil, dx, dy, scale=1):
        self._rop(sil, dx, dy, scale, "or")
        self._rop(pic, dx, dy, scale, "and")

    def tile_bg(self, tile, dx, dy, w, h, scale=1):
        for y in range(0, h, tile.h * scale):
            for x in range(0, w, tile.w * scale):
                self.copy(tile, dx + x, dy + y, scale)

    def text(self, s, dx, dy, k=2, col=(250, 250, 250)):
        for ch in s:
            g = DIGITS.get(ch)
            if g:
                for i, bit in enumerate(g):
                    if bit == "1":
                        for yy in range(k):
                            for xx in range(k):
                                x, y = dx + (i % 3) * k + xx, dy + (i // 3) * k + yy
                                if 0 <= x < self.w and 0 <= y < self.h:
                                    self.px[y * self.w + x] = col
            dx += 4 * k


def parse_range(s):
    a, _, b = s.partition("-")
    return list(range(int(a), int(b or a) + 1))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--out", default="/tmp/contact_sheet.png")
    ap.add_argument("--scale", type=int, default=2)
    ap.add_argument("--only", default="tiles,cast,misc")
    ap.add_argument("--cast", default="0-22")
    a = ap.parse_args()
    k = a.scale
    parts = a.only.split(",")
    grass, floor = load("picmap_01.png"), load("picmap_10.png")
    tiles = [load("picmap_%02d.png" % i) for i in range(20)]
    cast = parse_range(a.cast)

    blocks = []  # (width, height, painter)

    if "tiles" in parts:
        def paint_tiles(cv, y):
            for i, t in enumerate(tiles):
                x = 10 + i * (32 * k + 6)
                cv.copy(t, x, y + 12, k)
                cv.text("%d" % i, x, y)
            # each terrain and floor tiled 3x3 to check seams, plus a wall over floor
            y2 = y + 32 * k + 24
            x = 10
            for i in (1, 2, 3, 4, 10, 15, 16, 19):
                for ty in range(3):
                    for tx in range(3):
                        cv.copy(tiles[i], x + tx * 32 * k, y2 + ty * 32 * k, k)
                x += 3 * 32 * k + 10
            y3 = y2 + 3 * 32 * k + 10
            x = 10
            for top, bottom in ((11, 12), (13, 14)):
                for tx in range(4):
                    cv.copy(tiles[top], x + tx * 32 * k, y3, k)
                    cv.copy(tiles[top], x + tx * 32 * k, y3 + 32 * k, k)
                    cv.copy(tiles[bottom], x + tx * 32 * k, y3 + 64 * k, k)
                    cv.copy(tiles[10 if tx != 2 else 15], x + tx * 32 * k, y3 + 96 * k, k)
                    cv.copy(tiles[(10, 16, 16, 10)[tx]], x + tx * 32 * k, y3 + 128 * k, k)
                    cv.copy(tiles[(17, 10, 19, 18)[tx]], x + tx * 32 * k, y3 + 160 * k, k)
                x += 4 * 32 * k + 10
            # a ball and players on each terrain
            x += 10
            ball, pl = load("picball_1.png"), load("picfcha_00.png")
            for i, t in enumerate((1, 2, 3, 4)):
                bx = x + (i % 2) * (2 * 32 * k + 10)
                by = y3 + (i // 2) * (2 * 32 * k + 10)
                cv.tile_bg(tiles[t], bx, by, 64 * k, 64 * k, k)
                cv.masked(ball.sub(0, 0, 18, 18), ball.sub(18, 0, 18, 18),
                          bx + 4 * k, by + 6 * k, k)
                cv.masked(pl.sub(96, 0, 32, 32), pl.sub(96, 32, 32, 32),
                          bx + 28 * k, by + 26 * k, k)
        blocks.append((max(20 * (32 * k + 6), 8 * (96 * k + 10)) + 20,
                       32 * k + 24 + 96 * k + 10 + 192 * k + 10, paint_tiles))

    if "cast" in parts:
        def paint_cast(cv, y):
            for ci in cast:
                sheet = load("picfcha_%02d.png" % ci)
                cv.text("%d" % ci, 4, y + 8)
                for bi, bg in enumerate((grass, floor)):
                    bx = 30 + bi * (8 * (32 * k + 4) + 20)
                    cv.tile_bg(bg, bx, y, 8 * (32 * k + 4), 32 * k, k)
                    for col in range(8):
                        cv.masked(sheet.sub(col * 32, 0, 32, 32), sheet.sub(col * 32, 32, 32, 32),
                                  bx + col * (32 * k + 4), y, k)
                y += 32 * k + 6
        blocks.append((2 * (8 * (32 * k + 4) + 20) + 40, len(cast) * (32 * k + 6), paint_cast))

    if "misc" in parts:
        def paint_misc(cv, y):
            items = []
            for i, (w, h) in enumerate(((32, 32), (64, 64), (128, 128))):
                p = load("pickuma_%d.png" % i)
                items.append((p.sub(0, 0, w, h), p.sub(0, h, w, h)))
            p = load("picopening.png")
            items.append((p.sub(0, 0, 48, 48), p.sub(0, 48, 48, 48)))
            for i in (0, 1):
                p = load("picball_%d.png" % i)
                items.append((p.sub(0, 0, 18, 18), p.sub(18, 0, 18, 18)))
            p = load("picwana4.png")
            items.append((p.sub(0, 0, 32, 32), p.sub(32, 0, 32, 32)))
            p = load("picfire.png")
            for f in (0, 1):
                items.append((p.sub(f * 18, 0, 18, 18), p.sub(f * 18, 18, 18, 18)))
            for bi, bg in enumerate((grass, floor)):
                x = 10
                for pic, sil in items:
                    cv.tile_bg(bg, x, y, (pic.w + 8) * k, (pic.h + 8) * k, k)
                    cv.masked(pic, sil, x + 4 * k, y + 4 * k, k)
                    x += (pic.w + 8) * k + 8
                y += 136 * k + 8
            x = 10
            for name in ("picyesno_0.png", "picyesno_1.png", "icon.png"):
                p = load(name)
                cv.copy(p, x, y, k)
                x += p.w * k + 10
            d = load("picdaiji.png")
            cv.copy(d, x, y, 1)
            cv.tile_bg(grass, x + 570, y, 560, 120)
            cv.masked(d.sub(0, 0, 560, 120), d.sub(0, 120, 560, 120), x + 570, y)
            e = load("picdaiji_en.png")
            cv.tile_bg(grass, x + 570, y + 120, 560, 120)
            cv.masked(e.sub(0, 0, 560, 120), e.sub(0, 120, 560, 120), x + 570, y + 120)
        blocks.append((max(488 * k + 100, 224 * k + 1170), 272 * k + 16 + max(240, 64 * k) + 10,
                       paint_misc))

    cv = Canvas(max(b[0] for b in blocks) + 20, sum(b[1] + 16 for b in blocks) + 10)
    y = 10
    for _, h, paint in blocks:
        paint(cv, y)
        y += h + 16
    write_png(a.out, cv.w, cv.h, cv.px)
    print("wrote", a.out, cv.w, "x", cv.h)


if __name__ == "__main__":
    main()
