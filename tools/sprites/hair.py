"""Hair styles and headwear, drawn over the head (same layer, one outline).

Letters as in parts.py; H/h/j are the hair colours, X/x/Y/y extras.
"""
from figures import G

SPIKY = {
    "down": G(0, """
..............H..H
...........H.HHjHH.H
..........HHHjjHHHHHHH
.........HHjjHHHHHHHHHH
........HHjHHHHHHHHHHHHH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHhHHHHHhHHHhH
........HhH..hHHH..hHHhH
........Hh....h......hhH
........H..............H
"""),
    "up": G(0, """
..............H..H
...........H.HHjHH.H
..........HHHjjHHHHHHH
.........HHjjHHHHHHHHHH
........HHjHHHHHHHHHHHHH
........HHjHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HhHHhHHHHhHHhHhH
.........hH.hHH.HHh.hHh
..........h..h...h...h
"""),
    "right": G(0, """
.............H..H
..........H.HHjHH
.........HHHjjHHHHH
........HHjjHHHHHHHH
........HjHHHHHHHHHHH
.......HHHHHHHHHHHHHHH
.......HHHHHHHHHHHHHHHH
.......HHHHHHHHHHHhHHHH
.......HHHHHHHHHHH.hHH.H
.......HHHHHh..HHh.....
........HHHh...Hh
.........hH....h
..........h
"""),
}

# neat hair with a swept fringe, side locks and a bun at the back
BUN = {
    "down": G(1, """
............HHHHHHHH
..........HHHjjjHHHHHH
.........HHjjHHHHHHHHHH
........HHjHHHHHHHHHHHHH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHh..hHH
........HHHHHHHh.......H
........HHHh...........H
........HHh............H
........Hh.............h
"""),
    "up": G(1, """
............HHHHHHHH
..........HHHjjjHHHHHH
.........HHjjHHHHHHHHHH
........HHjHHKKKKKKHHHHH
........HHHHKHHjjHHKHHhH
........HHHHKHjHHHhKHHhH
........HHHHKHHHHhhKHHhH
........HHHHHKKKKKKHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........hHHHHHHHHHHHHHhh
.........hhHHHHHHHHHHhh
"""),
    "right": G(1, """
...........HHHHHHH
.........HHHjjjHHHHH
........HHjjHHHHHHHHH
.....KKHHjHHHHHHHHHHHH
....KHjKHHHHHHHHHHHHHHH
....KjHKHHHHHHHHHHHHHHH
....KHhKHHHHHHHHHHHHhHH
.....KKhHHHHHHHHHHHh..hH
.......HHHHHh..HHh
........HHHh...Hh
........HHh....h
.........h
"""),
}

# Santa's floppy red cap with its white brim and bobble; white hair below
SANTA_CAP = {
    "down": G(0, """
...............CCCC...WW
.............qCCCCCCCWWww
............qCCCCCCCCcWww
...........qCCCCCCCCCCc
.........WWWWWWWWWWWWWWW
........WWWWWWWWWWWWWWWW
........wWWwWWWWWwWWWwWw
........WW.............WW
........WW.............WW
........Ww.............wW
"""),
    "up": G(0, """
...............CCCC...WW
.............qCCCCCCCWWww
............qCCCCCCCCcWww
...........qCCCCCCCCCCc
.........WWWWWWWWWWWWWWW
........WWWWWWWWWWWWWWWW
........wWWwWWWWWwWWWwWw
........WWWWWWWWWWWWWWWW
........WWWWWWWWWWWWWWWW
........wWWWWWWWWWWWWWWw
.........wWWWWWWWWWWWWw
..........wwWWWWWWWWww
"""),
    "right": G(0, """
..WW.......CCCC
.WWwwCCCCCCCCCCq
.wWwcCCCCCCCCCCCq
..ww..ccCCCCCCCCCq
.........WWWWWWWWWWWWW
........WWWWWWWWWWWWWWW
........wWWwWWWWWwWWWwW
........WWWWW
........WWWWw
.........WWw
..........w
"""),
}

