#!/usr/bin/env python3
"""Checks the word data of the program folder.

Usage: test_word_data.py DATA_DIR

DATA_DIR is the program folder (data/ of the repository): the five level
files, the ready word lists and Lisez_moi.txt. The table they are generated
from and the generator are found in ../tools beside it.

Checked:
  - every file decodes as Windows-1252 and ends its lines with CR LF only;
  - the line format of the level files and the form of every word;
  - no word twice in one file; a word in two files carries the same themes;
  - every theme has at least MIN_PER_THEME entries in every level file, each
    level file holds MIN_PER_LEVEL to MAX_PER_LEVEL entries and the five files
    MIN_DISTINCT distinct words;
  - the grading: CP words are short, the mean length grows from class to class;
  - every word, token by token, is known to the French hunspell dictionary
    (a hyphenated or elided compound such as aujourd'hui may instead be known
    as a whole), apart from ALLOWED_UNKNOWN;
  - the three verb themes agree with the verb groups of the dictionary, apart
    from VERB_GROUP_OVERRIDES; adjectives are masculine (or epicene) adjectives;
  - the level files are exactly what tools/build-word-data.py makes of the table;
  - the ready word lists hold 15 to 30 known words of at most 15 letters.

Needs the Debian packages hunspell and hunspell-fr-classical; fails with a
message saying so when they are missing. Standard library only.
"""

import importlib.util
import os
import re
import shutil
import subprocess
import sys

MIN_PER_THEME = 12
MIN_PER_LEVEL = 400
MAX_PER_LEVEL = 1000
MIN_DISTINCT = 2500
MAX_LETTERS = 15
CP_SHORT_SHARE = 0.75     # share of CP words with at most 7 letters
LIST_MIN, LIST_MAX = 15, 30

THEME_CODES = "édaArCoERlFLIMimuNnOPTt123V"
VERB_CODES = "123"
LEVEL_FILES = ["DB 01-07 (CP).txt", "DB 08-11 (CE1).txt", "DB 12-15 (CE2).txt",
               "DB 16-19 (CM1).txt", "DB 20-23 (CM2).txt"]
README = "Lisez_moi.txt"

# Tokens hunspell does not know although they are right for a school word list,
# with the reason. Empty today: keep it short and reviewed.
ALLOWED_UNKNOWN = {}

# School grammar against the dictionary's verb group, with the reason.
VERB_GROUP_OVERRIDES = {
    "aller": ("3", "school grammar puts aller in the 3rd group; the dictionary says v1"),
    "être": ("3", "auxiliary, v0 in the dictionary; school lists it with the 3rd group"),
    "avoir": ("3", "auxiliary, v0 in the dictionary; school lists it with the 3rd group"),
    "mûrir": ("2", "nous mûrissons: 2nd group; the dictionary tags it v1"),
    "rafraîchir": ("2", "nous rafraîchissons: 2nd group; the dictionary tags it v3"),
}

# Adjective theme words the dictionary does not know as adjectives (reason).
ADJECTIVE_OVERRIDES = {}

WORD_RE = re.compile(r"^[a-zàâäçéèêëîïôöùûüÿœæ]+(?:[- ']?[a-zàâäçéèêëîïôöùûüÿœæ]+)*$")
SEPARATORS = re.compile(r"[- ']")

failures = []


def fail(message):
    failures.append(message)


def letters(word):
    return len(SEPARATORS.sub("", word))


def read_lines(path):
    """Decodes a Windows-1252 CR LF file; returns its lines or None."""
    name = os.path.basename(path)
    try:
        with open(path, "rb") as f:
            raw = f.read()
    except OSError as error:
        fail(f"{name}: cannot be read ({error.strerror})")
        return None
    try:
        text = raw.decode("cp1252")
    except UnicodeDecodeError as error:
        fail(f"{name}: byte 0x{raw[error.start]:02X} at offset {error.start} is not Windows-1252")
        return None
    if text.startswith("\ufeff") or raw.startswith(b"\xef\xbb\xbf"):
        fail(f"{name}: starts with a byte-order mark")
    if not text.endswith("\r\n"):
        fail(f"{name}: the last line does not end with CR LF")
    if re.search(r"\r(?!\n)|(?<!\r)\n", text):
        fail(f"{name}: a line ends with a lone CR or LF, not CR LF")
        return None
    return text[:-2].split("\r\n") if text.endswith("\r\n") else text.split("\r\n")


