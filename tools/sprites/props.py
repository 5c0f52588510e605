"""The bear, the balls, the sphere, the fireball, the opening picture and the
application icon."""
import math

from canvas import Img, parse_grid
from palette import COLORS
from shapes import Ellipse, render_layers

FUR = ("tan", "brown", "brown_d")
LIGHT_FUR = ("skin", "tan")


def _stroke(img, pts, size, col, width):
    """A polyline given in unit coordinates, `width` pixels thick."""
    c = COLORS[col]
    for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
        n = int(max(abs(x1 - x0), abs(y1 - y0)) * size * 2) + 1
        for i in range(n + 1):
            t = i / n
            x = (x0 + (x1 - x0) * t) * size
            y = (y0 + (y1 - y0) * t) * size
            for dy in range(width):
                for dx in range(width):
                    img.set(int(x) + dx, int(y) + dy, c)


# the small bear is drawn by hand: at 32 pixels every pixel matters
BEAR_SMALL_CMAP = {"F": "brown", "f": "brown_d", "j": "tan", "L": "skin", "l": "tan",
                   "P": "pink", "K": "ink", "R": "pink"}
BEAR_EARS = """
................................
....FFFF................FFFF....
...FjFFFF..............FFFFfF...
...FjPPFF..............FFPPfF...
...FFPPFF..............FFPPff...
....FFFF................ffff....
"""
BEAR_BODY = """
.........FFFFFFFFFFFFFF.........
........FFFFFFFFFFFFFFFF........
.......jFFFFFFFFFFFFFFFFf.......
.......jFFFFLLLLLLLLFFFFf.......
.......FFFFLLLLLLLLLLFFFf.......
.......FFFFLLLLLLLLLLFFff.......
.......FFFFLLLLLLLLLLFFff.......
.......FFFFlLLLLLLLLlFFff.......
.......fFFFFlLLLLLLlFFFff.......
........fFFFFllllllFFFff........
.........ffFFFFFFFFFFff.........
"""
BEAR_FEET = """
.......FFFFF........FFFFF.......
......jFFFFFf......jFFFFFf......
......FFLLLFf......FFLLLFf......
......fFFFFff......fFFFFff......
"""
BEAR_ARMS = """
....jFF..................FFf....
....jFFF................FFFf....
....FFFF................FFff....
....FFFF................FFff....
....FFFF................FFff....
....fFFF................Ffff....
.....LLl................lLL.....
"""
BEAR_HEAD = """
..........jjjjFFFFFFFF..........
........jjjFFFFFFFFFFFFF........
.......jjFFFFFFFFFFFFFFFf.......
......jjFFFFFFFFFFFFFFFFFf......
......jFFFFFFFFFFFFFFFFFFf......
......FFFFKKFFFFFFFFKKFFFf......
......FFFFKKFFFFFFFFKKFFFf......
......FRRFFFFLLLLLLFFFFRRf......
......fFFFFFLLLKKLLLFFFFff......
......fFFFFFLLKLLKLLFFFFff......
......ffFFFFlLLKKLLlFFFfff......
.......ffFFFFllllllFFFfff.......
.........ffffffffffffff.........
"""


def bear_small():
    def part(text, y0):
        img = Img(32, 32)
        img.blit(parse_grid(text, BEAR_SMALL_CMAP), 0, y0)
        return img.outlined(COLORS["ink"])
    out = Img(32, 32)
    for text, y0 in ((BEAR_EARS, 0), (BEAR_BODY, 16), (BEAR_FEET, 26), (BEAR_ARMS, 17),
                     (BEAR_HEAD, 3)):
        out.blit(part(text, y0))
    return out


def bear(size):
    """兄さん, the basement bear, drawn afresh at 32, 64 or 128 pixels."""
    if size == 32:
        return bear_small()
    ow = 2 if size >= 128 else 1
    big = size >= 64
    E = Ellipse
    layers = [
        ([E(0.23, 0.135, 0.095, 0.095, FUR), E(0.77, 0.135, 0.095, 0.095, FUR)], "ink", ow),
        ([E(0.235, 0.145, 0.045, 0.045, ("pink", "rose"), min_px=2),
          E(0.765, 0.145, 0.045, 0.045, ("pink", "rose"), min_px=2)], None, 0),
        (E(0.5, 0.69, 0.3, 0.245, FUR, fuzz=0.06, tufts=26), "ink", ow),
        ([E(0.33, 0.9, 0.12, 0.06, FUR), E(0.67, 0.9, 0.12, 0.06, FUR)], "ink", ow),
        (E(0.5, 0.73, 0.18, 0.165, LIGHT_FUR), "brown" if big else None, 1),
        ([E(0.185, 0.63, 0.085, 0.14, FUR), E(0.815, 0.63, 0.085, 0.14, FUR)], "ink", ow),
        (E(0.5, 0.3, 0.31, 0.245, FUR, fuzz=0.05, tufts=30), "ink", ow),
        (E(0.5, 0.395, 0.125, 0.085, LIGHT_FUR), "brown" if big else None, 1),
        (E(0.5, 0.355, 0.05, 0.032, ("grey_dd", "ink"), min_px=2), None, 0),
        ([E(0.385, 0.28, 0.028, 0.034, ("ink",), min_px=2, flat=True),
          E(0.615, 0.28, 0.028, 0.034, ("ink",), min_px=2, flat=True)], None, 0),
    ]
    if big:
        layers.insert(4, ([E(0.33, 0.915, 0.06, 0.03, ("skin",), flat=True),
                           E(0.67, 0.915, 0.06, 0.03, ("skin",), flat=True)], None, 0))
        layers.append(([E(0.3, 0.35, 0.04, 0.022, ("pink",), flat=True),
                        E(0.7, 0.35, 0.04, 0.022, ("pink",), flat=True)], None, 0))
        layers.append(([E(0.375, 0.27, 0.011, 0.011, ("white",), flat=True, min_px=1),
                        E(0.605, 0.27, 0.011, 0.011, ("white",), flat=True, min_px=1)], None, 0))
    img = render_layers(size, layers)
    # the grin: a little W under the nose, with a tongue poking out when big
    w = 2 if size >= 128 else 1
    if big:
        tongue = Ellipse(0.53, 0.44, 0.03, 0.025, ("rose", "red")).render(size)
        img.blit(tongue.outlined(COLORS["ink"]))
    _stroke(img, [(0.5, 0.38), (0.5, 0.405)], size, "ink", w)
    _stroke(img, [(0.44, 0.41), (0.47, 0.43), (0.5, 0.405), (0.53, 0.43), (0.56, 0.41)],
            size, "ink", w)
    return img


