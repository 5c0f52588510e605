#!/usr/bin/env python3
"""Makes the game's icon in the usual hicolor sizes from assets/icon.png.

    make_icons.py ICON.png OUT_DIR

writes OUT_DIR/NxN/apps/mokimoki.png for N in 16, 32, 48, 64, 128 and 256.
The icon is pixel art: larger sizes repeat each pixel (whole multiples keep it
sharp), smaller ones average the area each new pixel covers.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools", "sprites"))
from pngio import read_png, write_png  # noqa: E402

SIZES = (16, 32, 48, 64, 128, 256)


def resized(w, h, px, size):
    if size % w == 0:
        k = size // w
        return [px[(y // k) * w + x // k] for y in range(size) for x in range(size)]
    out = []
    for y in range(size):
        y0, y1 = y * h / size, (y + 1) * h / size
        for x in range(size):
            x0, x1 = x * w / size, (x + 1) * w / size
            acc, area = [0.0, 0.0, 0.0], 0.0
            for sy in range(int(y0), min(h, int(y1 + 0.999999))):
                fy = min(y1, sy + 1) - max(y0, sy)
                for sx in range(int(x0), min(w, int(x1 + 0.999999))):
                    f = fy * (min(x1, sx + 1) - max(x0, sx))
                    if f <= 0:
                        continue
                    for c in range(3):
                        acc[c] += px[sy * w + sx][c] * f
                    area += f
            out.append(tuple(int(round(v / area)) for v in acc))
    return out


def main():
    src, out_dir = sys.argv[1], sys.argv[2]
    w, h, px = read_png(src)
    if w != h:
        sys.exit("%s: the icon must be square, not %dx%d" % (src, w, h))
    for size in SIZES:
        folder = os.path.join(out_dir, "%dx%d" % (size, size), "apps")
        os.makedirs(folder, exist_ok=True)
        write_png(os.path.join(folder, "mokimoki.png"), size, size, resized(w, h, px, size))


if __name__ == "__main__":
    main()