SANTA_BEARD = {
    "down": G(11, """
..........WWWWWwwWWWWW
.........WWWWWWmmWWWWWW
.........WWWWWWWWWWWWWW
.........wWWWWWWWWWWWWw
..........wWWWWWWWWWWw
...........wWWWWWWWWw
.............wWWWWw
"""),
    "right": G(11, """
..................WWWWWw
.................WWWWWWm
................WWWWWWWW
................wWWWWWWw
................wWWWWWw
.................wWWWWw
...................ww
"""),
}

# golden hair with big ringlets hanging on both sides and a ribbon on top
RINGLETS = {
    "down": G(0, """
............HHHHHHHH...XX
..........HHHjjjjHHHHXXxXX
.........HHjjHHHHHHHHHXxxX
........HHjHHHHHHHHHHHHXX
.......HHjHHHHHHHHHHHHHHH
.......HHHHHHHHHHHHHHHHhH
.......HHHHHHHHhHHHHHHHhH
.......HHHHHHHh..hHHHHHhH
.......HHHHHh......hHHHhH
......jHHHh..........hHHH
.....jHHHh............jHHh
.....HHHhh............HHhh
......hhh..............hh
.....jHHHh............jHHh
.....HHHhh............HHhh
......hhh..............hh
.....jHHHh............jHHh
.....HHHhh............HHhh
......hh...............hh
"""),
    "up": G(0, """
............HHHHHHHH...XX
..........HHHjjjjHHHHXXxXX
.........HHjjHHHHHHHHHXxxX
........HHjHHHHHHHHHHHHXX
.......HHjHHHHHHHHHHHHHHH
.......HHHHHHHHHHHHHHHHhH
.......HHHHHHHHHHHHHHHHhH
.......HHHHHHHHHHHHHHHHhH
.......HHHHHHHHHHHHHHHHhH
......jHHHHHHHHHHHHHHHHHH
.....jHHHhHHHHHHHHHHhjHHh
.....HHHhhHHHHHHHHHHhHHhh
......hhh.hHHHHHHHHh...hh
.....jHHHh.hhhhhhhh...jHHh
.....HHHhh............HHhh
......hhh..............hh
.....jHHHh............jHHh
.....HHHhh............HHhh
......hh...............hh
"""),
    "right": G(0, """
...........HHHHHHHH.XX
.........HHHjjjjHHHXXxX
........HHjjHHHHHHHXxxX
.......HHjHHHHHHHHHHXX
......HHjHHHHHHHHHHHHHH
......HHHHHHHHHHHHHHHHHH
......HHHHHHHHHHHHHHHHhHH
......HHHHHHHHHHHHHHh..hH
......HHHHHHh..HHHh
......jHHHHh...Hh
.....jHHHh.....h
.....HHHhh
......hhh
.....jHHHh
.....HHHhh
......hhh
.....jHHHh
.....HHHhh
......hh
"""),
}

# blond tousled hair with a sweatband (X, with a Y stripe)
SWEATBAND = {
    "down": G(1, """
...........H.HHHH.H
..........HHjjHHHHHHH
.........HjjHHHHHHHHhH
........HHjHHHHHHHHHHhH
........XXXXXXXXXXXXXXXX
........YYYYYYYYYYYYYYYY
........xXXXXXXXXXXXXXXx
........Hh.hHH...hHh.hhH
........H...h......h...H
"""),
    "up": G(1, """
...........H.HHHH.H
..........HHjjHHHHHHH
.........HjjHHHHHHHHhH
........HHjHHHHHHHHHHhH
........XXXXXXXXXXXXXXXX
........YYYYYYYYYYYYYYYY
........xXXXXXXXXXXXXXXx
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........hHHhHHHHHHhHHHhh
.........hh.hHHHHh.hhh
...........XX
..........XX
"""),
    "right": G(1, """
..........H.HHHH.H
.........HHjjHHHHHH
........HjjHHHHHHHHH
.......HHjHHHHHHHHHHHH
.......XXXXXXXXXXXXXXXX
.......YYYYYYYYYYYYYYYY
.....XXxXXXXXXXXXXXXXXx
....XX.HHHHHHHHHHh.h.hH
.......HHHHHh..HHh
........HHHh...Hh
.........hH....h
"""),
}

