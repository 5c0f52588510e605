"""Rasterised round shapes with banded light from the top left.

Used where a picture must be drawn at several sizes (the bear) or is simply
round (balls, the sphere): every size is rasterised afresh at its own
resolution, pixel by pixel, with hard colour bands and a drawn outline, so
each size is real pixel art rather than a scaled copy.
"""
import math

from canvas import Img
from palette import COLORS

LIGHT = (-0.55, -0.65, 0.52)
_n = math.sqrt(sum(v * v for v in LIGHT))
LIGHT = tuple(v / _n for v in LIGHT)


class Ellipse:
    """An ellipse in unit coordinates of the picture (0..1 both ways).

    tones: palette names from light to dark; the band is chosen from the
    light falling on the ellipse as if it were a dome.  fuzz > 0 ruffles the
    rim into tufts of fur (only where the picture is big enough)."""

    def __init__(self, cx, cy, rx, ry, tones, fuzz=0.0, tufts=11, min_px=0, flat=False):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry
        self.tones = [COLORS[t] for t in tones]
        self.fuzz, self.tufts, self.min_px, self.flat = fuzz, tufts, min_px, flat

    def render(self, size, fuzz_ok=True):
        img = Img(size, size)
        cx, cy = self.cx * size, self.cy * size
        rx = max(self.rx * size, self.min_px / 2.0)
        ry = max(self.ry * size, self.min_px / 2.0)
        for y in range(size):
            for x in range(size):
                u = (x + 0.5 - cx) / rx
                v = (y + 0.5 - cy) / ry
                d = math.sqrt(u * u + v * v)
                lim = 1.0
                if self.fuzz and fuzz_ok:
                    a = math.atan2(v, u)
                    lim += self.fuzz * (abs(math.sin(a * self.tufts / 2.0)) - 0.5)
                if d > lim:
                    continue
                if self.flat or len(self.tones) == 1:
                    img.set(x, y, self.tones[0])
                    continue
                uu, vv = u / max(lim, 1e-6), v / max(lim, 1e-6)
                w = math.sqrt(max(0.0, 1.0 - min(1.0, uu * uu + vv * vv)))
                lum = uu * LIGHT[0] + vv * LIGHT[1] + w * LIGHT[2]
                n = len(self.tones)
                # bands: brightest only in a small spot, darkest along the far rim
                edges = {2: (0.2,), 3: (0.78, 0.15), 4: (0.86, 0.5, 0.05),
                         5: (0.9, 0.65, 0.35, 0.0)}[n]
                band = n - 1
                for i, e in enumerate(edges):
                    if lum > e:
                        band = i
                        break
                img.set(x, y, self.tones[band])
        if self.min_px and not any(p is not None for p in img.px):
            img.set(int(cx), int(cy), self.tones[0])
        return img


def outline(img, col, width=1):
    for _ in range(width):
        img = img.outlined(COLORS[col] if isinstance(col, str) else col)
    return img


def render_layers(size, layers):
    """layers: list of (shape or list of shapes, outline colour or None,
    outline width in pixels).  Each layer is outlined, then laid down."""
    out = Img(size, size)
    for shapes, ocol, ow in layers:
        if not isinstance(shapes, (list, tuple)):
            shapes = [shapes]
        img = Img(size, size)
        for s in shapes:
            img.blit(s.render(size, fuzz_ok=size >= 64))
        if ocol:
            img = outline(img, ocol, ow)
        out.blit(img)
    return out