def check_word_form(where, word):
    if not WORD_RE.match(word):
        fail(f"{where}: {word!r} is not a lower-case word (letters with single hyphens, "
             f"spaces or straight apostrophes between them)")
    elif not 2 <= letters(word) <= MAX_LETTERS:
        fail(f"{where}: {word!r} has {letters(word)} letters (2 to {MAX_LETTERS} allowed)")


# ---------------------------------------------------------------- hunspell

def hunspell_command():
    exe = shutil.which("hunspell")
    if not exe:
        print("FAIL: hunspell is not installed. Install the Debian packages hunspell and "
              "hunspell-fr-classical (build.sh installs them).")
        sys.exit(1)
    return [exe, "-d", "fr_FR", "-i", "utf-8"]


def run_hunspell(cmd, mode, lines):
    env = dict(os.environ, LC_ALL="C.UTF-8")
    result = subprocess.run(cmd + [mode], input="".join(l + "\n" for l in lines),
                            capture_output=True, text=True, encoding="utf-8", env=env)
    if result.returncode != 0 or "Can't open" in result.stderr:
        print("FAIL: the French hunspell dictionary fr_FR cannot be opened. Install the "
              "Debian package hunspell-fr-classical (build.sh installs it).\n" + result.stderr)
        sys.exit(1)
    return result.stdout


def check_dictionary(cmd):
    out = run_hunspell(cmd, "-a", ["^maison", "^nénuphar"])
    if [l[:1] for l in out.splitlines()[1:] if l] != ["*", "*"]:
        print("FAIL: the hunspell dictionary fr_FR is not the French dictionary of "
              "hunspell-fr-classical (it rejects 'maison' or 'nénuphar').")
        sys.exit(1)
    if "po:v2" not in run_hunspell(cmd, "-m", ["finir"]):
        print("FAIL: the hunspell dictionary fr_FR has no morphology (po:v2 for 'finir'); "
              "install hunspell-fr-classical.")
        sys.exit(1)


def known_strings(cmd, strings):
    """The subset of strings (single words or compounds) hunspell accepts."""
    strings = sorted(set(strings))
    out = run_hunspell(cmd, "-a", ["^" + s for s in strings]).split("\n")[1:]
    known, block, blocks = set(), [], []
    for line in out:
        if line == "":
            blocks.append(block)
            block = []
        else:
            block.append(line)
    if len(blocks) < len(strings):
        fail(f"hunspell answered {len(blocks)} lines for {len(strings)} words")
        return known
    for s, answers in zip(strings, blocks):
        if answers and all(a[:1] in "*+-" for a in answers):
            known.add(s)
    return known


def check_spelling(cmd, words_by_file):
    parts = {p for words in words_by_file.values() for w in words for p in w.split(" ")}
    tokens = {t for p in parts for t in SEPARATORS.split(p) if t}
    compounds = {p for p in parts if SEPARATORS.search(p)}
    known = known_strings(cmd, tokens | compounds)
    for name, words in words_by_file.items():
        for w in words:
            for part in w.split(" "):
                unknown = [t for t in SEPARATORS.split(part)
                           if t and t not in known and t not in ALLOWED_UNKNOWN]
                if unknown and part not in known and part not in ALLOWED_UNKNOWN:
                    fail(f"{name}: {w!r}: hunspell does not know {', '.join(map(repr, unknown))}")


def analyses(cmd, words):
    """{word: [morphology lines of that word]} from hunspell -m."""
    out = run_hunspell(cmd, "-m", sorted(words))
    result = {w: [] for w in words}
    for line in out.splitlines():
        head = line.split("  ", 1)
        if len(head) == 2 and head[0] in result:
            result[head[0]].append(head[1])
    return result


