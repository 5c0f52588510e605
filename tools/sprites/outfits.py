"""Clothes details drawn into the torso layer, long garments, special heads
and the things cast members carry.  Letters as in parts.py; O/o/Q are the
colours of skirts, gowns and robes."""
from figures import G

# ------------------------------------------------------------------ skirts and gowns

SKIRT = {
    "down": G(23, """
...........OOOOOOOOOO
..........QOOOOOOOOOOo
..........QOOoOOOOoOOo
.........ooooooooooooooo
"""),
    "up": G(23, """
...........OOOOOOOOOO
..........QOOOOOOOOOOo
..........QOOoOOOOoOOo
.........ooooooooooooooo
"""),
    "right": G(23, """
............OOOOOOOO
...........QOOOOOOOOo
...........QOOoOOOOOo
..........oooooooooooo
"""),
}

GOWN = {
    ("down", 0): G(23, """
...........OOOOOOOOOO
..........QOOOOOOOOOOo
..........QOOOoOOoOOOo
.........QOOOoOOOOoOOOo
.........QOOOoOOOOoOOOo
........QOOOoOOOOOOoOOOo
........oooooooooooooooo
..........FFFF....FFFF
"""),
    ("down", 1): G(23, """
...........OOOOOOOOOO
..........QOOOOOOOOOOo
..........QOOOoOOoOOOo
.........QOOOOoOOOoOOOo
.........QOOOOoOOOoOOOo
........QOOOOOoOOOOoOOOo
........oooooooooooooooo
..................FFFF
"""),
    ("up", 0): G(23, """
...........OOOOOOOOOO
..........QOOOOOOOOOOo
..........QOOOoOOoOOOo
.........QOOOoOOOOoOOOo
.........QOOOoOOOOoOOOo
........QOOOoOOOOOOoOOOo
........oooooooooooooooo
..........FFFF....FFFF
"""),
    ("up", 1): G(23, """
...........OOOOOOOOOO
..........QOOOOOOOOOOo
..........QOOOoOOoOOOo
.........QOOOoOOOoOOOOo
.........QOOOoOOOoOOOOo
........QOOOoOOOOoOOOOOo
........oooooooooooooooo
..........FFFF
"""),
    ("right", 0): G(23, """
............OOOOOOOO
...........QOOOOOOOOo
...........QOOOoOOOOo
..........QOOOoOOOOOOo
..........QOOOoOOOOOOo
.........QOOOoOOOOOOOOo
.........oooooooooooooo
..............FFFFFF
"""),
    ("right", 1): G(23, """
............OOOOOOOO
...........QOOOOOOOOo
...........QOOOOoOOOo
..........QOOOOOoOOOOo
..........QOOOOOoOOOOo
.........QOOOOOOoOOOOOo
.........oooooooooooooo
...........FFF.....FFFF
"""),
}

# ------------------------------------------------------------------ torso details

# receptionist's uniform: fitted jacket over a blouse, a neck scarf (G)
UNIFORM = {
    "down": G(16, """
............CDGGGGDC
...........CqDDGGDDCC
...........CqCDDDDCcC
...........CCCCDDCCcC
...........CCCCgCCCcC
...........CCCCCCCCcC
...........cccccccccc
"""),
    "right": G(16, """
.................GGD
............CqqCCCGD
..................G
"""),
}

# Santa: white fur down the front, a black belt with a gold buckle
SANTA_SUIT = {
    "down": G(16, """
...............WW
...............Ww
...............Ww
...............Ww
...........KKKKGGKKKK
...........KKKKGgKKKK
...............Ww
"""),
    "up": G(20, """
...........KKKKKKKKKK
...........KKKKKKKKKK
"""),
    "right": G(20, """
............KKKKKKKGK
............KKKKKKKgK
..................WW
"""),
}