# a knight's closed helm with a red crest; replaces the head outright
HELM = {
    "down": G(0, """
...............ZZ
..............ZZzZ
...........XXXZzzZXXX
..........XYXXXXXXXXXX
.........XYYXXXXXXXXXXx
.........XYXXXXXXXXXXXx
.........XXXXXXXXXXXXXx
.........xxxxxxxxxxxxxx
.........xKKKKKKKKKKKKx
.........XXXXXXXXXXXXXx
.........XXXXXKXXKXXXXx
.........XYXXXXXXXXXXXx
.........xXXXXKXXKXXXXx
..........xxXXXXXXXXxx
...........xxxxxxxxxx
"""),
    "up": G(0, """
...............ZZ
..............ZZzZ
...........XXXZzzZXXX
..........XYXXZzzZXXXX
.........XYYXXZzzZXXXXx
.........XYXXXZzzZXXXXx
.........XXXXXXZZXXXXXx
.........XXXXXXXXXXXXXx
.........XXXXXXXXXXXXXx
.........XXXXXXXXXXXXXx
.........XXXXXXXXXXXXXx
.........XYXXXXXXXXXXXx
.........xXXXXXXXXXXXXx
..........xxXXXXXXXXxx
...........xxxxxxxxxx
"""),
    "right": G(0, """
.........ZZZ
.......ZZzzZZ
.....ZZzz.XXXXXXX
....Zz...XYXXXXXXXX
.........YYXXXXXXXXXX
.........YXXXXXXXXXXXX
.........XXXXXXXXXXXXX
.........XxxxxxxxxxxxxX
.........XXXXXXxKKKKKKK
.........XXXXXXXXXXXXXX
.........XXXXXXXXXXKXKX
.........XYXXXXXXXXXXXX
.........xXXXXXXXXXKXKx
..........xxXXXXXXXXXx
...........xxxxxxxxxx
"""),
}

# a cap worn back to front (X cap, x shade, Y button) over short hair
CAP_BACK = {
    "down": G(1, """
............XXXXXXXX
..........XXXXYXXXXXXX
.........XqXXXXXXXXXXxX
........XqXXXXXXXXXXXXxX
........XXXXXXXXXXXXXXxX
........xxxxxxxxxxxxxxxx
........HHHHhHHHHhHHHhHH
........Hh.h....h...h.hH
........H..............H
"""),
    "up": G(1, """
............XXXXXXXX
..........XXXXYXXXXXXX
.........XqXXXXXXXXXXxX
........XqXXXXXXXXXXXXxX
........XXXXXKKKKKKXXXxX
........xxxxKxxxxxxKxxxx
.........xxxxxxxxxxxxxx
..........xxxxxxxxxxxx
........HHHHHHHHHHHHHHhH
........hHHHHHHHHHHHHHhh
.........hhHhHHHHhHHhh
"""),
    "right": G(1, """
...........XXXXXXXX
.........XXXXYXXXXXX
........XqXXXXXXXXXXx
.......XqXXXXXXXXXXXXx
...xxxxXXXXXXXXXXXXXXx
..xxxxxxxxxxxxxxxxxxxx
.......HHHHHHHHHHHHhHHH
.......HHHHHHHHHHHh.hHH
.......HHHHHh..HHh
........HHHh...Hh
.........hH....h
"""),
}

