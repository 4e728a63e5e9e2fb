#!/usr/bin/env python3
"""Builds the five level files of the word database from one readable table.

The table, tools/word-data/mots.tsv, is UTF-8 text with a header line and
three tab-separated columns:

    mot       the word in display form: a singular noun without article, a
              verb in the infinitive, a masculine singular adjective...
    thèmes    one or two theme codes taken from THEME_CODES (case matters:
              "A" is Animaux, "a" is Alimentation, cuisine)
    niveau    the class: CP, CE1, CE2, CM1 or CM2

A word appears at most once per class. It may appear in two classes (a thin
theme topped up with a word of the previous class); it then carries the same
themes in both rows.

Each level file is Windows-1252 text with CR LF line ends. Lines starting with
"/" are comments. Every other line is one entry read by character position:
1 = first theme code, 2 = second theme code ("-" when the word has one theme),
3-4 = two spaces (not read by the program), 5 to the end = the word.
Entries are grouped by their first theme, in theme order, then sorted
alphabetically, so the output depends only on the content of the table.

Usage:
    tools/build-word-data.py            write the five files into data/
    tools/build-word-data.py --check    only report whether data/ is up to date
"""

import argparse
import os
import sys
import unicodedata

THEME_CODES = "édaArCoERlFLIMimuNnOPTt123V"

THEME_NAMES = [
    "Activités, métiers", "Adjectifs", "Alimentation, cuisine", "Animaux",
    "Arbres, arbustes", "Corps humain", "Couleurs", "École",
    "Espace (repérage)", "Fleurs", "Fruits", "Légumes", "Lieux", "Maison",
    "Matières, métaux", "Météo", "Musique", "Nature, environnement",
    "Nombres", "Objets", "Personnes, personnages", "Temps (repérage)",
    "Transports", "Verbes (1er groupe)", "Verbes (2e groupe)",
    "Verbes (3e groupe)", "Vêtements",
]

# Class name -> file name of its level file, in class order.
LEVEL_FILES = {
    "CP": "DB 01-07 (CP).txt",
    "CE1": "DB 08-11 (CE1).txt",
    "CE2": "DB 12-15 (CE2).txt",
    "CM1": "DB 16-19 (CM1).txt",
    "CM2": "DB 20-23 (CM2).txt",
}

NO_SECOND_THEME = "-"
UNREAD_COLUMNS = "  "

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_TABLE = os.path.join(ROOT, "tools", "word-data", "mots.tsv")
DEFAULT_OUT = os.path.join(ROOT, "data")


class TableError(Exception):
    pass


def sort_key(word):
    """Alphabetical order that ignores accents and case (œ sorts as oe)."""
    folded = word.lower().replace("œ", "oe").replace("æ", "ae")
    folded = "".join(c for c in unicodedata.normalize("NFD", folded)
                     if not unicodedata.combining(c))
    return (folded, word)


def read_table(path=DEFAULT_TABLE):
    """Returns the rows of the table as (word, codes, level) tuples.

    Raises TableError, naming the line, on a malformed row."""
    rows = []
    seen = {}
    themes_of = {}
    with open(path, encoding="utf-8", newline="") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if not lines or lines[0].split("\t") != ["mot", "thèmes", "niveau"]:
        raise TableError(f"{path}:1: the header must be 'mot<TAB>thèmes<TAB>niveau'")
    for number, line in enumerate(lines[1:], start=2):
        where = f"{path}:{number}"
        fields = line.split("\t")
        if len(fields) != 3:
            raise TableError(f"{where}: expected 3 tab-separated columns, got {len(fields)}")
        word, codes, level = fields
        if not word or word != word.strip() or "  " in word:
            raise TableError(f"{where}: empty word or stray spaces in {word!r}")
        if "\r" in line:
            raise TableError(f"{where}: the table uses LF line ends only")
        if not 1 <= len(codes) <= 2 or any(c not in THEME_CODES for c in codes) \
                or len(set(codes)) != len(codes):
            raise TableError(f"{where}: bad theme codes {codes!r} for {word!r}")
        if level not in LEVEL_FILES:
            raise TableError(f"{where}: bad class {level!r} for {word!r}")
        if (word, level) in seen:
            raise TableError(f"{where}: {word!r} is already in {level} (line {seen[(word, level)]})")
        if themes_of.setdefault(word, codes) != codes:
            raise TableError(f"{where}: {word!r} has themes {codes!r} here and "
                             f"{themes_of[word]!r} in another class")
        seen[(word, level)] = number
        rows.append((word, codes, level))
    return rows


def level_lines(rows, level):
    """The lines of one level file, without line ends."""
    entries = sorted(((THEME_CODES.index(codes[0]), sort_key(word), word, codes)
                      for word, codes, lv in rows if lv == level))
    file_name = LEVEL_FILES[level]
    lines = [
        f"/ Lexigrille : base de mots, classe de {level} ({file_name}).",
        "/ Une ligne par mot. Colonne 1 : code du thème ; colonne 2 : code d'un",
        f"/ second thème (« {NO_SECOND_THEME} » s'il n'y en a pas) ; colonnes 3 et 4 : non lues ;",
        "/ à partir de la colonne 5 : le mot. Les lignes commençant par « / » sont",
        "/ des commentaires.",
        "/ Ce fichier est produit par tools/build-word-data.py à partir du tableau",
        "/ tools/word-data/mots.tsv : modifiez le tableau, puis relancez le script.",
        "/",
        "/ Codes des thèmes :",
    ]
    for code, name in zip(THEME_CODES, THEME_NAMES):
        lines.append(f"/   {code}  {name}")
    current = None
    for theme_index, _, word, codes in entries:
        if theme_index != current:
            current = theme_index
            lines.append("/")
            lines.append(f"/ {THEME_NAMES[theme_index]}")
        second = codes[1] if len(codes) == 2 else NO_SECOND_THEME
        lines.append(f"{codes[0]}{second}{UNREAD_COLUMNS}{word}")
    return lines


def render_level_files(rows):
    """Returns {file name: file content as bytes} for the five level files."""
    out = {}
    for level, file_name in LEVEL_FILES.items():
        text = "".join(line + "\r\n" for line in level_lines(rows, level))
        try:
            out[file_name] = text.encode("cp1252")
        except UnicodeEncodeError as error:
            bad = text[error.start:error.end]
            raise TableError(f"{level}: {bad!r} has no Windows-1252 code") from None
    return out


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--table", default=DEFAULT_TABLE, help="the UTF-8 table (mots.tsv)")
    parser.add_argument("--out", default=DEFAULT_OUT, help="folder of the level files")
    parser.add_argument("--check", action="store_true",
                        help="write nothing; exit 1 when a level file differs from the table")
    args = parser.parse_args(argv)
    try:
        files = render_level_files(read_table(args.table))
    except (TableError, OSError) as error:
        print(f"build-word-data: {error}", file=sys.stderr)
        return 2
    stale = []
    for name, content in files.items():
        path = os.path.join(args.out, name)
        try:
            with open(path, "rb") as f:
                current = f.read()
        except FileNotFoundError:
            current = None
        if current == content:
            continue
        stale.append(name)
        if not args.check:
            with open(path, "wb") as f:
                f.write(content)
    if args.check:
        for name in stale:
            print(f"build-word-data: {name} is not up to date", file=sys.stderr)
        return 1 if stale else 0
    for name in stale:
        print(f"written: {os.path.join(args.out, name)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
