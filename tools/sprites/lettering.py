"""Hand-drawn kana for the yes/no prompt, the title logo 大会にモキモキ and
its English counterpart MOKIMOKI AT THE TOURNAMENT."""
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


def paint_glyph(letters, rows, x0, y0, scale, bevel, colours, shine=True):
    """Paints one glyph grid onto `letters` at (x0, y0), each cell a
    scale x scale block: the light colour along the top of a stroke, the dark
    one along its bottom and right side (`bevel` pixels deep), the base colour
    inside, and a little shine on its first pixel."""
    light, base, dark = (COLORS[c] for c in colours)
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
        for yy in range(scale):
            for xx in range(scale):
                if top and yy < bevel:
                    col = light
                elif bottom and yy >= scale - bevel or right and xx >= scale - bevel:
                    col = dark
                else:
                    col = base
                x, y = x0 + gx * scale + xx, y0 + gy * scale + yy
                fill.add((x, y))
                letters.set(x, y, col)
    if shine:
        top = min(fill, key=lambda p: (p[1], p[0]))
        letters.set(top[0] + 1, top[1] + 1, COLORS["white"])


def outlined(letters, width):
    """An ink outline `width` pixels wide with rounded corners."""
    body = letters
    for k in range(width):
        body = body.outlined(COLORS["ink"], diagonal=k % 2 == 1)
    return body


def logo_sheet(body):
    """The outlined lettering with its drop shadow, on white above its mask."""
    W, H = body.w, body.h
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
        paint_glyph(letters, rows, x0 + i * adv, y0, SCALE, 2, TITLE_COLOURS[i])
    # ink outline three pixels wide with rounded corners, then a drop shadow
    return logo_sheet(outlined(letters, 3))


# ------------------------------------------------------------------ the English logo
# "MOKIMOKI" in the same bevelled letters, and "AT THE TOURNAMENT" beneath it
# at half the size. Strokes are two cells wide, as in the Japanese glyphs.

BIG = {
    "M": """
##........##
###......###
####....####
##.##..##.##
##..####..##
##...##...##
##........##
##........##
##........##
##........##
##........##
""",
    "O": """
..######..
.########.
###....###
##......##
##......##
##......##
##......##
##......##
###....###
.########.
..######..
""",
    "K": """
##......##
##.....##.
##....##..
##...##...
##..##....
#####.....
##..##....
##...##...
##....##..
##.....##.
##......##
""",
    "I": """
######
######
..##..
..##..
..##..
..##..
..##..
..##..
..##..
######
######
""",
}

SMALL = {
    "A": """
..####..
.######.
###..###
##....##
##....##
########
########
##....##
##....##
##....##
""",
    "T": """
########
########
...##...
...##...
...##...
...##...
...##...
...##...
...##...
...##...
""",
    "H": """
##....##
##....##
##....##
##....##
########
########
##....##
##....##
##....##
##....##
""",
    "E": """
#######
#######
##.....
##.....
######.
######.
##.....
##.....
#######
#######
""",
    "O": """
.######.
########
##....##
##....##
##....##
##....##
##....##
##....##
########
.######.
""",
    "U": """
##....##
##....##
##....##
##....##
##....##
##....##
##....##
##....##
########
.######.
""",
    "R": """
#######.
########
##....##
##....##
########
#######.
##..###.
##...###
##....##
##....##
""",
    "N": """
##....##
###...##
####..##
##.##.##
##.##.##
##..####
##..####
##...###
##....##
##....##
""",
    "M": """
##......##
###....###
####..####
##.####.##
##..##..##
##......##
##......##
##......##
##......##
##......##
""",
}

# MOKIMOKI takes the colours of モキモキ, twice over; the small line those of
# 大会に, one word each (TOURNAMENT for 大会, AT for に).
BIG_COLOURS = TITLE_COLOURS[3:] * 2
SMALL_COLOURS = {"AT": TITLE_COLOURS[2], "THE": TITLE_COLOURS[1],
                 "TOURNAMENT": TITLE_COLOURS[0]}

BIG_GAP = 10     # pixels between big letters
SMALL_SCALE = 3
SMALL_GAP = 8
SPACE = 22       # pixels between words of the small line


def _rows(grid):
    return grid.strip("\n").split("\n")


def title_en():
    """560x240: the English logo on white above its mask."""
    W, H = 560, 120
    big = Img(W, H)
    word = "MOKIMOKI"
    width = sum(len(_rows(BIG[c])[0]) * SCALE for c in word) + BIG_GAP * (len(word) - 1)
    x = (W - width) // 2 - 2
    y = 4
    for i, ch in enumerate(word):
        rows = _rows(BIG[ch])
        paint_glyph(big, rows, x, y, SCALE, 2, BIG_COLOURS[i])
        x += len(rows[0]) * SCALE + BIG_GAP
    small = Img(W, H)
    words = ["AT", "THE", "TOURNAMENT"]
    width = sum(len(_rows(SMALL[c])[0]) * SMALL_SCALE + SMALL_GAP for w in words for c in w)
    width += SPACE * (len(words) - 1) - SMALL_GAP * len(words)
    x = (W - width) // 2 - 2
    y = 80
    for w in words:
        for ch in w:
            rows = _rows(SMALL[ch])
            paint_glyph(small, rows, x, y, SMALL_SCALE, 1, SMALL_COLOURS[w], shine=False)
            x += len(rows[0]) * SMALL_SCALE + SMALL_GAP
        x += SPACE - SMALL_GAP
    return logo_sheet(outlined(big, 3).blit(outlined(small, 3)))