# short neat hair with a side parting
NEAT = {
    "down": G(1, """
............HHHHHHHH
..........HHHHHjjHHHHH
.........HHHHjjHHHHHHHH
........HHHHjHHHHHHHHHHH
........HHHhHHHHHHHHHHhH
........HHhHHHHHHHHHHHhH
........HHhHHHHHHHHHHHhH
........HHh..hHHHHHHHHhH
........Hh.......hHHHHhH
........H.............hH
"""),
    "up": G(1, """
............HHHHHHHH
..........HHHjjjHHHHHH
.........HHjjHHHHHHHHHH
........HHjHHHHHHHHHHHHH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........hHHHHHHHHHHHHHhh
.........hhHHHHHHHHHHhh
"""),
    "right": G(1, """
...........HHHHHHH
.........HHHHjjHHHHH
........HHHjjHHHHHHHH
.......HHHjHHHHHHHHHHH
.......HHHHHHHHHHHHHHHH
.......HHHHHHHHHHHHHHHhH
.......HHHHHHHHHHHHHHh.H
.......HHHHHHHHHHHhh
.......HHHHHh..HHh
........HHHh...Hh
.........hH....h
"""),
}

# a close crop: a thin cap of stubble showing the head's shape
BUZZ = {
    "down": G(2, """
............hhhhhhhh
..........hHHHHjjHHHHh
.........hHHHjjHHHHHHHh
.........HHHjHHHHHHHHHH
.........HHHHHHHHHHHHHH
.........hHHHHHHHHHHHHh
.........h............h
"""),
    "up": G(2, """
............hhhhhhhh
..........hHHHHjjHHHHh
.........hHHHjjHHHHHHHh
.........HHHjHHHHHHHHHH
.........HHHHHHHHHHHHHH
.........HHHHHHHHHHHHHH
.........HHHHHHHHHHHHHH
.........HHHHHHHHHHHHHH
.........hHHHHHHHHHHHHh
..........hhHHHHHHHHhh
"""),
    "right": G(2, """
............hhhhhhhh
..........hHHHHjjHHHHh
.........hHHHjjHHHHHHHh
.........HHHjHHHHHHHHHHH
.........HHHHHHHHHHHHHh
.........HHHHHHHHHHHh
.........HHHHHHh
.........hHHHHh
..........hHh
"""),
}

# a tall slicked-back pompadour
POMPADOUR = {
    "down": G(0, """
...........jjjjHHHHH
.........jjHHHHHHHHHHH
........jHHHHHHHHHHHHHH
........HHHHHHHHHHHHHHhH
........HHHhhhhhhhhhhhhH
........HHh...........hH
........HH............HH
........HH............HH
........Hh............hH
"""),
    "up": G(0, """
...........jjjjHHHHH
.........jjHHHHHHHHHHH
........jHHHHHHHHHHHHHH
........HHHHHHHHHHHHHHhH
........HHHjHHHHHHjHHHhH
........HHjHHHHHHHjHHHhH
........HHjHHHHHHHHjHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........hHHHHHHHHHHHHHhh
.........hhHHHHHHHHHHhh
"""),
    "right": G(0, """
..............jjjjjjj
...........jjjHHHHHHHHH
.........jjHHHHHHHHHHHHH
........HHHHHHHHHHHHHHHH
.......HHHHHHHHhhhhhhhh
.......HHHHHHHHHHHH
.......HHHHHHHHHHHh
.......HHHHHHHHHh
.......HHHHHh..Hh
........HHHh...h
.........hH
"""),
}

# a bald crown with a shine, white tufts over the ears and big brows
BALD = {
    "down": G(3, """
.............WW
............WW
.
.
.
.........Hh...........hH
........HHh....HH....hHH
........HHh..HH..HH..hHH
........Hh............hH
"""),
    "up": G(3, """
.............WW
............WW
.
.
.
........HH............HH
........HHHh........hHHH
........HHHHHhhhhhhHHHHH
.........hHHHHHHHHHHHHh
..........hhHHHHHHHHhh
"""),
    "right": G(3, """
.............WW
............WW
.
.
.
.........HHHh......HHH
.........HHHh
.........HHHh
..........hh
"""),
}