def check_morphology(cmd, entries):
    """entries: {word: theme codes}, over all level files."""
    verbs = {w: c for w, c in entries.items() if any(ch in VERB_CODES for ch in c)}
    adjectives = {w for w, c in entries.items() if "d" in c}
    morph = analyses(cmd, set(verbs) | adjectives)
    for w, codes in sorted(verbs.items()):
        themed = [ch for ch in codes if ch in VERB_CODES]
        if len(themed) != 1:
            fail(f"{w!r} is in two verb themes ({codes})")
            continue
        groups = set()
        for a in morph[w]:
            m = re.search(r"po:v(\d)", a)
            if m and "po:infi" in a and a.startswith(f"st:{w} "):
                groups.add(m.group(1))
        if w in VERB_GROUP_OVERRIDES:
            group, _ = VERB_GROUP_OVERRIDES[w]
            if themed[0] != group:
                fail(f"{w!r}: the school-grammar override says group {group}, the theme says {themed[0]}")
            continue
        if not groups:
            fail(f"{w!r} is in a verb theme but hunspell knows no infinitive {w!r}")
        elif themed[0] not in groups:
            fail(f"{w!r} is in verb theme {themed[0]} but the dictionary's group is "
                 f"{'/'.join(sorted(groups))}")
    for w in sorted(adjectives):
        if w in ADJECTIVE_OVERRIDES:
            continue
        if not any("po:adj" in a and re.search(r"is:(mas|epi)", a) for a in morph[w]):
            fail(f"{w!r} is in Adjectifs but hunspell knows no masculine adjective {w!r}")


# ---------------------------------------------------------------- level files

def check_level_files(data_dir):
    """Returns ({file: [(codes, word)]}) after the format checks."""
    levels = {}
    for name in LEVEL_FILES:
        lines = read_lines(os.path.join(data_dir, name))
        if lines is None:
            continue
        entries, seen = [], {}
        for number, line in enumerate(lines, start=1):
            where = f"{name}:{number}"
            if line == "" or line.startswith("/"):
                continue
            if len(line) < 5:
                fail(f"{where}: entry too short: {line!r}")
                continue
            first, second, unread, word = line[0], line[1], line[2:4], line[4:]
            if first not in THEME_CODES:
                fail(f"{where}: {first!r} is no theme code")
                continue
            if second == first:
                fail(f"{where}: the same theme twice")
            elif second not in THEME_CODES and second != "-":
                fail(f"{where}: position 2 must be a theme code or '-', not {second!r}")
            if unread != "  ":
                fail(f"{where}: positions 3-4 must be two spaces, not {unread!r}")
            check_word_form(where, word)
            if word in seen:
                fail(f"{where}: {word!r} is already on line {seen[word]}")
            seen[word] = number
            entries.append((first + (second if second in THEME_CODES else ""), word))
        levels[name] = entries
    return levels


def check_counts(levels):
    themes_of = {}
    for name, entries in levels.items():
        if not MIN_PER_LEVEL <= len(entries) <= MAX_PER_LEVEL:
            fail(f"{name}: {len(entries)} entries ({MIN_PER_LEVEL} to {MAX_PER_LEVEL} wanted)")
        for code in THEME_CODES:
            n = sum(code in codes for codes, _ in entries)
            if n < MIN_PER_THEME:
                fail(f"{name}: theme {code!r} has {n} entries ({MIN_PER_THEME} wanted)")
        for codes, word in entries:
            if themes_of.setdefault(word, (codes, name))[0] != codes:
                fail(f"{name}: {word!r} has themes {codes!r} here, "
                     f"{themes_of[word][0]!r} in {themes_of[word][1]}")
    if len(levels) == len(LEVEL_FILES) and len(themes_of) < MIN_DISTINCT:
        fail(f"{len(themes_of)} distinct words in the level files ({MIN_DISTINCT} wanted)")
    return {w: c for w, (c, _) in themes_of.items()}


