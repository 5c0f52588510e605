"""Reading and writing gettext PO files: just what the game's catalogues use
(translator comments, references, flags, msgctxt, msgid and msgstr)."""

import re

_ESC = {"\\": "\\\\", '"': '\\"', "\n": "\\n", "\t": "\\t"}


class Entry:
    def __init__(self, context, msgid, msgstr="", comments=(), flags=(), line=0):
        self.context = context
        self.msgid = msgid
        self.msgstr = msgstr
        self.comments = list(comments)  # the "#." lines
        self.flags = set(flags)  # "fuzzy", ...
        self.line = line  # where msgid stands in the file read


def _unquote(s, where):
    if len(s) < 2 or s[0] != '"' or s[-1] != '"':
        raise ValueError(f"{where}: expected a quoted string")
    body, out, i = s[1:-1], [], 0
    while i < len(body):
        if body[i] == "\\" and i + 1 < len(body):
            out.append({"n": "\n", "t": "\t", "\\": "\\", '"': '"'}.get(body[i + 1], body[i + 1]))
            i += 2
        else:
            out.append(body[i])
            i += 1
    return "".join(out)


def read(path):
    """The header's msgstr and the entries of a PO file, in order."""
    entries, header = [], None
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    cur = {"comments": [], "flags": set(), "context": None, "msgid": None, "msgstr": None}
    field = None

    def finish():
        nonlocal header
        if cur["msgid"] is None:
            return
        if cur["msgid"] == "" and cur["context"] is None:
            header = cur["msgstr"] or ""
        else:
            entries.append(Entry(cur["context"], cur["msgid"], cur["msgstr"] or "",
                                 cur["comments"], cur["flags"], cur["line"]))
        cur.update(comments=[], flags=set(), context=None, msgid=None, msgstr=None)

    for n, raw in enumerate(lines, 1):
        line = raw.strip()
        where = f"{path}:{n}"
        if not line:
            continue
        if line.startswith("#~"):
            continue
        if line.startswith("#"):
            if cur["msgid"] is not None and field == "msgstr":
                finish()
            field = None
            if line.startswith("#."):
                cur["comments"].append(line[2:].strip())
            elif line.startswith("#,"):
                cur["flags"].update(f.strip() for f in line[2:].split(","))
            continue
        m = re.match(r"(msgctxt|msgid|msgstr)\s+(.*)$", line)
        if m:
            if m.group(1) in ("msgctxt", "msgid") and cur["msgid"] is not None:
                finish()
            field = m.group(1)
            key = {"msgctxt": "context"}.get(field, field)
            cur[key] = _unquote(m.group(2), where)
            if field == "msgid":
                cur["line"] = n
        elif line.startswith('"') and field:
            key = {"msgctxt": "context"}.get(field, field)
            cur[key] += _unquote(line, where)
        else:
            raise ValueError(f"{where}: cannot read this line")
    finish()
    return header, entries


def _quote(s):
    return '"' + "".join(_ESC.get(c, c) for c in s) + '"'


def _pieces(text, is_script):
    """A long text cut where a reader expects it: a script after each line
    break, page end, question and jump."""
    if not is_script:
        return text.split("\n") if "\n" in text else [text]
    parts = re.split(r"(#,|#\.|#\?..|#G.)", text)
    out, cur = [], ""
    for p in parts:
        cur += p
        if re.fullmatch(r"#,|#\.|#\?..|#G.", p):
            out.append(cur)
            cur = ""
    if cur:
        out.append(cur)
    return out


def _field(name, text, is_script):
    pieces = _pieces(text, is_script)
    if "\n" in text and not is_script:
        pieces = [p + "\n" for p in pieces[:-1]] + [pieces[-1]]
        pieces = [p for p in pieces if p]
    if len(pieces) <= 1:
        return f"{name} {_quote(text)}\n"
    return f'{name} ""\n' + "".join(_quote(p) + "\n" for p in pieces)


def write(path, header, entries):
    with open(path, "w", encoding="utf-8") as f:
        f.write('msgid ""\n')
        f.write('msgstr ""\n' + "".join(_quote(l + "\n") + "\n" for l in header.rstrip("\n").split("\n")))
        for e in entries:
            f.write("\n")
            for c in e.comments:
                f.write(f"#. {c}\n" if c else "#.\n")
            if e.flags:
                f.write("#, " + ", ".join(sorted(e.flags)) + "\n")
            script = (e.context or "").startswith("script.")
            if e.context is not None:
                f.write(f"msgctxt {_quote(e.context)}\n")
            f.write(_field("msgid", e.msgid, script))
            f.write(_field("msgstr", e.msgstr, script))