# track suit: a white zip and collar (sleeves and legs get stripes below)
TRACK_TOP = {
    "down": G(16, """
............CWWddWWC
...............dd
...............dd
...............dd
...............dd
...............dd
"""),
    "up": G(16, """
............CWWWWWWC
"""),
    "right": G(16, """
.............CWWWWW
..................d
..................d
"""),
}
TRACK_ARMS = {
    ("down", 0): G(17, """
.........WA..........AW
.........WA..........AW
.........WA..........AW
.........WA..........AW
"""),
    ("down", 1): G(17, """
.........WA..........AW
.........WA..........AW
.........WA..........AW
.........WA
"""),
    ("up", 0): G(17, """
.........WA..........AW
.........WA..........AW
.........WA..........AW
.........WA..........AW
"""),
    ("up", 1): G(17, """
.........WA..........AW
.........WA..........AW
.........WA..........AW
.....................AW
"""),
    ("right", 0): G(17, """
...............WW
"""),
    ("right", 1): G(17, """
..............WW
"""),
}
TRACK_LEGS = {
    ("down", 0): G(25, """
...........W........W
...........W........W
...........W........W
...........W........W
"""),
    ("down", 1): G(25, """
...........W........W
...........W........W
....................W
....................W
"""),
    ("up", 0): G(25, """
...........W........W
...........W........W
...........W........W
...........W........W
"""),
    ("up", 1): G(25, """
...........W........W
...........W........W
...........W
...........W
"""),
}

# runner's singlet with a lightning bolt (G); bare arms come from A = skin
BOLT = {
    "down": G(16, """
.............DD....DD
................GG
...............GG
..............GGGG
................GG
...............GG
"""),
    "up": G(16, """
.............DD....DD
"""),
    "right": G(17, """
..................G
.................GG
................GGG
..................G
"""),
}

# rich man's coat: a frilled white cravat and gold buttons
COAT = {
    "down": G(16, """
.............DDDDDD
..............DdDD
...............DD
...........CqCCCCGCCc
...............G
...........CCCCCCGCCc
"""),
    "up": G(16, """
.............DDDDDD
"""),
    "right": G(16, """
..................DDD
..................DdD
...................D
.................G
.
.................G
.
.
.
"""),
}
COAT_TAILS = {
    "up": G(23, """
...........CCCCKCCCCC
...........cCCCKCCCCc
...........cCCCKCCCCc
...........ccccKcccc
"""),
    "right": G(23, """
..........CCC
.........CCCc
.........Ccc
"""),
}

# tuxedo: white shirt front, dark lapels, a red bow tie (G)
TUX = {
    "down": G(16, """
............CCGGGGCC
...........CqDGggGDCC
...........CqcDDDDcCC
...........CCCcDDcCcC
...........CCCCDKCCcC
...........CCCCDDCCcC
"""),
    "right": G(16, """
..................GG
..................DD
..................Dc
.................Dc
"""),
}

# hoodie: a drawn-down hood at the back and a front pocket
HOODIE = {
    "down": G(16, """
............CwwCCwwC
..............W..W
..............W..W
...........CCccccccCC
...........CcCCCCCCcC
"""),
    "up": G(15, """
...........ccCCCCCCcc
...........cCCCCCCCCc
............cccccccc
"""),
    "right": G(15, """
...........ccC
...........cCCc
............cc
"""),
}

# the bear host's pale belly patch and bow tie
BELLY = {
    "down": G(16, """
..............GGGG
..............DggD
.............DDDDDD
.............DDDDDd
.............dDDDDd
..............dddd
"""),
    "right": G(16, """
..................GG
..................Dd
..................DD
..................Dd
"""),
}

# armour: breastplate with a bright rim and a line across the waist
ARMOUR = {
    "down": G(16, """
............qqqqqqqq
...........CqqCCCCqcC
...........CqCCCCCCcC
...........CqCCCCCCcC
...........KKKKKKKKKK
...........cCcCcCcCcC
"""),
    "up": G(20, """
...........KKKKKKKKKK
...........cCcCcCcCcC
"""),
    "right": G(20, """
............KKKKKKKK
............cCcCcCcC
"""),
}

