"""Reads the string literals of the game's C++ text tables."""

import re


def _unescape(body):
    out = []
    i = 0
    while i < len(body):
        c = body[i]
        if c != "\\":
            out.append(c)
            i += 1
            continue
        n = body[i + 1]
        if n == "u":
            out.append(chr(int(body[i + 2:i + 6], 16)))
            i += 6
        elif n == "U":
            out.append(chr(int(body[i + 2:i + 10], 16)))
            i += 10
        else:
            out.append({"n": "\n", "t": "\t", "r": "\r", "\\": "\\", '"': '"', "'": "'"}[n])
            i += 2
    return "".join(out)


def tokens(source):
    """The file as a list of ("str", text) and ("code", text) tokens, without
    comments; adjacent string literals are joined into one."""
    result = []
    i = 0
    code = []

    def flush():
        if code:
            result.append(("code", "".join(code)))
            code.clear()

    while i < len(source):
        if source.startswith("//", i):
            i = source.find("\n", i)
            if i < 0:
                break
            continue
        if source.startswith("/*", i):
            i = source.find("*/", i) + 2
            continue
        m = re.compile(r'(?:u8|U|u|L)?"').match(source, i)
        if m and (i == 0 or not (source[i - 1].isalnum() or source[i - 1] == "_")):
            j = m.end()
            while source[j] != '"':
                j += 2 if source[j] == "\\" else 1
            text = _unescape(source[m.end():j])
            between = "".join(code).strip()
            if result and result[-1][0] == "str" and not between:
                result[-1] = ("str", result[-1][1] + text)
                code.clear()
            else:
                flush()
                result.append(("str", text))
            i = j + 1
            continue
        code.append(source[i])
        i += 1
    flush()
    return result


def strings(source):
    """Every string literal of the file, in order."""
    toks = tokens(source)
    return [t for k, (kind, t) in enumerate(toks)
            if kind == "str" and not (k and toks[k - 1][1].rstrip().endswith("#include"))]


def constants(source):
    """The named string constants of a file ("constexpr ... kName[] = U"...";")."""
    found = {}
    toks = tokens(source)
    for k, (kind, text) in enumerate(toks):
        if kind != "str" or k == 0 or toks[k - 1][0] != "code":
            continue
        m = re.search(r"\b(k\w+)\[\]\s*=\s*$", toks[k - 1][1])
        if m:
            found[m.group(1)] = text
    return found


def kebab(name):
    """kReceptionLeague -> reception-league (an "En" ending dropped)."""
    name = name[1:]
    if name.endswith("En") and len(name) > 2:
        name = name[:-2]
    return re.sub(r"(?<!^)([A-Z])", r"-\1", name).lower()
