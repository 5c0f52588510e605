#!/usr/bin/env python3
"""Writes the catalogues po/mokimoki.pot and po/en.po from the game's C++ text
tables: the Japanese ones (src/story/texts_ja.cpp, the scripts and the item
catalogue) give the template; the English ones, while they are still kept in
C++ (texts_en.cpp, scripts_*_en.cpp, kItemsEn), give en.po. Without them,
en.po keeps its own translations and is merged with the new template.

Run from anywhere:
  python3 tools/po/import_tables.py                 the English C++ tables of the work tree, if any
  python3 tools/po/import_tables.py --english REV   the English C++ tables as git revision REV has them
"""

import os
import re
import subprocess
import sys

sys.dont_write_bytecode = True  # nothing is left in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import cxx_strings  # noqa: E402
import old_layout  # noqa: E402
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

EN_HEADER = """Project-Id-Version: mokimoki
Report-Msgid-Bugs-To: 
POT-Creation-Date: 2026-12-07 00:00+0000
PO-Revision-Date: 2026-12-07 00:00+0000
Last-Translator: mokimoki
Language-Team: English
Language: en
MIME-Version: 1.0
Content-Type: text/plain; charset=UTF-8
Content-Transfer-Encoding: 8bit
Plural-Forms: nplurals=2; plural=(n != 1);
"""


ENGLISH_REV = None  # read the English tables from this git revision


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def read_english(path):
    """A file of the English tables: from the work tree, or from ENGLISH_REV;
    None when it is not there."""
    if ENGLISH_REV is None:
        return read(path) if os.path.exists(path) else None
    rel = os.path.relpath(path, ROOT)
    r = subprocess.run(["git", "-C", ROOT, "show", f"{ENGLISH_REV}:{rel}"], capture_output=True)
    return r.stdout.decode("utf-8") if r.returncode == 0 else None


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


def english_from_cxx():
    """(key -> English) from the English C++ tables, or None once they are gone."""
    texts = read_english(os.path.join(STORY, "texts_en.cpp"))
    if texts is None:
        return None
    en = {}
    s = cxx_strings.strings(texts)
    if len(s) != len(old_layout.KEYS):
        sys.exit(f"texts_en.cpp holds {len(s)} texts; expected {len(old_layout.KEYS)}")
    for key, text in zip(old_layout.KEYS, s):
        if key and key not in old_layout.CHANGED:
            en[key] = old_layout.renamed(key, text)
    for f in ("scripts_main_en.cpp", "scripts_chatter_en.cpp"):
        for name, text in cxx_strings.constants(read_english(os.path.join(STORY, f))).items():
            en["script." + cxx_strings.kebab(name)] = text
    for n, (name, desc) in enumerate(items_block(read_english(ITEMS) or "", "kItemsEn") or []):
        en[f"item.{n:02d}.name"] = name
        en[f"item.{n:02d}.description"] = desc
    return en


def merge(path, template, fixed, header):
    """Writes the catalogue at path for the template: a translation from `fixed`
    first, then the catalogue's own one for the same Japanese text; an entry
    whose Japanese changed keeps its old translation marked fuzzy."""
    old = {}
    if os.path.exists(path):
        header, entries = po_file.read(path)
        old = {e.context: e for e in entries}
    out = []
    for t in template:
        e = po_file.Entry(t.context, t.msgid, "", t.comments)
        if fixed and t.context in fixed:
            e.msgstr = fixed[t.context]
        elif t.context in old:
            o = old[t.context]
            e.msgstr = o.msgstr
            e.flags = set(o.flags)
            if o.msgid != t.msgid and o.msgstr:
                e.flags.add("fuzzy")
        out.append(e)
    po_file.write(path, header, out)
    return out


def main():
    global ENGLISH_REV
    if len(sys.argv) == 3 and sys.argv[1] == "--english":
        ENGLISH_REV = sys.argv[2]
    elif len(sys.argv) != 1:
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
    po_file.write(os.path.join(PO, "mokimoki.pot"), HEADER, template)
    english = english_from_cxx()
    if english is not None:
        # Texts the English C++ table never had, or whose meaning changed.
        from comments import ENGLISH_EXTRA

        english = {**ENGLISH_EXTRA, **english}
    entries = merge(os.path.join(PO, "en.po"), template, english, EN_HEADER)
    missing = [e.context for e in entries if not e.msgstr]
    print(f"po/mokimoki.pot: {len(template)} texts; po/en.po: {len(template) - len(missing)} "
          f"translated" + (f", untranslated: {', '.join(missing)}" if missing else ""))


if __name__ == "__main__":
    main()
