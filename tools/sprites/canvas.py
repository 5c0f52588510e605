"""Small transparent pixel canvases and the operations the art is built with.

A canvas pixel is either None (nothing drawn there) or an (r, g, b) tuple.
The set of drawn pixels is the figure's shape; silhouettes are made from that
shape, never from colours.
"""
from palette import COLORS, BG, MASK_ON, MASK_OFF


class Img:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [None] * (w * h)

    def copy(self):
        o = Img(self.w, self.h)
        o.px = list(self.px)
        return o

    def get(self, x, y):
        if 0 <= x < self.w and 0 <= y < self.h:
            return self.px[y * self.w + x]
        return None

    def set(self, x, y, col):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y * self.w + x] = col

    def blit(self, src, dx=0, dy=0):
        """Draws src's drawn pixels over this canvas at (dx, dy)."""
        for y in range(src.h):
            for x in range(src.w):
                p = src.px[y * src.w + x]
                if p is not None:
                    self.set(dx + x, dy + y, p)
        return self

    def mirrored(self):
        o = Img(self.w, self.h)
        for y in range(self.h):
            row = self.px[y * self.w:(y + 1) * self.w]
            o.px[y * self.w:(y + 1) * self.w] = row[::-1]
        return o

    def shifted(self, dx, dy):
        o = Img(self.w, self.h)
        return o.blit(self, dx, dy)

    def crop(self, x0, y0, w, h):
        o = Img(w, h)
        for y in range(h):
            for x in range(w):
                o.px[y * w + x] = self.get(x0 + x, y0 + y)
        return o

    def recolor(self, mapping):
        """Replaces colours by mapping {old: new}."""
        o = self.copy()
        o.px = [mapping.get(p, p) if p is not None else None for p in o.px]
        return o

    def outlined(self, col=None, diagonal=False):
        """Adds a one-pixel outline around the drawn shape (4-neighbourhood,
        or 8 with diagonal=True)."""
        col = col or COLORS["ink"]
        o = self.copy()
        nb = [(1, 0), (-1, 0), (0, 1), (0, -1)]
        if diagonal:
            nb += [(1, 1), (-1, 1), (1, -1), (-1, -1)]
        for y in range(self.h):
            for x in range(self.w):
                if self.px[y * self.w + x] is not None:
                    continue
                if any(self.get(x + a, y + b) is not None for a, b in nb):
                    o.px[y * self.w + x] = col
        return o

    def drawn(self, x, y):
        return self.get(x, y) is not None

    def delete_rows(self, rows):
        """Removes the given rows, moving everything above them down, so a
        figure gets shorter while its feet stay on the ground."""
        keep = [y for y in range(self.h) if y not in set(rows)]
        o = Img(self.w, self.h)
        pad = self.h - len(keep)
        for i, y in enumerate(keep):
            o.px[(pad + i) * self.w:(pad + i + 1) * self.w] = self.px[y * self.w:(y + 1) * self.w]
        return o

    def scaled(self, k):
        o = Img(self.w * k, self.h * k)
        for y in range(o.h):
            for x in range(o.w):
                o.px[y * o.w + x] = self.px[(y // k) * self.w + x // k]
        return o

    # --- output ---
    def picture(self):
        """The figure in colour on pure white."""
        return [BG if p is None else p for p in self.px]

    def silhouette(self):
        """Pure white on the figure, pure black elsewhere."""
        return [MASK_OFF if p is None else MASK_ON for p in self.px]

    def solid(self, bg):
        return [bg if p is None else p for p in self.px]


def parse_grid(text, cmap, transparent="."):
    """Turns a text grid (one character per pixel) into a canvas.

    cmap maps characters to (r, g, b) or to palette names; `transparent`
    characters (and spaces) leave the pixel undrawn."""
    lines = text.strip("\n").split("\n")
    lines = [ln.rstrip() for ln in lines]
    # strip a common indentation
    ind = min(len(ln) - len(ln.lstrip(" ")) for ln in lines if ln.strip())
    lines = [ln[ind:] for ln in lines]
    w = max(len(ln) for ln in lines)
    img = Img(w, len(lines))
    for y, ln in enumerate(lines):
        for x, ch in enumerate(ln):
            if ch in transparent or ch == " ":
                continue
            if ch not in cmap:
                raise KeyError("grid character %r has no colour (row %d: %r)" % (ch, y, ln))
            col = cmap[ch]
            if isinstance(col, str):
                col = COLORS[col]
            img.px[y * w + x] = col
    return img


class Sheet:
    """An opaque RGB picture being assembled."""

    def __init__(self, w, h, fill=BG):
        self.w, self.h = w, h
        self.px = [fill] * (w * h)

    def put(self, pixels, pw, ph, dx, dy):
        for y in range(ph):
            for x in range(pw):
                self.px[(dy + y) * self.w + dx + x] = pixels[y * pw + x]

    def put_picture(self, img, dx, dy):
        self.put(img.picture(), img.w, img.h, dx, dy)

    def put_silhouette(self, img, dx, dy):
        self.put(img.silhouette(), img.w, img.h, dx, dy)
