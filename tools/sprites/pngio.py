"""Minimal PNG reading and writing with the standard library only.

Writes 8-bit RGB, non-interlaced pictures with a fixed compression level so
that regenerating the art gives byte-identical files.  Reads 8-bit RGB and
RGBA non-interlaced pictures (what this tool set writes, plus icons).
"""
import struct
import zlib

_SIG = b"\x89PNG\r\n\x1a\n"


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(path, w, h, pixels):
    """pixels: row-major list of (r, g, b) tuples, len == w * h."""
    if len(pixels) != w * h:
        raise ValueError("pixel count %d does not match %dx%d" % (len(pixels), w, h))
    raw = bytearray()
    for y in range(h):
        raw.append(0)
        for r, g, b in pixels[y * w:(y + 1) * w]:
            raw += bytes((r, g, b))
    data = _SIG
    data += _chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
    data += _chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    data += _chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_png(path):
    """Returns (w, h, pixels) with pixels a row-major list of (r, g, b).

    Alpha, if present, is composed over white (the sheets never use it)."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != _SIG:
        raise ValueError("%s: not a PNG" % path)
    pos, idat, hdr = 8, bytearray(), None
    while pos < len(data):
        (n,) = struct.unpack(">I", data[pos:pos + 4])
        kind = data[pos + 4:pos + 8]
        body = data[pos + 8:pos + 8 + n]
        pos += 12 + n
        if kind == b"IHDR":
            hdr = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    if hdr is None:
        raise ValueError("%s: no IHDR" % path)
    w, h, depth, ctype, _, _, interlace = hdr
    if depth != 8 or ctype not in (2, 6) or interlace:
        raise ValueError("%s: only 8-bit RGB/RGBA non-interlaced PNGs" % path)
    bpp = 3 if ctype == 2 else 4
    raw = zlib.decompress(bytes(idat))
    stride = w * bpp
    prev = bytearray(stride)
    out = []
    pos = 0
    for _ in range(h):
        ftype = raw[pos]
        line = bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if ftype == 1:
                line[i] = (line[i] + a) & 255
            elif ftype == 2:
                line[i] = (line[i] + b) & 255
            elif ftype == 3:
                line[i] = (line[i] + ((a + b) >> 1)) & 255
            elif ftype == 4:
                line[i] = (line[i] + _paeth(a, b, c)) & 255
            elif ftype != 0:
                raise ValueError("%s: bad filter %d" % (path, ftype))
        for x in range(w):
            p = line[x * bpp:x * bpp + bpp]
            if bpp == 4:
                al = p[3]
                out.append(tuple((v * al + 255 * (255 - al)) // 255 for v in p[:3]))
            else:
                out.append((p[0], p[1], p[2]))
        prev = line
    return w, h, out