# ウィー団子's round body: three dango colours stacked
ROUND_TORSO = {
    "down": G(15, """
............XXXXXXXX
..........XXXYYXXXXXXX
..........XXYXXXXXXXxX
.........DDDDDDDDDDDDDD
.........DeeDDDDDDDDDdD
.........DeDDDDDDDDDDdD
.........ddddddddddddd
.........CCCCCCCCCCCCCc
.........CqCCCCCCCCCCcc
..........CCCCCCCCCCcc
...........cccccccccc
"""),
    "up": G(15, """
............XXXXXXXX
..........XXXYYXXXXXXX
..........XXYXXXXXXXxX
.........DDDDDDDDDDDDDD
.........DeeDDDDDDDDDdD
.........DeDDDDDDDDDDdD
.........ddddddddddddd
.........CCCCCCCCCCCCCc
.........CqCCCCCCCCCCcc
..........CCCCCCCCCCcc
...........cccccccccc
"""),
    "right": G(15, """
............XXXXXXX
..........XXYYXXXXXX
..........XYXXXXXXXXx
.........DDDDDDDDDDDDD
.........DeeDDDDDDDDdD
.........DeDDDDDDDDDdD
.........dddddddddddd
.........CCCCCCCCCCCCc
.........CqCCCCCCCCCcc
..........CCCCCCCCCcc
...........ccccccccc
"""),
}
ROUND_ARMS = {
    ("down", 0): G(19, """
........XX............XX
........XX............XX
........WW............WW
"""),
    ("down", 1): G(18, """
........XX............XX
........XX............XX
........WW............XX
......................WW
"""),
    ("up", 0): G(19, """
........XX............XX
........XX............XX
........WW............WW
"""),
    ("up", 1): G(18, """
........XX............XX
........XX............XX
........XX............WW
........WW
"""),
    ("right", 0): G(19, """
..............XXX
..............XXX
..............WWW
"""),
    ("right", 1): G(19, """
................XXX
................XXX
................WWW
"""),
}

# ------------------------------------------------------------------ special heads

SKULL = {
    "down": G(3, """
...........WWWWWWWWWW
..........WWWWWWWWWWww
.........WWWWWWWWWWWWww
.........WWWWWWWWWWWWWw
.........WWWWWWWWWWWWWw
.........WKKKWWWWWKKKWw
.........WKKKWWWWWKKKWw
.........wKKKWWWWWKKKww
.........wWWWWWKKWWWWWw
..........wWWWWWWWWWWw
...........WKWKWKWKWW
...........wWWWWWWWWw
"""),
    "up": G(3, """
...........WWWWWWWWWW
..........WWWWWWWWWWww
.........WWWWWWWWWWWWww
.........WWWWWWWWWWWWWw
.........WWWWWWWWWWWWWw
.........WWWWWWWWWWWWWw
.........WWWWWWWWWWWWWw
.........wWWWWWWWWWWWww
.........wwWWWWWWWWWWww
..........wwwWWWWWWwww
...........wwwwwwwwww
"""),
    "right": G(3, """
...........WWWWWWWWWW
..........WWWWWWWWWWWw
.........WWWWWWWWWWWWWw
.........WWWWWWWWWWWWWW
.........WWWWWWWWWWWWWWW
.........WWWWWWWWWWKKKWW
.........WWWWwwWWWWKKKWW
.........wWWWwWWWWWKKKWW
.........wWWWWWWWWWWWWKW
..........wWWWWWWWWWWWW
...............WKWKWKW
...............wWWWWWw
"""),
}

RIBS = {
    "down": G(16, """
............WWWWWWWW
...........WWWWwwWWWW
...........WKKKwwKKKW
...........WWWWwwWWWW
...........WKKKwwKKKW
...........wWWWwwWWWw
............KKKwwKKK
...........UUUUUUUUUU
...........uUUUKKUUUu
"""),
    "up": G(16, """
............WWWWWWWW
...........WWWWwwWWWW
...........WKKKwwKKKW
...........WWWWwwWWWW
...........WKKKwwKKKW
...........wWWWwwWWWw
............KKKwwKKK
...........UUUUUUUUUU
...........uUUUUUUUUu
"""),
    "right": G(16, """
.............WWWWWW
............wwWWWWWW
............wwKKKKKW
............wwWWWWWW
............wwKKKKKW
............wwWWWWWw
............wwKKKKK
............UUUUUUUU
............uUUUUUUu
"""),
}

