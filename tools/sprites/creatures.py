"""Cast members that are not people: モキモキ, the dog 犬ラ and the seabird
カツオドリ.  Same conventions as the people: text grids of colour roles on the
32x32 cell, a one-pixel ink outline per layer, right facing mirrored for left.
"""
from figures import G, Layer, figure, resolve_roles

# ------------------------------------------------------------------ モキモキ
# A small round mochi of fluff: M body, m shade, j shine, R cheeks, F feet.

MOKI_BODY = {
    "down": G(10, """
..............j...j
...........MMjMM.MjMM
..........MMjjMMMMMMMM
.........MjjMMMMMMMMMMM
........MjjMMMMMMMMMMMMM
.......MMjMMMMMMMMMMMMMMm
......MMMMMMMMMMMMMMMMMMMm
.......MMMMMMMMMMMMMMMMMm
......MMMMMKKMMMMMMKKMMMMm
......MMMMMKWMMMMMMKWMMMMm
......MMMMMKKMMMMMMKKMMMMMm
.....MMMMRRMMMKMMKMMMRRMMm
......MMMMMMMMMKKMMMMMMMmm
.......MMMMMMMMMMMMMMMMMm
......mMMMMMMMMMMMMMMMMmm
.......mmMMMMMMMMMMMMmmm
.........mmmmmmmmmmmmmm
"""),
    "up": G(10, """
..............j...j
...........MMjMM.MjMM
..........MMjjMMMMMMMM
.........MjjMMMMMMMMMMM
........MjjMMMMMMMMMMMMM
.......MMjMMMMMMMMMMMMMMm
......MMMMMMMMMMMMMMMMMMMm
.......MMMMMMMMMMMMMMMMMm
......MMMMMMMMMMMMMMMMMMMm
......MMMMMMMMMMMMMMMMMMMm
......MMMMMMMMMMMMMMMMMMMMm
.....MMMMMMMMMMMMMMMMMMMMm
......MMMMMMMMMjjMMMMMMMmm
.......MMMMMMMjMMjMMMMMMm
......mMMMMMMMjjjMMMMMMmm
.......mmMMMMMMMMMMMMmmm
.........mmmmmmmmmmmmmm
"""),
    "right": G(10, """
...............j...j
............MMjMM.MjM
..........MMMjjMMMMMMM
.........MMjjMMMMMMMMMM
........MMjMMMMMMMMMMMMM
.......MMjMMMMMMMMMMMMMMM
.......MMMMMMMMMMMMMMMMMMM
......MMMMMMMMMMMMMMMMMMMM
.......MMMMMMMMMMMMMMKKMMM
......MMMMMMMMMMMMMMMKWMMM
......MMMMMMMMMMMMMMMKKMMMM
.....MMMMMMMMMMMMMMRRMMMKM
......MMMMMMMMMMMMMMMMMMMM
.......MMMMMMMMMMMMMMMMMm
......mMMMMMMMMMMMMMMMMmm
.......mmMMMMMMMMMMMMmmm
.........mmmmmmmmmmmmmm
"""),
}
MOKI_FEET = {
    ("down", 0): G(27, """
..........FFF......FFF
..........fFf......fFf
"""),
    ("down", 1): G(27, """
.........FFF........FFF
.........fFf
"""),
    ("up", 0): G(27, """
..........FFF......FFF
..........fFf......fFf
"""),
    ("up", 1): G(27, """
.........FFF........FFF
....................fFf
"""),
    ("right", 0): G(27, """
.............FFFF
.............fFFf
"""),
    ("right", 1): G(27, """
.........FFF.......FFFF
.........fFf
"""),
}


def moki(facing, frame):
    roles = resolve_roles({"M": "pink_l", "m": "pink", "j": "white", "R": "rose",
                           "F": "rose", "f": "red", "W": "white"})

    def layers(f):
        return [Layer(MOKI_FEET), Layer(MOKI_BODY)]
    img = figure(layers, roles, facing, 0)
    if frame == 1:
        # the hop: the fluff bounces up a pixel and the feet spread
        body = figure(lambda f: [Layer(MOKI_BODY)], roles, facing, 0).shifted(0, -1)
        feet = figure(lambda f: [Layer(MOKI_FEET)], roles, facing, 1)
        img = feet.copy().blit(body)
    return img