SAGE_BEARD = {
    "down": G(12, """
...........HHHmmHHHH
..........HHHHHHHHHHHH
..........HHHHHHHHHHHh
...........HHHHHHHHHh
...........hHHHHHHHHh
............HHHHHHHh
............hHHHHHHh
.............HHHHHh
.............hHHHh
..............hh
"""),
    "right": G(12, """
.................HHHHHH
................HHHHHHh
................HHHHHHh
................hHHHHh
.................HHHHh
.................HHHh
.................hHh
..................h
"""),
}

# a long heavy fringe hanging over the eyes
FRINGE = {
    "down": G(1, """
............HHHHHHHH
..........HHHHjjjHHHHH
.........HHHjjHHHHHHHHH
........HHHjHHHHHHHHHHHH
........HHjHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHHH
........HHHHHHHHhHHHHHhH
........HHhHHHhH..hH.hhH
........HHHhH.h.......hH
........hH.h..........hh
.........h.............h
"""),
    "up": G(1, """
............HHHHHHHH
..........HHHHjjjHHHHH
.........HHHjjHHHHHHHHH
........HHHjHHHHHHHHHHHH
........HHjHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........hHHhHHHHHHhHHHhh
........hh.hhHHHHhh.hh.h
"""),
    "right": G(1, """
...........HHHHHHH
.........HHHHjjjHHHH
........HHHjjHHHHHHHH
.......HHHjHHHHHHHHHHH
.......HHjHHHHHHHHHHHHH
.......HHHHHHHHHHHHHHHHH
.......HHHHHHHHHHHHHHHHHH
.......HHHHHHHHHHHHHHHHHH
.......HHHHHHHHHHHHHHHhHH
.......HHHHHHHHHHHHHHHhhH
.......HHHHHh..HHHh..hhh
.......HHHHh...Hh....h
........hh.....h
"""),
}

# neat hair parted in the middle, round and tidy
PARTED = {
    "down": G(2, """
...........HHHHjHHHH
.........HHHHjjHjjHHHH
........HHHjjHHHHHjHHHhH
........HHjHHHHhHHHHHHhH
........HHHHHHhhhHHHHHhH
........HHhhhh...hhhHHhH
........Hh............hH
"""),
    "up": G(2, """
...........HHHHHHHHH
.........HHHHjjjjHHHHH
........HHHjjHHHHHHHHHhH
........HHjHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........hHHHHHHHHHHHHHhh
.........hhHHHHHHHHHHhh
"""),
    "right": G(2, """
..........HHHHHHHH
........HHHHjjjjHHHH
.......HHHjjHHHHHHHHHH
.......HHjHHHHHHHHHHHHH
.......HHHHHHHHHhhhhhhh
.......HHHHHHHHHHh
.......HHHHHh..Hh
........HHHh...h
.........hh
"""),
}

