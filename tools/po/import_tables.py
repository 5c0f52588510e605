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
import tempfile

sys.dont_write_bytecode = True  # nothing is left in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import po_file  # noqa: E402

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

# The files of the game's Japanese texts, in the template's order.
SOURCES = [os.path.join(STORY, "texts_ja.cpp"), os.path.join(STORY, "scripts_main.cpp"),
           os.path.join(STORY, "scripts_chatter.cpp"), ITEMS]
# Told to the translator above every script.
CODES = ("Codes: #, line break (yours to place); #. page end; #?xy yes/no question "
         "(x: yes, y: no); #<letter or digit> a label; everything else after # acts on the "
         "game. Keep every code but #, exactly, in the same order.")


def japanese():
    """The template's entries: every text marked J(key, text) or JT(key, text)
    in the game's Japanese tables, as xgettext finds them, with the comment
    above it that begins "TRANSLATORS:"."""
    with tempfile.TemporaryDirectory() as tmp:
        names = []
        for path in SOURCES:
            with open(path, encoding="utf-8") as f:
                text = f.read()
            # xgettext 0.21 reads U"..." but does not join U"a" U"b" as the
            # compiler does; without the prefix it does.
            text = re.sub(r'(?<![\w"])U"', '"', text)
            names.append(os.path.basename(path))
            with open(os.path.join(tmp, names[-1]), "w", encoding="utf-8") as f:
                f.write(text)
        subprocess.run(["xgettext", "--language=C++", "--from-code=UTF-8", "-k", "-kJ:1c,2",
                        "-kJT:1c,2", "--add-comments=TRANSLATORS:", "--no-location",
                        "--output=template.pot"] + names, cwd=tmp, check=True)
        _, entries = po_file.read(os.path.join(tmp, "template.pot"))
    for e in entries:
        e.comments = [c[len("TRANSLATORS:"):].strip() if c.startswith("TRANSLATORS:") else c
                      for c in e.comments]
        if e.context.startswith("script."):
            e.comments.append(CODES)
    return entries


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
    template = japanese()
    keys = [e.context for e in template]
    twice = sorted({k for k in keys if keys.count(k) > 1})
    if twice or None in keys:
        sys.exit(f"a key used twice, or a text without one: {', '.join(twice)}")
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
