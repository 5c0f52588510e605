#!/usr/bin/env python3
"""Makes the game's translation tables from the PO catalogues.

  make_tables.py OUT.cpp TEMPLATE.pot LANG=CATALOGUE.po ...

Every catalogue is checked against the template: a translation whose fill-ins
({name}) are not the Japanese text's, or a script whose codes are not the
Japanese script's codes in the same order, stops the build with the file and
line. A fuzzy or untranslated entry, or one made for another Japanese text,
is left out (the game shows the Japanese text) with a warning.
"""

import os
import re
import sys

sys.dont_write_bytecode = True  # nothing is left in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import po_file  # noqa: E402

FILL_IN = re.compile(r"\{[a-z]+\}")
# Fill-ins a translation may use that the Japanese text does not.
EXTRA_FILL_INS = {"code.opponent": {"{ordinal}"}}


# The codes of a script that take operands: how many, as a rule, in a bear
# room (#K), and before the operand P (#XP0). This is the one list of them:
# the build writes it into the game's tables, where the interpreter and the
# tests read it.
CODE_OPERANDS = {
    "?": (2, 2, 2), "C": (2, 2, 2),
    "G": (1, 1, 1), "A": (1, 1, 1), "Z": (1, 1, 1), "U": (1, 1, 1), "Y": (1, 1, 1), "I": (1, 1, 1),
    "K": (1, 0, 1),
    "X": (1, 1, 2),
}


def operands(s, i, bear_room):
    rule, room, before_p = CODE_OPERANDS.get(s[i + 1], (0, 0, 0))
    if s[i + 2:i + 3] == "P":
        return before_p
    return room if bear_room else rule


def code_length(s, i, bear_room):
    """The length of the code at s[i] ("#"), its operands included."""
    return min(len(s) - i, 2 + operands(s, i, bear_room))


def game_codes(s, bear_room):
    """The codes of a script but its line breaks ("#,"), each with its operands."""
    codes, i = [], 0
    while i + 1 < len(s):
        if s[i] != "#":
            i += 1
            continue
        end = min(len(s), i + 2 + operands(s, i, bear_room))
        if s[i:end] != "#,":
            codes.append(s[i:end])
        i = end
    return codes


def problems(key, msgid, msgstr):
    """What is wrong with a translation, in a translator's words, or None."""
    known = set(FILL_IN.findall(msgid)) | EXTRA_FILL_INS.get(key, set())
    unknown = sorted(set(FILL_IN.findall(msgstr)) - known)
    if unknown:
        return f"{', '.join(unknown)} is not filled in here (only {', '.join(sorted(known))})"
    if key.startswith("script."):
        bear = key == "script.bear-host"
        a, b = game_codes(msgid, bear), game_codes(msgstr, bear)
        for n, (x, y) in enumerate(zip(a, b)):
            if x != y:
                return f"code {n + 1} is {y}; the Japanese has {x} there"
        if len(a) != len(b):
            return f"{len(b)} codes; the Japanese has {len(a)}"
    return None


def literal(text):
    out = []
    for c in text:
        if c in '"\\':
            out.append("\\" + c)
        elif ord(c) < 0x20 or ord(c) == 0x7F:
            out.append(f"\\U{ord(c):08X}")
        else:
            out.append(c)
    return 'U"' + "".join(out) + '"'


def table(name, code, entries):
    rows = "".join(f'    {{"{k}", {literal(s)}, {literal(t)}}},\n' for k, s, t in entries)
    return (f"const CatalogueEntry {name}[] = {{\n{rows}}};\n",
            f'{{"{code}", {name}, {len(entries)}}}')


def main(argv):
    out_path, template_path, languages = argv[1], argv[2], argv[3:]
    _, template = po_file.read(template_path)
    source = {e.context: e.msgid for e in template}
    failed = False
    parts = []
    made = []
    for n, language in enumerate(languages):
        code, path = language.split("=", 1)
        _, entries = po_file.read(path)
        rows = {}
        for e in entries:
            where = f"{path}:{e.line}"
            if e.context not in source:
                print(f"{where}: warning: {e.context} is not in the template; left out")
                continue
            if not e.msgstr:
                continue  # counted below
            if "fuzzy" in e.flags or e.msgid != source[e.context]:
                why = "fuzzy" if "fuzzy" in e.flags else "made for another Japanese text"
                print(f"{where}: warning: {e.context} is {why}; the Japanese text is shown")
                continue
            trouble = problems(e.context, e.msgid, e.msgstr)
            if trouble:
                print(f"{where}: error: {e.context}: {trouble}")
                failed = True
                continue
            rows[e.context] = (e.context, e.msgid, e.msgstr)
        missing = [k for k in source if k not in rows]
        if missing:
            print(f"{path}: warning: {len(missing)} texts shown in Japanese")
        body, ref = table(f"kCatalogue{n}", code, [rows[k] for k in sorted(rows)])
        parts.append(body)
        made.append(ref)
    if failed:
        return 1
    tbody, tref = table("kTemplate", "ja", sorted((k, v, v) for k, v in source.items()))
    text = ("// Made by tools/po/make_tables.py from po/: do not edit.\n"
            '#include "story/catalogue.h"\n\nnamespace moki {\n\nnamespace {\n\n'
            + "\n".join(parts) + "\n" + tbody + "\n}  // namespace\n\n"
            + "const Catalogue kCatalogues[] = {\n    " + ",\n    ".join(made or ['{"", nullptr, 0}'])
            + "};\n" + f"const size_t kCatalogueCount = {len(made)};\n"
            + f"const Catalogue kTemplateCatalogue = {tref};\n\n"
            + "const ScriptCodeOperands kScriptCodeOperands[] = {\n"
            + "".join(f"    {{U'{c}', {a}, {b}, {d}}},\n" for c, (a, b, d) in CODE_OPERANDS.items())
            + f"}};\nconst size_t kScriptCodeOperandsCount = {len(CODE_OPERANDS)};\n"
            + "\n}  // namespace moki\n")
    old = open(out_path, encoding="utf-8").read() if os.path.exists(out_path) else None
    if old != text:
        with open(out_path, "w", encoding="utf-8") as f:
            f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
