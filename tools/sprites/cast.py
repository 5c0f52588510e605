"""The cast: who wears what.  Index = the number of the character sheet.

Humanoids are built from parts (parts.py, hair.py, outfits.py); the creatures
(モキモキ, the dog, the seabird) have their own grids in creatures.py.
"""
from figures import G, Layer, figure, resolve_roles
import parts as P
import hair as Hr
import outfits as O
import creatures

FACE_GLOW = {
    "down": G(9, """
...........WW......WW
...........Ww......wW
"""),
    "right": G(9, """
....................WW
....................Ww
"""),
}


def humanoid(design):
    def layers(facing):
        arms = design.get("arms", P.ARMS)
        head = [design.get("head", P.HEAD)]
        face = design.get("face", "normal")
        head.append(FACE_GLOW if face == "glow" else P.FACE[face])
        if design.get("ear", True) and facing == "right":
            head.append(P.EAR_RIGHT)
        head.append(design.get("hair"))
        head += design.get("head_extra", [])
        return [
            Layer(design.get("back")),
            Layer(design.get("back_arm", P.BACK_ARM if arms is P.ARMS else None)),
            Layer([design.get("legs", P.LEGS)] + design.get("legs_extra", [])),
            Layer([design.get("torso", P.TORSO)] + design.get("torso_extra", [])),
            Layer(design.get("mid")),
            Layer([arms] + design.get("arms_extra", [])),
            Layer(head),
            Layer(design.get("front")),
        ]

    roles = resolve_roles(design.get("colors"))
    short = design.get("short")
    post = design.get("post")

    def draw(facing, frame):
        img = figure(layers, roles, facing, frame)
        if short:
            img = img.delete_rows(short)
        if post:
            img = post(img, facing, frame)
        return img
    return draw


def ghostly(img, facing, frame):
    """インビ would rather not be seen: the lower half of the cloak fades out
    in a checker pattern (the holes are real holes in the shape)."""
    out = img.copy()
    for y in range(22, 32):
        for x in range(32):
            if (x + y) % 2 == 0 or y >= 29 and (x + y) % 4 != 1:
                out.set(x, y, None)
    return out


TRACK = dict(torso_extra=[O.TRACK_TOP], arms_extra=[O.TRACK_ARMS], legs_extra=[O.TRACK_LEGS])