# ------------------------------------------------------------------ 犬ラ
# A shiba-like dog: X coat, x shade, Y light coat, W white muzzle and chest,
# w its shade, K nose and eyes, R tongue.

DOG_HEAD = {
    "down": G(6, """
..........XX........XX
.........XRXX......XXRX
.........XRRXXXXXXXXRRX
.........XXXXXXXXXXXXXx
........XXXXXXXXXXXXXXXx
........XXWKXXXXXXXXKWXx
........XXWWXXXXXXXXWWXx
........XWWWWWWKKWWWWWWx
.........WWWWWWKKWWWWWw
..........wWWWWRRWWWWw
............wwwwwwww
"""),
    "up": G(6, """
..........XX........XX
.........XXXX......XXXX
.........XXXXXXXXXXXXXX
.........XYXXXXXXXXXXXx
........XYXXXXXXXXXXXXXx
........XXXXXXXXXXXXXXXx
........XXXXXXXXXXXXXXXx
........XXXXXXXXXXXXXXXx
.........XXXXXXXXXXXXXx
..........xXXXXXXXXXXx
............xxxxxxxx
"""),
    "right": G(5, """
...............XX..XX
..............XRX.XRXX
.............XXRXXXRRX
.............XXXXXXXXXX
............XXXXXXXXXXXX
............XYXXXXXXKXXXWWW
............XXXXXXXXXXWWWWWK
............XXXXXXXXWWWWWWWK
.............XXXXXXWWWWWWWW
..............xXXXWWWWRRww
................xxxxx
"""),
}
DOG_BODY = {
    "down": G(16, """
..........XXXXXXXXXXXX
.........XXXWWWWWWXXXXx
.........XXWWWWWWWWXXXx
.........XXWWWWWWWWXXXx
.........XXXWWWWWWXXXxx
..........XXXXXXXXXXxx
"""),
    "up": G(13, """
..............YYYY
.............YXXXXY
.............YX..XY
..............XXXX
.........XXXXXXXXXXXXXx
.........XXXXXXXXXXXXXx
.........XXXXXXXXXXXXXx
.........XXXXXXXXXXXXXx
.........XXXXXWWWWXXXXx
..........XXXWWWWWWXXxx
"""),
    "right": G(12, """
...YYY
..YXXXY
..YX.XY
..YXXY
...XX
....XXXXXXXXXXXXXXX
....XYYYYYYYYYXXXXXX
....XXXXXXXXXXXXXXXX
....XXXXXXXXXXXXXXXX
....xXXXXWWWWWWWXXXx
.....xxxWWWWWWWWWxx
"""),
}
DOG_LEGS = {
    ("down", 0): G(22, """
...........XX......XX
...........XX......XX
...........XX......XX
...........XX......XX
..........WWW......WWW
"""),
    ("down", 1): G(22, """
...........XX......XX
...........XX......XX
...........XX......XX
..........WWW......XX
...................WWW
"""),
    ("up", 0): G(23, """
..........XXX......XXX
..........XXX......XXX
..........XXX......XXX
..........WWW......WWW
"""),
    ("up", 1): G(23, """
..........XXX......XXX
..........XXX......XXX
..........WWW......XXX
...................WWW
"""),
    ("right", 0): G(23, """
.....XX..XX......XX..XX
.....XX..XX......XX..XX
.....XX..XX......XX..XX
.....xx..xx......xx..xx
....WWW.WWW.....WWW.WWW
"""),
    ("right", 1): G(23, """
....XX....XX....XX....XX
...XX......XX..XX......XX
...XX......XX..XX......XX
..xx........xxxx........xx
.WWW........WWWW........WWW
"""),
}


def dog(facing, frame):
    roles = resolve_roles({"X": "orange", "x": "brown", "Y": "wood_l", "W": "white",
                           "w": "steel", "R": "rose"})

    def layers(f):
        if f == "up":
            return [Layer(DOG_LEGS), Layer(DOG_HEAD), Layer(DOG_BODY)]
        return [Layer(DOG_LEGS), Layer(DOG_BODY), Layer(DOG_HEAD)]
    return figure(layers, roles, facing, frame)


