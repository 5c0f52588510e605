"""The order of the texts in the English text table as it was kept in C++
(texts_en.cpp: one aggregate, every text by position), and the fill-ins it
wrote in the older ways. Only the import of that table uses this."""

CAST = ["kua", "mokimoki", "receptionist", "santa", "yuuga", "becker", "toomey", "take",
        "senpai", "shinnen", "ellie", "honshitsu", "jiddy", "wee-dango", "inura", "invi",
        "peace", "kouhai", "katsuodori", "tuxedo", "zatsugame", "dokuro", None]
ABILITIES = ["dash", "nice-pass", "self-destruct"]
GAME_KEYS = ["left", "up", "right", "down", "space", "shift", "ctrl", "z", "x", "c"]

KEYS = (
    [None]  # the language's code
    + [f"name.{c}" if c else None for c in CAST]
    + ["line-indent", "code.opponent", "code.pair", "code.item-explained"]
    + [f"ability.{a}.name" for a in ABILITIES]
    + [f"ability.{a}.text" for a in ABILITIES]
    + [None] + [f"ranking.place.{n}" for n in range(1, 11)]
    + ["ranking.record", "status.match-day", "status.motivated-mode", "status.easy-mode",
       "status.money", "status.item-line", "status.key.z", "status.key.x", "status.key.c"]
    + ["result.draw", "result.win", "result.loss"]
    + [f"title.help.{n}" for n in range(1, 5)]
    + ["ui.caption", "ui.menu-file", "ui.menu-start", "ui.menu-continue", "ui.menu-quit",
       "ui.menu-settings", "ui.menu-keys", "ui.language.ja", "ui.language.en", "ui.ok",
       "ui.yes", "ui.no"]
    + ["keys.title"] + [f"keys.label.{k}" for k in GAME_KEYS]
    + [f"keys.action.{k}" for k in GAME_KEYS]
    + ["keys.help", "keys.waiting", "keys.changed", "keys.not-saved", "keys.unchanged",
       "keys.taken", "keys.reserved", "keys.escape", "keys.press-another"]
    + ["save.caption", "save.cannot-read", "save.kept-as-bad", "save.not-kept", "save.no-save",
       "save.cannot-write", "save.empty", "save.cut-off", "save.damaged", "save.too-big",
       "save.not-a-save", "save.newer", "save.missing", "save.wrong-value", "save.unknown",
       "save.unreadable"]
)

# The fill-ins each text wrote, old spelling -> the one name the game now uses.
RENAMES = {
    "code.opponent": {"{r}": "{rank}", "{o}": "{ordinal}", "{n}": "{name}"},
    "code.pair": {"{a}": "{first}", "{b}": "{second}"},
    "code.item-explained": {"{n}": "{item}", "{d}": "{explanation}"},
    "ranking.record": {"{w}": "{wins}", "{l}": "{losses}"},
    "status.match-day": {"{r}": "{day}"},
    "status.money": {"{r}": "{money}"},
    "status.item-line": {"{k}": "{key}", "{n}": "{item}", "{r}": "{count}"},
    "save.kept-as-bad": {"save.json.bad": "{file}"},
    "save.not-kept": {"save.json.bad": "{file}", "%s": "{why}"},
    "save.cannot-write": {"%s": "{why}"},
    "save.damaged": {"%s": "{byte}"},
    "save.newer": {"%s": "{version}"},
    "save.unreadable": {"%s": "{why}"},
}

# Texts whose meaning changed since that table was written: their English is
# the catalogue's, not the old table's.
CHANGED = {"save.missing", "save.wrong-value", "save.unknown"}


def renamed(key, text):
    for old, new in RENAMES.get(key, {}).items():
        text = text.replace(old, new)
    return text
