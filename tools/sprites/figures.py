"""Builds the cast's 32x32 walking figures from body parts.

A figure is composed back to front from layers (things behind the body, legs,
torso, arms, head, things in front).  Each layer gets its own one-pixel dark
outline before it is laid down, so parts drawn later are outlined against the
parts behind them.  Parts are text grids (see parts.py) whose letters are
colour roles; a cast member's design says which palette colour each role is.

Facings are "left", "up" (back view), "right" and "down" (front view).  Left is
the mirror image of right.  Frame 0 is the standing step, frame 1 the stride.
"""
from canvas import Img, parse_grid
from palette import COLORS

CELL = 32

# default colours of the roles used by the part grids
DEFAULT_ROLES = {
    "K": "ink", "W": "white", "w": "steel",
    "S": "skin", "s": "tan", "R": "pink", "m": "brown_d", "E": "navy",
    "H": "brown", "h": "brown_d", "j": "tan",
    "C": "blue", "c": "navy", "q": "sky",
    "D": "white", "d": "steel", "e": "white",
    "U": "navy", "u": "ink", "L": "navy", "l": "ink",
    "F": "brown", "f": "brown_d",
    "G": "gold", "g": "gold_d",
}


class Grid:
    """A part: a text grid placed with its first line on cell row y0."""

    def __init__(self, y0, text, x0=0):
        self.y0, self.x0 = y0, x0
        lines = text.strip("\n").split("\n")
        for ln in lines:
            if len(ln.rstrip()) > CELL:
                raise ValueError("part row wider than a cell: %r" % ln)
        self.text = "\n".join(ln.rstrip().ljust(CELL, ".") for ln in lines)

    def render(self, roles):
        img = parse_grid(self.text, roles)
        out = Img(CELL, CELL)
        return out.blit(img, self.x0, self.y0)


def G(y0, text, x0=0):
    return Grid(y0, text, x0)


def resolve_roles(design_colors):
    roles = dict(DEFAULT_ROLES)
    # arms and skirts default to the clothes colours
    roles.update({"A": roles["C"], "a": roles["c"]})
    for k, v in (design_colors or {}).items():
        roles[k] = v
    if "A" not in (design_colors or {}):
        roles["A"] = roles["C"]
    if "a" not in (design_colors or {}):
        roles["a"] = roles["c"]
    return {k: (COLORS[v] if isinstance(v, str) else v) for k, v in roles.items()}


def pick(part, facing, frame):
    """A part is a Grid, a list of Grids, a dict by facing, or a dict by
    (facing, frame); returns the list of Grids to draw."""
    if part is None:
        return []
    if isinstance(part, Grid):
        return [part]
    if isinstance(part, (list, tuple)):
        out = []
        for p in part:
            out += pick(p, facing, frame)
        return out
    if isinstance(part, dict):
        if (facing, frame) in part:
            return pick(part[(facing, frame)], facing, frame)
        if facing in part:
            return pick(part[facing], facing, frame)
        if frame in part:
            return pick(part[frame], facing, frame)
        if "any" in part:
            return pick(part["any"], facing, frame)
        return []
    raise TypeError(part)


class Layer:
    def __init__(self, parts, outline=True):
        self.parts, self.outline = parts, outline


def compose(layers, roles, facing, frame):
    out = Img(CELL, CELL)
    for layer in layers:
        grids = pick(layer.parts, facing, frame)
        if not grids:
            continue
        img = Img(CELL, CELL)
        for g in grids:
            img.blit(g.render(roles))
        if layer.outline:
            img = img.outlined(roles["K"])
        out.blit(img)
    return out


def figure(layers_for, roles, facing, frame, post=None):
    """layers_for(facing) -> list of Layers (right-facing used for left)."""
    if facing == "left":
        img = figure(layers_for, roles, "right", frame, post)
        return img.mirrored()
    img = compose(layers_for(facing), roles, facing, frame)
    if post:
        img = post(img, facing, frame)
    return img