# ------------------------------------------------------------------ balls

def ball(black):
    """An 18x18 ball.  The beginners' ball is black; the normal one is red
    with a white band, easy to see on grass, water, sand and ice alike."""
    size = 18
    if black:
        core = Ellipse(0.5, 0.5, 0.41, 0.41, ("grey_d", "grey_dd", "slate_d", "ink"))
        img = render_layers(size, [(core, "black", 1)])
        img.set(6, 5, COLORS["steel"])
        img.set(5, 6, COLORS["grey"])
        return img
    core = Ellipse(0.5, 0.5, 0.41, 0.41, ("rose", "red", "red", "brown_d"))
    img = render_layers(size, [(core, "ink", 1)])
    # a white band around the ball, bent like a seam on a sphere
    for x in range(2, 16):
        t = (x - 8.5) / 7.0
        yc = 8.5 + 2.5 * (1 - t * t) - 1.5
        for y in (int(yc), int(yc) + 1):
            if img.get(x, y) not in (None, COLORS["ink"]):
                img.set(x, y, COLORS["white"] if x < 11 else COLORS["steel"])
    img.set(5, 4, COLORS["white"])
    img.set(6, 4, COLORS["pink_l"])
    img.set(5, 5, COLORS["pink_l"])
    return img


def sphere():
    """The round obstacle: a polished steel sphere."""
    s = Ellipse(0.5, 0.5, 0.44, 0.44, ("white", "ice", "steel", "grey", "grey_d"))
    img = render_layers(32, [(s, "ink", 1)])
    shine = parse_grid("""
.WW
WWW
WW.
""", {"W": "white"})
    img.blit(shine, 9, 8)
    # a darker band of reflected floor low on the sphere
    for x in range(6, 26):
        for y in range(23, 25):
            p = img.get(x, y)
            if p not in (None, COLORS["ink"]) and p != COLORS["grey_d"]:
                img.set(x, y, COLORS["grey"])
    return img


# ------------------------------------------------------------------ fireball

FIRE = ("""
.........r........
........rr....r...
.......rOr...rr...
......rOOr..rOr...
.....rOOOrrrOOr...
....rOOYOOOOOOr...
...rOOYYYOOYOOOr..
...rOYYYYYYYYOOr..
..rOOYYWWWYYYOOr..
..rOYYWWWWWYYYOr..
..rOYYWWWWWYYYOr..
..rOYYYWWWYYYYOr..
..rrOYYYYYYYYOOr..
...rOOYYYYYYOOr...
....rrOOOOOOrr....
......rrrrrr......
""", """
....r.............
....rr.......r....
....rOr.....rr....
....rOOr...rOr....
...rOOOOr.rOOr....
...rOOYOOrOOOr....
..rOOYYYOOOYOOr...
..rOYYYYYYYYOOr...
..rOOYYWWWYYYOOr..
..rOYYWWWWWYYYOr..
..rOYYWWWWWYYYOr..
..rOYYYWWWYYYYOr..
..rrOYYYYYYYYOOr..
...rOOYYYYYYOOr...
....rrOOOOOOrr....
......rrrrrr......
""")


def fireball(frame):
    g = parse_grid(FIRE[frame], {"r": "red", "O": "orange", "Y": "yellow", "W": "white"})
    img = Img(18, 18)
    img.blit(g, 0, 1)
    return img.outlined(COLORS["brown_d"])


# ------------------------------------------------------------------ opening and icon

def opening(hero_down, moki_down):
    """くあ and モキモキ side by side, 48x48."""
    img = Img(48, 48)
    img.blit(hero_down, 2, 12)
    img.blit(moki_down, 16, 17)
    return img


def icon(hero_down, moki_down):
    """64x64: the two faces on a rounded sky-blue badge."""
    img = Img(64, 64)
    sky, ice, ink = COLORS["sky"], COLORS["ice"], COLORS["ink"]
    for y in range(64):
        for x in range(64):
            # rounded square
            dx = max(0, abs(x - 31.5) - 22)
            dy = max(0, abs(y - 31.5) - 22)
            d = math.hypot(dx, dy)
            if d <= 9.5:
                img.set(x, y, ice if y < 20 else sky)
            elif d <= 10.6:
                img.set(x, y, ink)
    head = hero_down.crop(6, 0, 20, 16).scaled(2)
    moki = moki_down.crop(4, 9, 24, 21).scaled(2)
    img.blit(head, 2, 6)
    img.blit(moki, 18, 21)
    return img