# ------------------------------------------------------------------ カツオドリ
# An upright booby: W white head and breast, X brown wings and back, Y wing
# light, Z beak, K eye, F the famous bright blue feet.

BIRD_BODY = {
    "down": G(4, """
.............WWWWWW
............WWWWWWWW
...........WWWWWWWWWw
...........WWWWWWWWWw
...........WYKWWWWKYw
...........WWWWZZWWWw
............wWZZZZWw
.............wZZZZw
..........XX..zZZz..XX
.........XYXX.WzzW.XXXx
........XYXXWWWWWWWWXXXx
........XYXWWWWWWWWWWXXx
........XYXWWWWWWWWWWXXx
........XXXWWWWWWWWWWXXx
........XXXWWWWWWWWWWXXx
........XXXwWWWWWWWWwXXx
.........XXwWWWWWWWWwXx
.........XXXwWWWWWWwXXx
..........xXXwwwwwwXXx
............xx....xx
"""),
    "up": G(4, """
.............WWWWWW
............WWWWWWWW
...........WWWWWWWWWw
...........WWWWWWWWWw
...........WWWWWWWWWw
...........wWWWWWWWWw
............wWWWWWWw
.............wwwwww
..........XXXXXXXXXX
.........XYXXXXXXXXXx
........XYXXXXXXXXXXXx
........XYXXXXXXXXXXXx
........XYXXXXXXXXXXXx
........XXXXXXXXXXXXXx
........XXXXXXXXXXXXXx
........XXXXXXXXXXXXXx
.........XXXXXXXXXXXx
.........xXXXXXXXXXXx
..........xxXXXXXXxx
............XXXXXX
.............xXXx
"""),
    "right": G(4, """
.............WWWWWW
............WWWWWWWW
...........WWWWWWWWWW
...........WWWWWWWYKWZZ
...........WWWWWWWWWWZZZZZ
...........wWWWWWWWWWzzzzzZ
............wWWWWWWW.....
.............WWWWWW
...........XXXXWWWWW
.........XXXYYXWWWWWW
........XXYYYXXXWWWWWW
.......XXYYXXXXXWWWWWW
......XXXXXXXXXXWWWWWW
.....XXXXXXXXXXXWWWWWW
....XXxXXXXXXXXXWWWWWw
...XXx.xXXXXXXXXWWWWWw
..XXx...xXXXXXXXwWWWw
..........xXXXXXwwww
............xxxx
"""),
}
BIRD_FEET = {
    ("down", 0): G(24, """
..........FFFF....FFFF
.........FFFFf....fFFFF
.........FFfF......FfFF
"""),
    ("down", 1): G(24, """
..........FFFF....FFFF
.........FFFFf....fFFFF
..................FfFF
"""),
    ("up", 0): G(24, """
..........FFFF....FFFF
.........FFFFf....fFFFF
.........FFfF......FfFF
"""),
    ("up", 1): G(24, """
..........FFFF....FFFF
.........FFFFf....fFFFF
.........FFfF
"""),
    ("right", 0): G(23, """
...............F
...............F
...............F
..............FFFFF
..............fFFFFF
"""),
    ("right", 1): G(23, """
.............F...F
.............F....F
............F.....F
.........FFFFF...FFFFF
.........fFFFF...fFFFF
"""),
}


def bird(facing, frame):
    roles = resolve_roles({"W": "white", "w": "steel", "X": "brown", "x": "brown_d",
                           "Y": "tan", "Z": "steel", "z": "grey", "F": "cyan", "f": "blue"})

    def layers(f):
        return [Layer(BIRD_FEET), Layer(BIRD_BODY)]
    img = figure(layers, roles, facing, frame)
    if frame == 1:
        # a waddle: the body tips down a pixel on the step
        body = figure(lambda f: [Layer(BIRD_BODY)], roles, facing, 0).shifted(0, 1)
        feet = figure(lambda f: [Layer(BIRD_FEET)], roles, facing, 1)
        img = feet.copy().blit(body)
    return img


DRAWERS = {1: moki, 14: dog, 18: bird}
