#!/usr/bin/env python3
"""Makes a pseudo-language from a catalogue, for seeing that every text on the
screen comes from a catalogue and that longer words still fit.

  pseudo.py IN.po OUT.po [CODE] [BRACKETS]

Every letter of each translation is accented (an access key after "&", the
fill-ins and the script codes stay as they are), each text is made about a
third longer and put in brackets, "[...]" unless BRACKETS gives another
pair: a bracket missing on the screen is a text cut short, a text without
brackets one that no catalogue holds. In a script every line is bracketed
on its own, and the words a code writes stay inside the line.
"""

import os
import re
import sys

sys.dont_write_bytecode = True  # nothing is left in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import po_file  # noqa: E402
from make_tables import code_length  # noqa: E402

# Letters the game's fonts have in accented (or look-alike) forms.
ACCENTED = dict(zip(
    "abcdefghijklmnoprstuvwxyzABCDEGHIJLMNOPRSTUXYZ",
    "áɓçďéφĝĥíĵκľɱñöþŕšťüʋωχýžÅΒÇÐÉĜĤÎĴĹМÑÖÞŘŠŤÜΧÝŽ"))
# The codes that write words into the line they stand in; every other code
# ends a line (or a page) or acts without showing anything.
WRITING = set("PNOIUX")


# What stays as it is: a fill-in, and an access key after "&" (it stays a key
# on the keyboard).
KEPT = re.compile(r"(\{[a-z]+\}|&.)")


def accent(text):
    """Every letter accented, its vowels said twice (from the end) until the
    text is about a third longer; what KEPT finds stays as it is."""
    pieces = KEPT.split(text)
    want = sum(c.isalpha() for k, p in enumerate(pieces) if k % 2 == 0 for c in p) // 3
    out = []
    for k in reversed(range(len(pieces))):
        if k % 2:
            out.append(pieces[k])
            continue
        letters = []
        for c in reversed(pieces[k]):
            letters.append(ACCENTED.get(c, c))
            if want > 0 and c in "aeiouAEIOU":
                letters.append(ACCENTED[c.lower()])
                want -= 1
        out.append("".join(reversed(letters)))
    return "".join(reversed(out)) + "~" * want


def pseudo(text, brackets):
    """One text that shows on its own line (or lines): brackets inside its
    spaces, so padding stays padding."""
    lines = text.split("\n")
    out = []
    for line in lines:
        core = line.strip(" \u3000")
        if not core:
            out.append(line)
            continue
        start = line.index(core)
        out.append(line[:start] + brackets[0] + accent(core) + brackets[1]
                   + line[start + len(core):])
    return "\n".join(out)


def pseudo_script(script, bear_room, brackets):
    """A script: each line's words (and the codes that write into it)
    bracketed, every other code kept where it is."""
    out, line, i = [], [], 0  # line: its pieces, words and codes

    def end_line():
        if "".join(p for p in line if not p.startswith("#")).strip():
            out.append(pseudo_words(line, brackets))
        else:
            out.append("".join(line))
        line.clear()

    while i < len(script):
        if script[i] == "#" and i + 1 < len(script):
            n = code_length(script, i, bear_room)
            code = script[i:i + n]
            if code[1] in WRITING:
                line.append(code)
            else:
                end_line()
                out.append(code)
            i += n
        else:
            if line and not line[-1].startswith("#"):
                line[-1] += script[i]
            else:
                line.append(script[i])
            i += 1
    end_line()
    return "".join(out)


def pseudo_words(pieces, brackets):
    """A line's words and codes: the words accented and made longer, the codes kept."""
    body = "".join(p if p.startswith("#") else accent(p) for p in pieces)
    core = body.strip(" ")
    start = body.index(core)
    return body[:start] + brackets[0] + core + brackets[1] + body[start + len(core):]


def main(argv):
    source, target = argv[1], argv[2]
    code = argv[3] if len(argv) > 3 else "qps"
    brackets = argv[4] if len(argv) > 4 else "[]"
    header, entries = po_file.read(source)
    for e in entries:
        if not e.msgstr:
            continue
        if e.context.startswith("script."):
            e.msgstr = pseudo_script(e.msgstr, e.context == "script.bear-host", brackets)
        elif e.context == "ui.this-language":
            e.msgstr = pseudo(e.msgstr, brackets) + f" ({code})"
        else:
            e.msgstr = pseudo(e.msgstr, brackets)
    header = re.sub(r"(?m)^Language: .*$", f"Language: {code}", header)
    po_file.write(target + ".new", header, entries)
    os.replace(target + ".new", target)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
