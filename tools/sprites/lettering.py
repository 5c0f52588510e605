"""Hand-drawn kana for the yes/no prompt and the title logo 大会にモキモキ."""
from canvas import Img, Sheet, parse_grid
from palette import COLORS, BG

# ------------------------------------------------------------------ はい / いいえ
# 14-15 px tall glyphs with 2 px strokes, black on white.

KANA = {
    "は": """
.##.......##...
.##.......##...
.##..#########.
.##..#########.
.##.......##...
##........##...
##........##...
##........##...
##........##...
##.....#####...
##....##..###..
##....##..####.
##.....####..##
##............#
""",
    "い": """
.##...........
.##...........
.##.......##..
.##........##.
##.........##.
##..........##
##..........##
##..........##
##............
##....##......
##...##.......
.##.##........
.####.........
..##..........
""",
    "え": """
....###.......
.....####.....
..............
.###########..
.###########..
........###...
.......###....
......###.....
.....#######..
....###...##..
...###....##..
..###.....##..
.###......####
###........###
""",
    "▶": """
##......
###.....
#####...
######..
########
######..
#####...
###.....
##......
""",
}


def yesno(choice):
    """80x50: はい over いいえ, with the pointer before the chosen line."""
    ink = COLORS["black"]
    sheet = Sheet(80, 50)

    def put(glyph, x0, y0):
        g = parse_grid(KANA[glyph], {"#": ink})
        sheet.put(g.solid(BG), g.w, g.h, x0, y0)

    put("は", 22, 4)
    put("い", 40, 4)
    put("い", 22, 30)
    put("い", 39, 30)
    put("え", 56, 30)
    put("▶", 8, 7 if choice == 0 else 33)
    return sheet


# ------------------------------------------------------------------ the title logo
# Glyphs on a 12x13 grid, scaled by 6 and given a bevel, an ink outline and a
# drop shadow.

TITLE = [
    ("大", """
.....##.....
.....##.....
############
############
.....##.....
.....##.....
....####....
....##.##...
...##...##..
..###....##.
.###......##
###.......##
##.........#
"""),
    ("会", """
.....##.....
....####....
...##..##...
..##....##..
.##......##.
##.######.##
...######...
............
############
....##......
...##...##..
..##.....##.
.##########.
"""),
    ("に", """
##..........
##..######..
##..######..
##..........
##..........
##..........
##..........
##..##......
##..##......
##..##......
##...######.
##....######
##..........
"""),
    ("モ", """
.##########.
.##########.
.....##.....
.....##.....
############
############
.....##.....
.....##.....
.....##.....
.....##...##
.....##...##
......######
.......####.
"""),
    ("キ", """
.....##.....
.....##.....
.##########.
.##########.
......##....
############
############
......##....
.......##...
.......##...
.......##...
.......##...
.......##...
"""),
]
# colour of each letter: light, base, dark
TITLE_COLOURS = [
    ("rose", "red", "brown_d"),
    ("wood_l", "orange", "brown"),
    ("lime", "green", "forest"),
    ("pink_l", "pink", "purple"),
    ("cyan", "sky", "blue"),
    ("sand_l", "gold", "gold_d"),
    ("lav_l", "lav", "lav_d"),
]

SCALE = 6


def title():
    """560x240: the logo on white above its mask."""
    W, H = 560, 120
    letters = Img(W, H)   # fills only
    order = ["大", "会", "に", "モ", "キ", "モ", "キ"]
    glyphs = dict(TITLE)
    adv = 79
    x0 = (W - (adv * 6 + 12 * SCALE)) // 2
    y0 = (H - 13 * SCALE) // 2 - 4
    for i, ch in enumerate(order):
        rows = glyphs[ch].strip("\n").split("\n")
        light, base, dark = (COLORS[c] for c in TITLE_COLOURS[i])
        cells = {(gx, gy) for gy, row in enumerate(rows) for gx, c in enumerate(row) if c == "#"}

        def edge(gx, gy, dx, dy):
            """True where the stroke has an open side of at least two cells
            (so the steps of diagonal strokes stay plain)."""
            if (gx + dx, gy + dy) in cells:
                return False
            if dy:
                return any((gx + side, gy) in cells and (gx + side, gy + dy) not in cells
                           for side in (-1, 1))
            return any((gx, gy + side) in cells and (gx + dx, gy + side) not in cells
                       for side in (-1, 1))
        fill = set()
        for gx, gy in cells:
            top, bottom, right = edge(gx, gy, 0, -1), edge(gx, gy, 0, 1), edge(gx, gy, 1, 0)
            for yy in range(SCALE):
                for xx in range(SCALE):
                    if top and yy < 2:
                        col = light
                    elif bottom and yy >= SCALE - 2 or right and xx >= SCALE - 2:
                        col = dark
                    else:
                        col = base
                    x, y = x0 + i * adv + gx * SCALE + xx, y0 + gy * SCALE + yy
                    fill.add((x, y))
                    letters.set(x, y, col)
        # a little shine on the first stroke pixel of each letter
        top = min(fill, key=lambda p: (p[1], p[0]))
        letters.set(top[0] + 1, top[1] + 1, COLORS["white"])
    # ink outline three pixels wide with rounded corners, then a drop shadow
    body = letters
    for _ in range(3):
        body = body.outlined(COLORS["ink"], diagonal=_ % 2 == 1)
    shadow = Img(W, H)
    for y in range(H):
        for x in range(W):
            if body.get(x - 4, y - 4) is not None and body.get(x, y) is None:
                shadow.set(x, y, COLORS["purple"])
    logo = shadow.copy().blit(body)
    sheet = Sheet(W, 2 * H)
    sheet.put(logo.picture(), W, H, 0, 0)
    sheet.put(logo.silhouette(), W, H, 0, H)
    return sheet