BONE_LEGS = {
    ("down", 0): G(25, """
............UU....UU
............uU....Uu
............LL....LL
............lL....Ll
...........FFF....FFF
...........fFF....FFf
"""),
    ("down", 1): G(25, """
............UU....UU
............uU....Uu
...........FFF....LL
...........fFF....Ll
..................FFF
..................FFf
"""),
    ("up", 0): G(25, """
............UU....UU
............uU....Uu
............LL....LL
............lL....Ll
............FF....FF
............fF....Ff
"""),
    ("up", 1): G(25, """
............UU....UU
............uU....Uu
............LL....FF
............lL....fF
............FF
............fF
"""),
    ("right", 0): G(25, """
..............UUU
..............uUU
..............lLL
..............lLL
..............FFFF
..............fFFF
"""),
    ("right", 1): G(25, """
.............UUUUU
............uU...UU
...........lL.....LL
..........lL......LL
.........FFF......FFFF
.........fFF......fFFF
"""),
}

# ------------------------------------------------------------------ the turtle

# the shell seen from behind, drawn over the back
SHELL_BACK = {
    "up": G(14, """
............XXXXXXXX
..........XXYXXXXXXXXX
.........XYYKKKKKKKKXXx
.........XYKXXXXXXXXKXx
.........XXKXXXXXXXXKXx
.........XKXXXXXXXXXXKx
.........XXKXXXXXXXXKXx
.........xXKKKKKKKKKKXx
.........xXKXXXXXXXXKxx
..........xKKKKKKKKKKx
...........ZZZZZZZZZZ
"""),
}
# the rim of the shell peeking out round the sides and the top of the back
SHELL_RIM = {
    "down": G(15, """
.........XXX........XXX
........XXx..........XXx
........Xx............Xx
........Xx............Xx
........xx............xx
.........x............x
"""),
    "right": G(14, """
.......XXXXX
......XYXXXXX
.....XYXKXXXXX
.....XXKXXXXXX
.....XXKXXXXXX
.....XXXKXXXXX
.....xXXKXXXXX
......xXXKXXXX
.......xxKxxx
........ZZZZ
"""),
}
PLASTRON = {
    "down": G(16, """
............ZZZZZZZZ
...........ZzzZZZZzzZ
...........ZZZZzZZZZZ
...........ZzzZzZZzzZ
...........ZZZZzZZZZZ
...........ZzzZzZZzzZ
...........zzzzzzzzzz
"""),
    "right": G(16, """
..................ZZ
..................zZ
..................ZZ
..................zZ
..................ZZ
"""),
}

# ------------------------------------------------------------------ carried things

# 優雅's folding fan (X, Y ribs), held up by her right hand
FAN = {
    "down": G(13, """
.....................YXYXY
....................XYXYXYX
....................YXYXYXY
.....................XYXYX
.......................gG
.......................Sg
"""),
    "right": G(11, """
.....................YXY
....................XYXYX
....................YXYXY
.....................XYX
......................g
......................S
"""),
}

# ベッカー's tennis racket (Z frame, z strings, Y grip)
RACKET = {
    "down": G(10, """
.......................ZZZ
......................ZzzzZ
......................ZzzzZ
......................ZzzzZ
......................ZzzzZ
.......................ZZZ
........................Y
........................Y
........................Y
........................Y
........................S
"""),
    "up": G(10, """
......ZZZ
.....ZzzzZ
.....ZzzzZ
.....ZzzzZ
.....ZzzzZ
......ZZZ
.......Y
.......Y
.......Y
.......Y
.......S
"""),
    "right": G(12, """
.......................ZZZ
......................ZzzzZ
......................ZzzzZ
......................ZzzzZ
......................ZzzzZ
.......................ZZZ
......................Y
.....................Y
....................Y
...................Y
..................S
"""),
}