# a deep pale hood; the face inside is in shadow
HOOD = {
    "down": G(1, """
............XXXXXXXX
..........XXYYXXXXXXXX
.........XYYXXXXXXXXXXX
........XYXXXXXXXXXXXXxX
........XYXXxxxxxxxxXXxX
........XXXxxxxxxxxxxXxX
........XXx..........xxX
........XXx..........xxX
........XXx..........xxX
........XXx..........xxX
........XXxx........xxXX
........XXXxx......xxXXX
........xXXXXxxxxxxXXXXx
.........xxXXXXXXXXXXxx
"""),
    "up": G(1, """
............XXXXXXXX
..........XXYYXXXXXXXX
.........XYYXXXXXXXXXXX
........XYXXXXXXXXXXXXxX
........XYXXXXXXXXXXXXxX
........XXXXXXXXXXXXXXxX
........XXXXXXXXXXXXXXxX
........XXXXXXXXXXXXXXxX
........XXXXXXXXXXXXXXxX
........XXXXXXXXXXXXXXxX
........XXXXXXXXXXXXXXxX
........XXXXXXXXXXXXXXxX
........xXXXXXXXXXXXXXxx
.........xxXXXXXXXXXXxx
"""),
    "right": G(1, """
...........XXXXXXXX
.........XXYYXXXXXXX
........XYYXXXXXXXXXX
.......XYXXXXXXXXXXXXX
.......XYXXXXXXXXXxxxxX
.......XXXXXXXXXXx....xX
.......XXXXXXXXXx......
.......XXXXXXXXXx......
.......XXXXXXXXXx......
.......XXXXXXXXXx......
.......XXXXXXXXXXx....
.......XXXXXXXXXXXxxxx
.......xXXXXXXXXXXXXXx
........xxXXXXXXXXXx
"""),
}

# pink twin tails tied high with bobbles (X), sticking out at the sides
TWINTAILS = {
    "down": G(1, """
............HHHHHHHH
..........HHHjjjjHHHHH
.....XX..HHjjHHHHHHHHHH..XX
..jHHXxXHHjHHHHHHHHHHHHXxXHHh
.jHHHHXHHHHHHHHHHHHHHHHHXHHHHh
.HHHHh..HHHHHHHHHHHHHHhH..hHHHh
.hHHh...HHHhHHHHHhHHHHhH...hHHh
..hh....HHh.hHHH..hHHHhH....hh
........Hh...h......h.hH
........H..............H
"""),
    "up": G(1, """
............HHHHHHHH
..........HHHjjjjHHHHH
.....XX..HHjjHHHHHHHHHH..XX
..jHHXxXHHjHHHHHHHHHHHHXxXHHh
.jHHHHXHHHHHHHHHHHHHHHHHXHHHHh
.HHHHh..HHHHHHHHHHHHHHhH..hHHHh
.hHHh...HHHHHHHHHHHHHHhH...hHHh
..hh....HHHHHHHHHHHHHHhH....hh
........HHHHHHHHHHHHHHhH
........hHHHHHHHHHHHHHhh
.........hhHHHHHHHHHHhh
"""),
    "right": G(1, """
...........HHHHHHH
.........HHHjjjjHHHH
....XX..HHjjHHHHHHHHH
.jHHXxXHHjHHHHHHHHHHHH
jHHHHXHHHHHHHHHHHHHHHHH
HHHHh..HHHHHHHHHHHHHHhH
hHHh...HHHHHHHHHHHHh.hH
.hh....HHHHHHHHHHh
.......HHHHHh..HHh
........HHHh...Hh
.........hH....h
"""),
}

# a round bowl cut
BOWL = {
    "down": G(1, """
............HHHHHHHH
..........HHHjjjjHHHHH
.........HHjjHHHHHHHHHH
........HHjHHHHHHHHHHHHH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........hhhhhhhhhhhhhhhh
........HH............HH
........Hh............hH
"""),
    "up": G(1, """
............HHHHHHHH
..........HHHjjjjHHHHH
.........HHjjHHHHHHHHHH
........HHjHHHHHHHHHHHHH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........hhhhhhhhhhhhhhhh
"""),
    "right": G(1, """
...........HHHHHHH
.........HHHjjjjHHHH
........HHjjHHHHHHHHH
.......HHjHHHHHHHHHHHH
.......HHHHHHHHHHHHHHHH
.......HHHHHHHHHHHHHHHHH
.......HHHHHHHHHHHHHHHHH
.......hhhhhhhhhhhhhhhhh
.......HHHHHh..HH
.......hhhhh...h
"""),
}

