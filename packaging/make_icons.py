#!/usr/bin/env python3
"""Makes the game's icon in the usual hicolor sizes from assets/icon.png.

    make_icons.py ICON.png OUT_DIR

writes OUT_DIR/NxN/apps/mokimoki.png for N in 16, 32, 48, 64, 128 and 256,
as RGBA. The icon is a rounded square on white: the white around it, found
from the corners, becomes transparent (white inside the picture stays). The
icon is pixel art: larger sizes repeat each pixel (whole multiples keep it
sharp), smaller ones average the area each new pixel covers, weighting each
colour by its opacity. The files are the same from run to run.
"""
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools", "sprites"))
from pngio import read_png  # noqa: E402

SIZES = (16, 32, 48, 64, 128, 256)
WHITE = (255, 255, 255)


def cut_out(w, h, px):
    """RGBA pixels with the white reachable from the corners made transparent."""
    out = [p + (255,) for p in px]
    todo = [(0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)]
    while todo:
        x, y = todo.pop()
        if not (0 <= x < w and 0 <= y < h):
            continue
        i = y * w + x
        if px[i] != WHITE or out[i][3] == 0:
            continue
        out[i] = (0, 0, 0, 0)
        todo += [(x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)]
    return out


def resized(w, h, px, size):
    if size % w == 0:
        k = size // w
        return [px[(y // k) * w + x // k] for y in range(size) for x in range(size)]
    out = []
    for y in range(size):
        y0, y1 = y * h / size, (y + 1) * h / size
        for x in range(size):
            x0, x1 = x * w / size, (x + 1) * w / size
            acc, alpha, area = [0.0, 0.0, 0.0], 0.0, 0.0
            for sy in range(int(y0), min(h, int(y1 + 0.999999))):
                fy = min(y1, sy + 1) - max(y0, sy)
                for sx in range(int(x0), min(w, int(x1 + 0.999999))):
                    f = fy * (min(x1, sx + 1) - max(x0, sx))
                    if f <= 0:
                        continue
                    p = px[sy * w + sx]
                    for c in range(3):
                        acc[c] += p[c] * p[3] * f
                    alpha += p[3] * f
                    area += f
            rgb = tuple(int(round(v / alpha)) for v in acc) if alpha else (0, 0, 0)
            out.append(rgb + (int(round(alpha / area)),))
    return out


def write_rgba_png(path, w, h, px):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = bytearray()
    for y in range(h):
        raw.append(0)
        for p in px[y * w:(y + 1) * w]:
            raw += bytes(p)
    data = b"\x89PNG\r\n\x1a\n"
    data += chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
    data += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    data += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def main():
    src, out_dir = sys.argv[1], sys.argv[2]
    w, h, px = read_png(src)
    if w != h:
        sys.exit("%s: the icon must be square, not %dx%d" % (src, w, h))
    px = cut_out(w, h, px)
    for size in SIZES:
        folder = os.path.join(out_dir, "%dx%d" % (size, size), "apps")
        os.makedirs(folder, exist_ok=True)
        write_rgba_png(os.path.join(folder, "mokimoki.png"), size, size, resized(w, h, px, size))


if __name__ == "__main__":
    main()