# the sage's staff with a golden knob (Y)
STAFF = {
    "down": G(5, """
.......................YY
......................YYy
.......................yy
.......................Zz
.......................Zz
.......................Zz
.......................Zz
.......................Zz
.......................Zz
.......................Zz
.......................Zz
.......................Zz
.......................Zz
.......................Zz
.......................Zz
.......................Zz
.......................Zz
.......................Zz
.......................Zz
.......................Zz
.......................Zz
.......................Zz
.......................Zz
.......................zz
"""),
    "up": G(5, """
.......YY
......YYy
.......yy
.......Zz
.......Zz
.......Zz
.......Zz
.......Zz
.......Zz
.......Zz
.......Zz
.......Zz
.......Zz
.......Zz
.......Zz
.......Zz
.......Zz
.......Zz
.......Zz
.......Zz
.......Zz
.......Zz
.......Zz
.......zz
"""),
    "right": G(5, """
......................YY
.....................YYy
......................yy
......................Zz
......................Zz
......................Zz
......................Zz
......................Zz
......................Zz
......................Zz
......................Zz
......................Zz
......................Zz
......................Zz
......................Zz
......................Zz
......................Zz
......................Zz
......................Zz
......................Zz
......................Zz
......................Zz
......................Zz
......................zz
"""),
}

# Santa's sack: over the shoulder from the front, on his back otherwise
SACK = {
    "down": G(9, """
.....................YYYY
....................YYYYYY
...................YyYYYYYy
...................YYYYYYYy
...................yYYYYYyy
....................yyyyyy
"""),
    "right": G(10, """
......YYY
....YYYYYY
...YYYYYYYY
..YyYYYYYYYy
..YYYYYYYYYy
..YYYYYYYYYy
..yYYYYYYYyy
...yYYYYYyy
....yyyyyy
"""),
}
SACK_FROM_BEHIND = {
    "up": G(13, """
..........YYYYYYY
........yYYYYYYYYY
.......YYYyYYYYYYYY
.......YYYYYYYYYYYYy
.......YYYYYYYYYYYYy
.......yYYYYYYYYYYyy
........yYYYYYYYYyy
.........yyyyyyyyy
"""),
}

# ぴーす's raised hand making a V sign beside her face
PEACE_ARMS = {
    ("down", 0): G(9, """
.....S.S
.....S.S
.....SSSs
.....SSSS
......AA
.......AA
........AA
........AA
.........A
.....................AA
.....................AA
.....................Aa
.....................Aa
.....................SS
.....................Ss
"""),
    ("down", 1): G(9, """
.....S.S
.....S.S
.....SSSs
.....SSSS
......AA
.......AA
........AA
........AA
.........A
.....................AA
.....................AA
.....................Aa
.....................Ss
.....................sS
"""),
    ("up", 0): G(9, """
........................S.S
........................S.S
.......................sSSS
.......................SSSS
.......................AA
......................AA
.....................AA
.....................AA
.....................A
.........AA
.........AA
.........AA
.........aA
.........SS
.........sS
"""),
    ("up", 1): G(9, """
........................S.S
........................S.S
.......................sSSS
.......................SSSS
.......................AA
......................AA
.....................AA
.....................AA
.....................A
.........AA
.........AA
.........Aa
.........Ss
.........sS
"""),
    ("right", 0): G(5, """
........................S.S
........................S.S
........................SSS
........................SSSs
........................AA
........................AA
........................AA
........................AA
........................AA
.......................AAA
..................AAAAAAA
................AAAAAAAa
"""),
    ("right", 1): G(5, """
........................S.S
........................S.S
........................SSS
........................SSSs
........................AA
........................AA
........................AA
........................AA
........................AA
.......................AAA
..................AAAAAAA
................AAAAAAAa
"""),
}

# the host's microphone (Z head, z grip)
MIC = {
    "down": G(13, """
......................ZZ
......................Zz
.......................z
.......................z
.......................S
"""),
    "right": G(12, """
.......................ZZ
.......................Zz
......................z
.....................z
....................S
"""),
}
