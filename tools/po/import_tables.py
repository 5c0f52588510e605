#!/usr/bin/env python3
"""Writes the template po/mokimoki.pot from the game's Japanese text tables
(src/story/texts_ja.cpp, the scripts and the item catalogue), then brings
every catalogue po/*.po up to date with it through gettext's msgmerge: a text
whose Japanese changed keeps its translation, marked fuzzy; a new one waits
untranslated.

Run from anywhere:
  python3 tools/po/import_tables.py
"""

import os
import re
import subprocess
import sys

sys.dont_write_bytecode = True  # nothing is left in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import cxx_strings  # noqa: E402
import po_file  # noqa: E402
from comments import comment_for  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
STORY = os.path.join(ROOT, "src", "story")
ITEMS = os.path.join(ROOT, "src", "story", "item_catalogue.cpp")
PO = os.path.join(ROOT, "po")

HEADER = """Project-Id-Version: mokimoki
Report-Msgid-Bugs-To: 
POT-Creation-Date: 2026-12-07 00:00+0000
PO-Revision-Date: YEAR-MO-DA HO:MI+ZONE
Last-Translator: FULL NAME <EMAIL@ADDRESS>
Language-Team: LANGUAGE <LL@li.org>
Language: 
MIME-Version: 1.0
Content-Type: text/plain; charset=UTF-8
Content-Transfer-Encoding: 8bit
"""

def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def items_block(source, name):
    """The (name, description) pairs of the item table `name`, or None."""
    m = re.search(r"\b" + name + r"\[kItemCount\]\s*=\s*\{(.*?)\n\};", source, re.S)
    if not m:
        return None
    s = cxx_strings.strings(m.group(1))
    return list(zip(s[0::2], s[1::2]))


def japanese():
    """Every (key, Japanese text), in the order of the template."""
    out = []
    s = cxx_strings.strings(read(os.path.join(STORY, "texts_ja.cpp")))
    out += list(zip(s[0::2], s[1::2]))
    for f in ("scripts_main.cpp", "scripts_chatter.cpp"):
        for name, text in cxx_strings.constants(read(os.path.join(STORY, f))).items():
            out.append(("script." + cxx_strings.kebab(name), text))
    for n, (name, desc) in enumerate(items_block(read(ITEMS), "kItems")):
        out.append((f"item.{n:02d}.name", name))
        out.append((f"item.{n:02d}.description", desc))
    return out


def merge(path, template_path):
    """Brings the catalogue at path up to date with the template (msgmerge),
    and writes it back in the catalogues' own layout: a script cut after each
    of its line breaks, page ends, questions and jumps."""
    subprocess.run(["msgmerge", "--quiet", "--update", "--backup=none", path, template_path],
                   check=True)
    header, entries = po_file.read(path)
    po_file.write(path, header, entries)
    return entries


def main():
    if len(sys.argv) != 1:
        sys.exit(__doc__)
    template = []
    seen = set()
    for key, text in japanese():
        if not text:
            continue
        if key in seen:
            sys.exit(f"the key {key} is used twice")
        seen.add(key)
        template.append(po_file.Entry(key, text, "", comment_for(key)))
    os.makedirs(PO, exist_ok=True)
    template_path = os.path.join(PO, "mokimoki.pot")
    po_file.write(template_path, HEADER, template)
    print(f"po/mokimoki.pot: {len(template)} texts")
    for name in sorted(os.listdir(PO)):
        if name.endswith(".po"):
            entries = merge(os.path.join(PO, name), template_path)
            missing = [e.context for e in entries if not e.msgstr or "fuzzy" in e.flags]
            print(f"po/{name}: {len(entries) - len(missing)} translated"
                  + (f"; to do: {', '.join(missing)}" if missing else ""))


if __name__ == "__main__":
    main()
