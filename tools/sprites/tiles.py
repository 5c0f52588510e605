"""The 32x32 map tiles.

Terrain tiles (grass, water, sand, ice) are kept calm so a ball and the
players stay easy to see on them; every pattern is placed with wrap-around so
a tile repeats without seams.  The goal lines are a net in the shade behind a
white line, dark blue where a goal scores 1 and red in the 2-point middle, so
they stand out from every ground beside them.  The chair and the railing stand on the same
floorboards as the plain floor, so furniture sits in the floor without a seam.
"""
from canvas import Img, parse_grid
from palette import COLORS as P

N = 32


class Tile(Img):
    def __init__(self, fill):
        super().__init__(N, N)
        self.px = [P[fill]] * (N * N)

    def put(self, x, y, name):
        self.px[(y % N) * N + (x % N)] = P[name]

    def rect(self, x0, y0, w, h, name):
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w):
                self.put(x, y, name)

    def stamp(self, grid, x0, y0, cmap):
        """Draws a small text grid with wrap-around."""
        g = parse_grid(grid, cmap)
        for y in range(g.h):
            for x in range(g.w):
                p = g.px[y * g.w + x]
                if p is not None:
                    self.px[((y0 + y) % N) * N + (x0 + x) % N] = p


def dark():
    """Codes without a picture: a plain dark tile."""
    return Tile("ink")


# ---------------------------------------------------------------- terrain

GRASS_TUFT = """
l...l
d.l.d
.d.d.
"""
GRASS_BLADE = """
d.d
.d.
"""


def grass():
    t = Tile("green")
    cm = {"l": "lime", "d": "forest"}
    for x, y in ((6, 2), (22, 8), (12, 15), (27, 20), (2, 26), (17, 27)):
        t.stamp(GRASS_TUFT, x, y, cm)
    for x, y in ((16, 4), (3, 11), (28, 13), (9, 21), (23, 1), (22, 15)):
        t.stamp(GRASS_BLADE, x, y, cm)
    for x, y in ((1, 5), (13, 9), (30, 28), (7, 30), (19, 21), (26, 4)):
        t.put(x, y, "lime")
    return t


WAVE = """
.ww.
w..w
"""


