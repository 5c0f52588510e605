"""Body parts of the two-heads-tall figures, as text grids on the 32x32 cell.

Letters are colour roles (see figures.DEFAULT_ROLES):
  K ink line   W white  w white shade   S skin  s skin shade  R blush  m mouth
  E iris   H hair  h hair shade  j hair light   C clothes  c shade  q light
  D second colour  d shade  e light   A sleeves  a shade   U hips/thighs  u shade
  L lower legs  l shade   F shoes  f shade   G gold  g gold shade
  X x Y y Z z  extras a cast member defines for its own accessories
Keys of the dicts are facings ("down" front, "up" back, "right" side) and,
for moving parts, (facing, frame).
"""
from figures import G

# ------------------------------------------------------------------ heads

HEAD = {
    "down": G(3, """
...........SSSSSSSSSS
..........SSSSSSSSSSSS
.........SSSSSSSSSSSSSS
.........SSSSSSSSSSSSSS
.........SSSSSSSSSSSSSS
.........SSSSSSSSSSSSSS
.........SSSSSSSSSSSSSS
.........SSSSSSSSSSSSSS
.........sSSSSSSSSSSSSs
.........sSSSSSSSSSSSSs
..........sSSSSSSSSSSs
...........ssSSSSSSss
"""),
    "up": G(3, """
...........SSSSSSSSSS
..........SSSSSSSSSSSS
.........SSSSSSSSSSSSSS
.........SSSSSSSSSSSSSS
.........SSSSSSSSSSSSSS
.........SSSSSSSSSSSSSS
.........SSSSSSSSSSSSSS
.........SSSSSSSSSSSSSS
.........sSSSSSSSSSSSSs
.........sSSSSSSSSSSSSs
..........sSSSSSSSSSSs
...........ssSSSSSSss
"""),
    "right": G(3, """
...........SSSSSSSSSS
..........SSSSSSSSSSSS
.........SSSSSSSSSSSSSS
.........SSSSSSSSSSSSSS
.........SSSSSSSSSSSSSSS
.........SSSSSSSSSSSSSSS
.........SSSSSSSSSSSSSSS
.........SSSSSSSSSSSSSSS
.........sSSSSSSSSSSSSSS
.........sSSSSSSSSSSSSS
..........sSSSSSSSSSSS
...........ssSSSSSSs
"""),
}

# eyes and mouth; drawn on the head before the hair
FACE = {
    "normal": {
        "down": G(9, """
...........KK......KK
...........KK......KK
...........EW......WE
..........R..........R
...............mm
"""),
        "right": G(9, """
....................KK
....................KK
....................EW
...................R
......................m
"""),
    },
    # calm closed eyes (the old sage, the sleepy and the smug)
    "closed": {
        "down": G(10, """
..........KKK......KKK
..........R..........R
...............mm
"""),
        "right": G(10, """
...................KKK
...................R
......................m
"""),
    },
    # small stern eyes under a heavy brow
    "stern": {
        "down": G(9, """
..........KKK......KKK
...........KK......KK
...........EK......KE
.
...............mm
"""),
        "right": G(9, """
...................KKK
....................KK
....................EK
.
.....................mm
"""),
    },
    # half-lidded, bored
    "sleepy": {
        "down": G(9, """
..........KKK......KKK
...........WE......EW
.
.
..............mmmm
"""),
        "right": G(9, """
...................KKK
....................EW
.
.
.....................mm
"""),
    },
    # a wide open grin
    "grin": {
        "down": G(9, """
...........KK......KK
...........KK......KK
...........EW......WE
..........R..........R
..............mRRm
"""),
        "right": G(9, """
....................KK
....................KK
....................EW
...................R
....................mRm
"""),
    },
    "none": {},
}

# an ear for side views of short hair
EAR_RIGHT = G(9, """
.............sS
.............sS
""")

# ------------------------------------------------------------------ torso

TORSO = {
    "down": G(16, """
............CCCCCCCC
...........CqqCCCCCCC
...........CqCCCCCCcC
...........CCCCCCCCcC
...........CCCCCCCCcC
...........CCCCCCCCcC
...........cccccccccc
...........UUUUUUUUUU
...........uUUUUUUUUu
"""),
    "up": G(16, """
............CCCCCCCC
...........CqqCCCCCCC
...........CqCCCCCCcC
...........CCCCCCCCcC
...........CCCCCCCCcC
...........CCCCCCCCcC
...........cccccccccc
...........UUUUUUUUUU
...........uUUUUUUUUu
"""),
    "right": G(16, """
.............CCCCCC
............CqqCCCCC
............CqCCCCcC
............CCCCCCcC
............CCCCCCcC
............CCCCCCcC
............cccccccc
............UUUUUUUU
............uUUUUUUu
"""),
}

# ------------------------------------------------------------------ arms

ARMS = {
    ("down", 0): G(17, """
.........AA..........AA
.........AA..........AA
.........AA..........Aa
.........aA..........Aa
.........SS..........SS
.........sS..........Ss
"""),
    ("down", 1): G(17, """
.........AA..........AA
.........AA..........AA
.........AA..........Aa
.........aA..........Ss
.........SS..........sS
.........sS
"""),
    ("up", 0): G(17, """
.........AA..........AA
.........AA..........AA
.........AA..........Aa
.........aA..........Aa
.........SS..........SS
.........sS..........Ss
"""),
    ("up", 1): G(17, """
.........AA..........AA
.........AA..........AA
.........Aa..........Aa
.........Ss..........aA
.........sS..........SS
.....................Ss
"""),
    ("right", 0): G(17, """
...............AA
...............AA
...............AA
...............aA
...............SS
...............sS
"""),
    ("right", 1): G(17, """
..............AA
..............AA
.............AAa
.............aA
............SS
............sS
"""),
}

# the far arm, seen behind the body when it swings back
BACK_ARM = {
    ("right", 1): G(18, """
....................aa
....................aa
....................aa
....................ss
"""),
}

# ------------------------------------------------------------------ legs
# U/u thighs, L/l lower legs, F/f shoes; a cast member's leg style colours them

LEGS = {
    ("down", 0): G(25, """
...........UUUU..UUUU
...........uUUU..UUUu
...........LLLL..LLLL
...........lLLL..LLLl
..........FFFFF..FFFFF
..........fFFFf..fFFFf
"""),
    ("down", 1): G(25, """
...........UUUU..UUUU
...........uUUU..UUUu
..........FFFFF..LLLL
..........fFFFf..LLLl
.................FFFFF
.................fFFFf
"""),
    ("up", 0): G(25, """
...........UUUU..UUUU
...........uUUU..UUUu
...........LLLL..LLLL
...........lLLL..LLLl
...........FFFF..FFFF
...........fFFf..fFFf
"""),
    ("up", 1): G(25, """
...........UUUU..UUUU
...........uUUU..UUUu
...........LLLL..FFFF
...........lLLL..fFFf
...........FFFF
...........fFFf
"""),
    ("right", 0): G(25, """
.............UUUUU
.............uUUUU
.............lLLLL
.............lLLLL
.............FFFFFF
.............fFFFFf
"""),
    ("right", 1): G(25, """
.............UUUUUU
............uUU.UUUU
...........lLL...LLLL
..........lLL.....LLL
.........FFFF.....FFFFF
.........fFFf.....fFFFf
"""),
}