# hair slicked back with brilliantine: flat, shiny, tight to the head
SLICK = {
    "down": G(2, """
...........HHHHjHHHH
..........HHHHjjHHHHHH
.........HHHHjHHHHHHHHH
........HHHHjHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........HHh..........hhH
........Hh............hH
"""),
    "up": G(2, """
...........HHHHHHHHH
..........HHjHHHjHHHHH
.........HHjHHHjHHHjHHH
........HHjHHHjHHHjHHHhH
........HHjHHHjHHHjHHHhH
........HHHHHHHHHHHHHHhH
........HHHHHHHHHHHHHHhH
........hHHHHHHHHHHHHHhh
.........hhHHHHHHHHHHhh
"""),
    "right": G(2, """
...........HHHHHHHH
.........HjjjjjHHHHHH
........HHHHHHHHHHHHHH
.......HHHHHHHHHHHHHHhh
.......HHHHHHHHHHh
.......HHHHHHHHHh
.......HHHHHh..H
........HHHh...h
.........hh
"""),
}

MOUSTACHE = {
    "down": G(12, """
.............KKKKKK
............KK....KK
"""),
    "right": G(12, """
...................KKKKK
......................KK
"""),
}

# a gold-rimmed monocle over his left eye
MONOCLE = {
    "down": G(8, """
..................GGGG
..................G..G
..................G..G
..................GGGG
....................g
....................g
"""),
    "right": G(8, """
...................GGGG
...................G..G
...................G..G
...................GGGG
"""),
}

# a white hachimaki tied round the head, its ends fluttering at the back
HACHIMAKI = {
    "down": G(6, """
........XXXXXXXXXXXXXXXX
........xXXXXXXXXXXXXXXx
"""),
    "up": G(6, """
........XXXXXXXXXXXXXXXX
........xXXXXXXXXXXXXXXx
..............XXX
.............XX.XX
.............X...X
"""),
    "right": G(6, """
.......XXXXXXXXXXXXXXXXX
....XXXxXXXXXXXXXXXXXXXx
...XX.XX
...X...X
"""),
}

# a hood with round bear ears; the face shows through
BEAR_HOOD = {
    "down": G(0, """
.......KKK............KKK
......KXYXK..........KXYXK
......KXyXKXXXXXXXXXXKXyXK
.......KXXXXXXXXXXXXXXXXK
........XXXXXXXXXXXXXXXX
........XXXXXXXXXXXXXXxX
........XXXXXXXXXXXXXXxX
........XXxx........xxxX
........XXx..........xxX
........XXx..........xxX
........XXx..........xxX
........XXx..........xxX
........XXxx........xxxX
........xXXXx......xXXXx
.........xxXXXXXXXXXXxx
"""),
    "up": G(0, """
.......KKK............KKK
......KXYXK..........KXYXK
......KXyXKXXXXXXXXXXKXyXK
.......KXXXXXXXXXXXXXXXXK
........XXXXXXXXXXXXXXXX
........XXXXXXXXXXXXXXxX
........XXXXXXXXXXXXXXxX
........XXXXXXXXXXXXXXxX
........XXXXXXXXXXXXXXxX
........XXXXXXXXXXXXXXxX
........XXXXXXXXXXXXXXxX
........XXXXXXXXXXXXXXxX
........XXXXXXXXXXXXXXxX
........xXXXXXXXXXXXXXXx
.........xxXXXXXXXXXXxx
"""),
    "right": G(0, """
..........KKK
.........KXYXK
.........KXyXKXXXXXX
........KXXXXXXXXXXXXX
.......XXXXXXXXXXXXXXXX
.......XXXXXXXXXXXXXXXXX
.......XXXXXXXXXXXxxxxxX
.......XXXXXXXXXXx.....
.......XXXXXXXXXXx.....
.......XXXXXXXXXXx.....
.......XXXXXXXXXXx.....
.......XXXXXXXXXXx.....
.......XXXXXXXXXXXx...
.......xXXXXXXXXXXXxxx
........xxXXXXXXXXXx
"""),
}
