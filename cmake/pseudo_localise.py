#!/usr/bin/env python3
"""Writes a pseudo-localised copy of the localisation module's scripts.

    pseudo_localise.py OUT_DIR INPUT...

Every string-table string and every text of a dialog template (its caption and its controls'
texts) becomes at least 40 % longer, its letters accented and the whole between brackets, so
that a text cut short shows: "[Ñéw fïlé àéöü]". What the code reads stays as it is: the "&"
and its letter (so each dialog keeps its letters), format fields (%d, %s, %1, %%), escapes
(\\t, \\n), what follows a tab (a shortcut), the patterns of file-type lists, and addresses.
Menus and everything else pass through unchanged. Each INPUT is written to OUT_DIR under its
own name; the copies declare the pseudo locale's language.
"""

import math
import os
import re
import sys

ACCENTS = dict(zip("aAcCeEiInNoOuUyY", "àÅçÇéÉïÎñÑöÖüÛýÝ"))
PADDING = "àéöüñçõêâ"
# What a text keeps as it is: format fields, escapes, a mnemonic with its letter, a doubled
# quote, file patterns.
KEEP = re.compile(r'%%|%[-+ #0]*\d*(?:\.\d+)?(?:ls|hs|ll|l|h)?[dsuxXcfegSi]|%\d+(?:![^!]*!)?'
                  r'|\\x[0-9A-Fa-f]+|\\.|&&|&.|""|\(\*[^)]*\)|\*\.[\w*;.]*')
STRING = re.compile(r'L?"(?:[^"]|"")*"')
CONTROL_KEYWORDS = {"LTEXT", "RTEXT", "CTEXT", "PUSHBUTTON", "DEFPUSHBUTTON", "GROUPBOX",
                    "CHECKBOX", "AUTOCHECKBOX", "RADIOBUTTON", "AUTORADIOBUTTON", "STATE3",
                    "AUTO3STATE", "CONTROL", "PUSHBOX"}


def visible_length(text):
    """Characters a reader sees: an escape, a doubled quote or "&&" counts once, a lone "&" not."""
    n, i = 0, 0
    while i < len(text):
        pair = text[i:i + 2]
        if pair.startswith("\\") or pair in ('&&', '""'):
            i += 2
        elif pair.startswith("&"):
            i += 1
            continue
        else:
            i += 1
        n += 1
    return n


def accent(text):
    """Accents the letters outside what must stay, keeping those pieces whole."""
    out, at = [], 0
    for m in KEEP.finditer(text):
        out.append("".join(ACCENTS.get(c, c) for c in text[at:m.start()]))
        out.append(m.group(0))
        at = m.end()
    out.append("".join(ACCENTS.get(c, c) for c in text[at:]))
    return "".join(out)


def padding(count):
    """`count` letters in words of at most seven, so that a wrapping label can break them."""
    letters = "".join(PADDING[i % len(PADDING)] for i in range(count))
    return " ".join(letters[i:i + 7] for i in range(0, len(letters), 7))


def pseudo_text(text):
    """One text (the inside of a script's string literal)."""
    if not text.strip() or "://" in text:
        return text
    # A list of file types: "Name (*.x)|*.x|..." (or tab-separated): names only.
    for sep in ("|", "\\t"):
        if "*." in text and sep in text:
            parts = text.split(sep)
            return sep.join(pseudo_text(p) if i % 2 == 0 and p else p for i, p in enumerate(parts))
    # "status\nname": each line on its own.
    if "\\n" in text:
        return "\\n".join(pseudo_text(p) for p in text.split("\\n"))
    # "Undo\tCtrl+Z": the shortcut after the tab stays.
    if "\\t" in text:
        head, _, tail = text.partition("\\t")
        return pseudo_text(head) + "\\t" + tail
    n = visible_length(text)
    extra = max(2, math.ceil(n * 0.4))
    return "[" + accent(text) + " " + padding(extra) + "]"


def latin1_escapes(text):
    """Octal escapes ("\\251") as the characters they stand for: the copy is UTF-8, where the
    single byte they make would be no character."""
    return re.sub(r"\\\\|\\([0-7]{1,3})",
                  lambda m: chr(int(m.group(1), 8)) if m.group(1) else m.group(0), text)


def pseudo_literal(literal):
    prefix = "L" if literal.startswith("L") else ""
    body = latin1_escapes(literal[len(prefix) + 1:-1])
    return prefix + '"' + pseudo_text(body) + '"'


def pseudo_all_strings(line):
    return STRING.sub(lambda m: pseudo_literal(m.group(0)), line)


def pseudo_first_string(line):
    m = STRING.search(line)
    if not m:
        return line
    return line[:m.start()] + pseudo_literal(m.group(0)) + line[m.end():]


def convert(lines):
    """Rewrites one script, line by line, knowing which block each line is in."""
    out = []
    block = None   # "strings", "dialog", "menu" or None
    depth = 0
    for line in lines:
        stripped = line.strip()
        words = stripped.split()
        first = words[0] if words else ""
        if stripped.startswith("#") or stripped.startswith("//"):
            out.append(line)
            continue
        if first == "LANGUAGE":
            # The pseudo locale, 0x0501 (1281).
            out.append("LANGUAGE 0x101, 0x1\n")
            continue
        if first.startswith("SC_COMMAND("):
            out.append(pseudo_all_strings(line))
            continue
        if depth == 0 and block is None:
            if first == "STRINGTABLE":
                block = "strings"
            elif len(words) > 1 and words[1] in ("DIALOGEX", "DIALOG"):
                block = "dialog"
            elif len(words) > 1 and words[1] in ("MENU", "MENUEX"):
                block = "menu"
            out.append(line)
            continue
        if first == "BEGIN":
            depth += 1
        elif first == "END":
            depth -= 1
            if depth == 0:
                block = None
        elif block == "dialog" and depth == 0 and first == "CAPTION":
            line = pseudo_first_string(line)
        elif block == "dialog" and depth > 0 and first in CONTROL_KEYWORDS:
            line = pseudo_first_string(line)
        elif block == "strings" and depth > 0:
            line = pseudo_all_strings(line)
        out.append(line)
    return out


def main(argv):
    if len(argv) < 3:
        sys.stderr.write(__doc__)
        return 2
    out_dir = argv[1]
    os.makedirs(out_dir, exist_ok=True)
    for path in argv[2:]:
        with open(path, encoding="utf-8") as f:
            lines = f.readlines()
        text = "".join(convert(lines))
        if path.endswith(".rc"):
            text = "#pragma code_page(65001)\n" + text
        target = os.path.join(out_dir, os.path.basename(path))
        temporary = target + ".tmp"
        with open(temporary, "w", encoding="utf-8") as f:
            f.write(text)
        os.replace(temporary, target)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