def water():
    t = Tile("sky")
    # darker swell bands
    for y in (5, 21):
        for x in range(N):
            if (x // 4) % 4 != 3:
                t.put(x, y + (1 if (x // 8) % 2 else 0), "blue")
    cm = {"w": "ice"}
    for x, y in ((3, 1), (19, 3), (11, 9), (27, 11), (4, 16), (20, 18), (12, 25), (28, 27)):
        t.stamp(WAVE, x, y, cm)
    for x, y in ((9, 13), (25, 30), (1, 23), (17, 7)):
        t.put(x, y, "white")
    return t


def sand():
    t = Tile("sand")
    # gentle wind ripples
    ripples = ((0, 6), (16, 14), (6, 22), (22, 30))
    for x0, y0 in ripples:
        for i in range(12):
            dy = (0, 0, 1, 1, 1, 1, 1, 1, 0, 0, -1, -1)[i]
            t.put(x0 + i, y0 + dy - 1, "sand_l")
            t.put(x0 + i, y0 + dy, "tan")
    for x, y in ((3, 2), (13, 4), (26, 1), (9, 10), (29, 8), (20, 19), (2, 17), (14, 27),
                 (27, 24), (6, 30), (24, 12)):
        t.put(x, y, "gold_d" if (x + y) % 3 == 0 else "tan")
    for x, y in ((7, 3), (22, 7), (16, 10), (1, 12), (11, 18), (30, 20), (19, 25), (4, 26)):
        t.put(x, y, "sand_l")
    return t


def ice():
    t = Tile("ice")
    # glossy diagonal glints: what makes ice read as slippery
    for x0, y0, n, col in ((3, 14, 10, "white"), (4, 14, 9, "white"), (7, 14, 4, "white"),
                           (19, 30, 9, "white"), (20, 30, 8, "white"), (23, 30, 3, "white")):
        for i in range(n):
            t.put(x0 + i, y0 - i, col)
    # thin cracks
    for x, y in ((20, 8), (21, 8), (22, 9), (23, 9), (24, 10), (24, 11), (25, 12), (23, 10),
                 (22, 11), (5, 22), (6, 23), (7, 23), (8, 24), (9, 24), (8, 25)):
        t.put(x, y, "steel")
    for x, y in ((13, 3), (29, 17), (12, 19), (2, 30)):
        t.put(x, y, "sky")
    return t


# ---------------------------------------------------------------- goal lines

# The match draws these over columns 0 and 18 of every field (codes 5 and 6
# on the home side, their mirror images 7 and 8 on the away side), with the
# white line on the edge that faces the field: the ball scores once it is past
# that line.
NET_MESH = 8


def goal_line(two_points, away):
    t = Tile("red" if two_points else "navy")
    knot = "pink_l" if two_points else "steel"
    mesh = "rose" if two_points else "blue_d"
    for y in range(N):
        for x in range(N):
            a, b = (x + y) % NET_MESH == 0, (x - y) % NET_MESH == 0
            if a and b:
                t.put(x, y, knot)
            elif a or b:
                t.put(x, y, mesh)
    # the line's shadow on the net, then the line itself
    t.rect(27, 0, 1, N, "ink")
    t.rect(28, 0, 4, N, "white")
    if away:
        t.px = [p for y in range(N) for p in t.px[y * N:(y + 1) * N][::-1]]
    return t


# ---------------------------------------------------------------- the hall

# The floor is laid in boards 8 pixels wide running up and down the screen,
# across the brick courses of the walls, so floor and walls never look alike.
# Each board has one butt joint per tile, at its own height, and a thin seam
# on its left; the boards' tones differ a little.
BOARD_JOINTS = (6, 25, 13, 29)
BOARD_TONES = ("board", "board_d", "board_d", "board")
# grain streaks along the boards: x, top y, length, colour
BOARD_GRAIN = ((3, 11, 6, "grain"), (5, 27, 4, "grain_l"), (11, 2, 7, "grain_l"),
               (13, 15, 5, "grain"), (19, 18, 8, "grain"), (21, 4, 3, "grain"),
               (28, 1, 5, "grain_l"), (26, 16, 7, "grain"))


def floor():
    t = Tile("board")
    for b in range(4):
        x0 = b * 8
        t.rect(x0, 0, 8, N, BOARD_TONES[b])
        t.rect(x0, 0, 1, N, "board_seam")
        t.rect(x0 + 1, BOARD_JOINTS[b], 7, 1, "board_seam")
    for x, y, n, col in BOARD_GRAIN:
        for i in range(n):
            t.put(x, y + i, col)
    return t


def _bricks(t, y0, rows, body, hi, lo, mortar, first_row=0):
    """Draws courses of 16x8 bricks (7 px brick + 1 px mortar)."""
    for r in range(rows):
        yy = y0 + r * 8
        off = 0 if (first_row + r) % 2 == 0 else 8
        t.rect(0, yy, N, 7, body)
        t.rect(0, yy + 7, N, 1, mortar)
        for bx in range(off, off + N, 16):
            for y in range(yy, yy + 7):
                t.put(bx + 15, y, mortar)
            for x in range(bx, bx + 15):
                t.put(x, yy, hi)
            for y in range(yy, yy + 7):
                t.put(bx, y, hi)
            for x in range(bx + 1, bx + 15):
                t.put(x, yy + 6, lo)
            for y in range(yy + 1, yy + 7):
                t.put(bx + 14, y, lo)


def red_wall():
    t = Tile("red")
    _bricks(t, 0, 4, "red", "rose", "brown_d", "plum")
    for x, y in ((5, 3), (23, 12), (11, 27), (30, 19)):
        t.put(x, y, "rose")
    return t


def red_wall_bottom():
    t = red_wall()
    _bricks(t, 24, 1, "brown_d", "red", "plum", "ink", first_row=3)
    t.rect(0, 31, N, 1, "ink")
    return t


def lav_wall():
    t = Tile("lav")
    _bricks(t, 0, 4, "lav", "lav_l", "lav_d", "purple")
    for x, y in ((5, 3), (23, 12), (11, 27), (30, 19)):
        t.put(x, y, "lav_l")
    return t


def lav_wall_bottom():
    t = lav_wall()
    _bricks(t, 24, 1, "grey", "steel", "grey_d", "grey_dd", first_row=3)
    t.rect(0, 31, N, 1, "ink")
    return t


CHAIR = """
...KKKKKKKKKKKKKK...
..KbBBBBBBBBBBBBbK..
..KBLLLLLLLLLLLLBK..
..KBLrrrrrrrrrrLBK..
..KBLrRRRRRRRRrLBK..
..KBLrRRRRRRRRrLBK..
..KBLrrrrrrrrrrLBK..
..KBbbbbbbbbbbbbBK..
..KKKKKKKKKKKKKKKK..
.KbBBBBBBBBBBBBBBbK.
.KBrrrrrrrrrrrrrrBK.
.KBrRRRRRRRRRRRRrBK.
.KBrRRRRRRRRRRRRrBK.
.KBrRRRRRRRRRRRRrBK.
.KBrRRRRRRRRRRRRrBK.
.KBbbbbbbbbbbbbbbBK.
.KdddddddddddddddddK.
.KKKKKKKKKKKKKKKKKKK.
..KdK..........KdK..
..KdK..........KdK..
..KdK..........KdK..
..KKK..........KKK..
"""


def chair():
    t = floor()
    # soft shadow under the chair
    for x in range(7, 27):
        for y in (27, 28):
            t.put(x, y, "brown")
    g = parse_grid(CHAIR, {"K": "ink", "B": "brown", "b": "brown_d", "d": "brown_d",
                           "L": "tan", "r": "red", "R": "rose"})
    return _over(t, g, 6, 5)


def _over(t, g, x0, y0):
    for y in range(g.h):
        for x in range(g.w):
            p = g.px[y * g.w + x]
            if p is not None:
                t.px[(y0 + y) * N + x0 + x] = p
    return t


def counter():
    t = Tile("brown")
    # counter top: light wood with a bright front edge
    t.rect(0, 0, N, 2, "brown")
    t.rect(0, 2, N, 10, "tan")
    t.rect(0, 2, N, 1, "skin")
    for x, y, n in ((3, 5, 9), (17, 7, 11), (8, 9, 7), (27, 4, 8)):
        for i in range(n):
            t.put(x + i, y, "skin")
    t.rect(0, 12, N, 1, "skin")
    t.rect(0, 13, N, 1, "brown_d")
    # front panel with two raised panels per tile
    t.rect(0, 14, N, 14, "brown")
    for px in (2, 18):
        t.rect(px, 16, 12, 10, "orange")
        t.rect(px, 16, 12, 1, "brown_d")
        t.rect(px, 16, 1, 10, "brown_d")
        t.rect(px + 1, 25, 11, 1, "wood_l")
        t.rect(px + 11, 17, 1, 9, "wood_l")
    t.rect(0, 28, N, 3, "brown_d")
    t.rect(0, 31, N, 1, "ink")
    return t


def stairs(up):
    """Five steps between the stairwell walls.  Going up they brighten
    towards the top; going down they darken into the basement."""
    t = Tile("ink")
    if up:
        steps = (("skin", "tan"), ("skin", "wood_l"), ("tan", "orange"),
                 ("tan", "brown"), ("wood_l", "brown"))
    else:
        steps = (("wood_l", "brown"), ("orange", "brown_d"), ("brown", "plum"),
                 ("brown_d", "ink"), ("plum", "ink"))
    for i, (tread, riser) in enumerate(steps):
        y0 = 1 + i * 6
        t.rect(4, y0, 24, 4, tread)
        t.rect(4, y0 + 4, 24, 2, riser)
        # the worn, lit nosing of each step and its shadowed right end
        t.rect(4, y0, 24, 1, "skin" if up or i == 0 else tread)
        t.rect(25, y0 + 1, 3, 3, riser)
    if not up:
        # the bottom of the flight fades into the dark basement
        t.rect(4, 25, 24, 6, "ink")
        for x in range(4, 28, 2):
            t.put(x, 25, "plum")
    t.rect(4, 0, 24, 1, "brown_d" if not up else "ink")
    # side walls of the stairwell
    for side in (0, 28):
        t.rect(side, 0, 4, N, "brown_d")
        t.rect(side + (3 if side == 0 else 0), 0, 1, N, "ink")
        t.rect(side + (0 if side == 0 else 3), 0, 1, N, "brown")
    t.rect(0, 31, N, 1, "ink")
    return t


def railing():
    t = floor()
    # shadow of the rail on the floor
    t.rect(0, 23, N, 2, "brown")
    for px in (6, 22):
        t.rect(px - 1, 25, 6, 1, "brown")
    # posts every 16 pixels so the railing runs on across tiles
    for px in (6, 22):
        t.rect(px - 1, 9, 6, 16, "ink")
        t.rect(px, 10, 4, 14, "brown")
        t.rect(px, 10, 1, 14, "tan")
        t.rect(px + 3, 10, 1, 14, "brown_d")
        t.rect(px - 1, 24, 6, 1, "ink")
    # top rail and lower rail
    t.rect(0, 5, N, 6, "ink")
    t.rect(0, 6, N, 4, "brown")
    t.rect(0, 6, N, 1, "wood_l")
    t.rect(0, 7, N, 1, "tan")
    t.rect(0, 9, N, 1, "brown_d")
    t.rect(0, 16, N, 4, "ink")
    t.rect(0, 17, N, 2, "brown")
    t.rect(0, 17, N, 1, "tan")
    for px in (6, 22):
        t.rect(px, 16, 4, 4, "brown")
        t.rect(px, 16, 1, 4, "tan")
        t.rect(px + 3, 16, 1, 4, "brown_d")
    return t


def all_tiles():
    """Returns the 20 map tiles indexed by map code."""
    tiles = [dark() for _ in range(20)]
    tiles[1] = grass()
    tiles[2] = water()
    tiles[3] = sand()
    tiles[4] = ice()
    tiles[5] = goal_line(False, away=False)
    tiles[6] = goal_line(True, away=False)
    tiles[7] = goal_line(False, away=True)
    tiles[8] = goal_line(True, away=True)
    tiles[10] = floor()
    tiles[11] = red_wall()
    tiles[12] = red_wall_bottom()
    tiles[13] = lav_wall()
    tiles[14] = lav_wall_bottom()
    tiles[15] = chair()
    tiles[16] = counter()
    tiles[17] = stairs(True)
    tiles[18] = stairs(False)
    tiles[19] = railing()
    return tiles
