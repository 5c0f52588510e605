"""The game's one fixed palette.

The 32 DawnBringer colours, with its white nudged to (254,254,254) because
pure white is the "empty" colour of picture cells, plus a few added tones the
hall needs (lavender bricks, sand, light wood, floorboards).  Every pixel of
every picture comes from this table (pure white and pure black are only used
as background and mask colours).
"""

COLORS = {
    # --- DawnBringer 32 ---
    "black": (0, 0, 0),
    "ink": (34, 32, 52),
    "plum": (69, 40, 60),
    "brown_d": (102, 57, 49),
    "brown": (143, 86, 59),
    "orange": (223, 113, 38),
    "tan": (217, 160, 102),
    "skin": (238, 195, 154),
    "yellow": (251, 242, 54),
    "lime": (153, 229, 80),
    "green": (106, 190, 48),
    "teal": (55, 148, 110),
    "forest": (75, 105, 47),
    "mud": (82, 75, 36),
    "slate_d": (50, 60, 57),
    "navy": (63, 63, 116),
    "blue_d": (48, 96, 130),
    "blue": (91, 110, 225),
    "sky": (99, 155, 255),
    "cyan": (95, 205, 228),
    "ice": (203, 219, 252),
    "white": (254, 254, 254),
    "steel": (155, 173, 183),
    "grey": (132, 126, 135),
    "grey_d": (105, 106, 106),
    "grey_dd": (89, 86, 82),
    "purple": (118, 66, 138),
    "red": (172, 50, 50),
    "rose": (217, 87, 99),
    "pink": (215, 123, 186),
    "olive": (143, 151, 74),
    "gold_d": (138, 111, 48),
    # --- additions ---
    "lav_l": (214, 200, 240),
    "lav": (176, 154, 218),
    "lav_d": (128, 106, 174),
    "sand_l": (246, 228, 156),
    "sand": (232, 200, 112),
    "wood_l": (238, 150, 74),
    "board": (226, 134, 62),
    "board_d": (214, 120, 50),
    "board_seam": (158, 86, 44),
    "grain": (196, 106, 44),
    "grain_l": (238, 156, 86),
    "gold": (240, 196, 64),
    "pink_l": (246, 184, 206),
}

# Background of picture cells and the "figure" colour of silhouettes.
BG = (255, 255, 255)
MASK_ON = (255, 255, 255)
MASK_OFF = (0, 0, 0)


def c(name):
    return COLORS[name]