def check_grading(levels):
    if len(levels) != len(LEVEL_FILES):
        return
    means = []
    for name in LEVEL_FILES:
        counts = [letters(w) for _, w in levels[name]] or [0]
        means.append(sum(counts) / len(counts))
        if name == LEVEL_FILES[0]:
            share = sum(n <= 7 for n in counts) / len(counts)
            if share < CP_SHORT_SHARE:
                fail(f"{name}: only {share:.0%} of the words have at most 7 letters")
    for (a, ma), (b, mb) in zip(zip(LEVEL_FILES, means), zip(LEVEL_FILES[1:], means[1:])):
        if mb <= ma:
            fail(f"mean word length does not grow: {a} {ma:.2f}, {b} {mb:.2f}")


def check_generated(data_dir):
    root = os.path.dirname(os.path.abspath(data_dir))
    script = os.path.join(root, "tools", "build-word-data.py")
    table = os.path.join(root, "tools", "word-data", "mots.tsv")
    found = importlib.util.spec_from_file_location("build_word_data", script)
    module = importlib.util.module_from_spec(found)
    try:
        found.loader.exec_module(module)
        expected = module.render_level_files(module.read_table(table))
    except Exception as error:  # the generator's own message says what is wrong
        fail(f"tools/build-word-data.py cannot build the level files: {error}")
        return
    if sorted(expected) != sorted(LEVEL_FILES):
        fail(f"the generator makes {sorted(expected)}, not the five level files")
    for name, content in expected.items():
        try:
            with open(os.path.join(data_dir, name), "rb") as f:
                if f.read() != content:
                    fail(f"{name} differs from what tools/build-word-data.py makes of "
                         f"tools/word-data/mots.tsv: run the script")
        except OSError:
            pass


# ---------------------------------------------------------------- word lists

def check_word_lists(data_dir):
    words_by_file = {}
    names = sorted(n for n in os.listdir(data_dir)
                   if n.lower().endswith(".txt") and not n.startswith("DB ")
                   and n.lower() != README.lower())
    if not names:
        fail("no ready word list in the folder")
    for name in names:
        lines = read_lines(os.path.join(data_dir, name))
        if lines is None:
            continue
        words, seen = [], set()
        for number, line in enumerate(lines, start=1):
            where = f"{name}:{number}"
            if line.strip() == "" or line.startswith("/"):
                continue
            if line != line.strip():
                fail(f"{where}: stray spaces around {line!r}")
            check_word_form(where, line.strip())
            if line in seen:
                fail(f"{where}: {line!r} twice")
            seen.add(line)
            words.append(line.strip())
        if not LIST_MIN <= len(words) <= LIST_MAX:
            fail(f"{name}: {len(words)} words ({LIST_MIN} to {LIST_MAX} wanted)")
        words_by_file[name] = words
    readme = os.path.join(data_dir, README)
    if not os.path.exists(readme):
        fail(f"{README} is missing")
    else:
        read_lines(readme)
    return words_by_file


def main():
    if len(sys.argv) != 2 or not os.path.isdir(sys.argv[1]):
        print("usage: test_word_data.py DATA_DIR")
        return 2
    data_dir = sys.argv[1]
    cmd = hunspell_command()
    check_dictionary(cmd)

    levels = check_level_files(data_dir)
    entries = check_counts(levels)
    check_grading(levels)
    check_generated(data_dir)
    lists = check_word_lists(data_dir)

    spelled = {name: [w for _, w in e] for name, e in levels.items()}
    spelled.update(lists)
    check_spelling(cmd, spelled)
    check_morphology(cmd, entries)

    for name in LEVEL_FILES:
        if name in levels:
            e = levels[name]
            low = min(sum(c in codes for codes, _ in e) for c in THEME_CODES)
            print(f"{name}: {len(e)} entries, fewest per theme {low}")
    print(f"{len(entries)} distinct words")
    if failures:
        for message in failures:
            print("FAIL: " + message)
        print(f"{len(failures)} problem(s) in the word data")
        return 1
    print("word data OK")
    return 0


if __name__ == "__main__":
    sys.exit(main())