DESIGNS = {
    0: dict(  # くあ, the hero
        hair=Hr.SPIKY, face="normal",
        colors={"H": "brown", "h": "brown_d", "j": "tan",
                "C": "red", "c": "brown_d", "q": "rose",
                "U": "navy", "u": "ink", "L": "skin", "l": "tan",
                "F": "white", "f": "steel"}),
    2: dict(  # 受付, the receptionist
        hair=Hr.BUN, torso_extra=[O.UNIFORM, O.SKIRT], ear=False,
        colors={"H": "brown_d", "h": "plum", "j": "brown",
                "C": "navy", "c": "ink", "q": "blue", "D": "white", "d": "steel",
                "G": "rose", "g": "red", "O": "navy", "o": "ink", "Q": "blue",
                "U": "navy", "u": "ink", "L": "tan", "l": "brown",
                "F": "plum", "f": "ink"}),
    3: dict(  # サンタ
        hair=Hr.SANTA_CAP, face="closed", ear=False, head_extra=[Hr.SANTA_BEARD],
        torso_extra=[O.SANTA_SUIT], back=O.SACK, front=O.SACK_FROM_BEHIND,
        colors={"C": "red", "c": "brown_d", "q": "rose",
                "U": "red", "u": "brown_d", "L": "red", "l": "brown_d",
                "F": "slate_d", "f": "ink", "A": "red", "a": "brown_d",
                "Y": "tan", "y": "brown"}),
    4: dict(  # 優雅, the elegant lady
        hair=Hr.RINGLETS, face="closed", ear=False, legs=O.GOWN, front=O.FAN,
        colors={"H": "gold", "h": "gold_d", "j": "yellow",
                "X": "rose", "x": "red",
                "C": "pink", "c": "purple", "q": "pink_l",
                "O": "pink", "o": "purple", "Q": "pink_l",
                "F": "purple", "f": "plum", "Y": "white"}),
    5: dict(  # ベッカー, the tennis man
        hair=Hr.SWEATBAND, face="grin", ear=False, front=O.RACKET,
        colors={"H": "sand", "h": "gold_d", "j": "sand_l",
                "X": "red", "x": "brown_d", "Y": "white",
                "S": "tan", "s": "brown", "m": "brown_d",
                "C": "white", "c": "steel", "q": "white",
                "U": "white", "u": "steel", "L": "tan", "l": "brown",
                "F": "white", "f": "steel", "Z": "blue", "z": "ice"}),
    6: dict(  # トゥーミー in his heavy armour
        head=P.HEAD, hair=Hr.HELM, face="none", ear=False, torso_extra=[O.ARMOUR],
        colors={"X": "steel", "x": "grey", "Y": "white", "Z": "red", "z": "brown_d",
                "C": "steel", "c": "grey", "q": "white",
                "A": "steel", "a": "grey", "S": "grey_d", "s": "grey_dd",
                "U": "grey", "u": "grey_d", "L": "steel", "l": "grey",
                "F": "grey_d", "f": "grey_dd"}),
    7: dict(  # タケ, the little boy
        hair=Hr.CAP_BACK, face="normal", short=(18, 19, 20),
        colors={"H": "brown_d", "h": "plum", "X": "blue", "x": "navy", "q": "sky", "Y": "red",
                "C": "yellow", "c": "gold", "A": "yellow", "a": "gold",
                "U": "blue_d", "u": "navy", "L": "skin", "l": "tan",
                "F": "red", "f": "brown_d"}),
    8: dict(  # 先輩, the senior
        hair=Hr.NEAT, face="stern", head_extra=[Hr.HACHIMAKI], **TRACK,
        colors={"H": "slate_d", "h": "ink", "j": "grey_d", "X": "white", "x": "steel",
                "C": "red", "c": "plum", "q": "rose", "d": "steel",
                "U": "red", "u": "plum", "L": "red", "l": "plum",
                "F": "white", "f": "steel"}),
    9: dict(  # 信念, the speed fanatic
        hair=Hr.BUZZ, face="stern", torso_extra=[O.BOLT],
        colors={"H": "grey_dd", "h": "slate_d", "j": "grey",
                "C": "orange", "c": "brown", "q": "wood_l", "D": "orange",
                "A": "skin", "a": "tan", "G": "yellow",
                "U": "ink", "u": "ink", "L": "skin", "l": "tan",
                "F": "lime", "f": "green"}),
    10: dict(  # エリー, the rich gentleman
        hair=Hr.POMPADOUR, face="closed", head_extra=[Hr.MONOCLE],
        torso_extra=[O.COAT], legs_extra=[O.COAT_TAILS],
        colors={"H": "lav_l", "h": "lav", "j": "white",
                "C": "purple", "c": "plum", "q": "lav", "D": "white", "d": "steel",
                "U": "plum", "u": "ink", "L": "plum", "l": "ink",
                "F": "ink", "f": "ink"}),
    11: dict(  # 本質, the old sage
        hair=Hr.BALD, face="closed", head_extra=[Hr.SAGE_BEARD], legs=O.GOWN, front=O.STAFF,
        colors={"H": "white", "h": "steel", "j": "white",
                "C": "teal", "c": "slate_d", "q": "green",
                "O": "teal", "o": "slate_d", "Q": "green",
                "F": "brown", "f": "brown_d",
                "Z": "brown", "z": "brown_d", "Y": "gold", "y": "gold_d"}),
    12: dict(  # ジディー, the sullen one
        hair=Hr.FRINGE, face="sleepy", torso_extra=[O.HOODIE],
        colors={"H": "navy", "h": "ink", "j": "blue_d",
                "C": "grey_d", "c": "grey_dd", "q": "grey", "w": "steel",
                "U": "blue_d", "u": "navy", "L": "blue_d", "l": "navy",
                "F": "slate_d", "f": "ink"}),
    13: dict(  # ウィー団子, 優雅's round servant
        hair=Hr.PARTED, face="grin", torso=O.ROUND_TORSO, arms=O.ROUND_ARMS,
        colors={"H": "slate_d", "h": "ink", "j": "grey_dd",
                "X": "pink_l", "x": "pink", "Y": "white",
                "D": "white", "d": "steel", "e": "white",
                "C": "lime", "c": "green", "q": "lime",
                "U": "ink", "u": "ink", "L": "slate_d", "l": "ink",
                "F": "ink", "f": "ink"}),
    15: dict(  # インビ, who would rather not be seen
        hair=Hr.HOOD, face="glow", ear=False, legs=O.GOWN, post=ghostly,
        colors={"X": "lav_l", "x": "lav", "Y": "white",
                "S": "purple", "s": "plum",
                "C": "lav_l", "c": "lav", "q": "white",
                "O": "lav_l", "o": "lav", "Q": "white",
                "F": "lav", "f": "lav_d"}),
    16: dict(  # ぴーす, peace sign
        hair=Hr.TWINTAILS, face="grin", ear=False, arms={}, front=O.PEACE_ARMS,
        torso_extra=[O.SKIRT],
        colors={"H": "pink", "h": "purple", "j": "pink_l", "X": "yellow", "x": "gold",
                "C": "cyan", "c": "blue_d", "q": "ice",
                "O": "sky", "o": "blue", "Q": "ice",
                "U": "sky", "u": "blue", "L": "skin", "l": "tan",
                "F": "red", "f": "brown_d"}),
    17: dict(  # 後輩, the junior
        hair=Hr.BOWL, face="normal", short=(19,), **TRACK,
        colors={"H": "orange", "h": "brown", "j": "wood_l",
                "C": "sky", "c": "blue", "q": "ice", "d": "steel",
                "U": "sky", "u": "blue", "L": "sky", "l": "blue",
                "F": "white", "f": "steel"}),
    19: dict(  # タキシード, who explains the rules
        hair=Hr.SLICK, face="closed", head_extra=[Hr.MOUSTACHE], torso_extra=[O.TUX],
        legs_extra=[O.COAT_TAILS],
        colors={"H": "slate_d", "h": "ink", "j": "grey_dd",
                "C": "slate_d", "c": "ink", "q": "grey_dd", "D": "white", "d": "steel",
                "G": "red", "g": "brown_d",
                "U": "slate_d", "u": "ink", "L": "slate_d", "l": "ink",
                "F": "ink", "f": "grey_dd"}),
    20: dict(  # 雑亀, the lazy turtle
        hair=None, face="sleepy", ear=False, torso_extra=[O.PLASTRON],
        back=O.SHELL_RIM, mid=O.SHELL_BACK,
        colors={"S": "teal", "s": "forest", "E": "ink", "m": "slate_d",
                "C": "teal", "c": "forest", "q": "green", "A": "teal", "a": "forest",
                "X": "brown", "x": "brown_d", "Y": "tan", "Z": "sand", "z": "gold_d",
                "U": "teal", "u": "forest", "L": "teal", "l": "forest",
                "F": "forest", "f": "slate_d"}),
    21: dict(  # どくろ, the skeleton
        head=O.SKULL, hair=None, face="none", ear=False, torso=O.RIBS, legs=O.BONE_LEGS,
        colors={"W": "white", "w": "steel",
                "A": "white", "a": "steel", "S": "white", "s": "steel",
                "U": "white", "u": "steel", "L": "white", "l": "steel",
                "F": "white", "f": "steel"}),
    22: dict(  # the host of the bear's basement, in a bear suit
        hair=Hr.BEAR_HOOD, face="grin", ear=False, torso_extra=[O.BELLY], front=O.MIC,
        colors={"X": "brown", "x": "brown_d", "Y": "tan", "y": "orange",
                "C": "brown", "c": "brown_d", "q": "tan", "D": "tan", "d": "orange",
                "G": "red", "g": "brown_d", "Z": "grey_dd", "z": "ink",
                "U": "brown", "u": "brown_d", "L": "brown", "l": "brown_d",
                "F": "brown_d", "f": "plum"}),
}

FACINGS = ("left", "up", "right", "down")


def drawer(index):
    if index in creatures.DRAWERS:
        return creatures.DRAWERS[index]
    return humanoid(DESIGNS[index])


def cast_cells(index):
    """The eight cells of a character sheet: facings in order, two frames."""
    draw = drawer(index)
    return [draw(f, fr) for fr in (0, 1) for f in FACINGS]
