#!/usr/bin/env python3
"""test_word_data.py DATA_DIR: the level files, ready lists, unfit words and Lisez_moi.txt of the
program folder: Windows-1252 CR LF, entry format, spelling (hunspell fr_FR), made from the table by
tools/build-word-data.py, sizes, grading, verb groups, masculine adjectives, Espace themes, no verb
outside the verb themes and only nouns in the themes that name a kind of thing."""

import os, re, shutil, subprocess, sys, unicodedata
from pathlib import Path

THEME_CODES = "édaArCoERlFLIMimuNnOPTt123V"
LEVEL_FILES = ["DB 01-07 (CP).txt", "DB 08-11 (CE1).txt", "DB 12-15 (CE2).txt",
               "DB 16-19 (CM1).txt", "DB 20-23 (CM2).txt"]
README, IMAGES = "Lisez_moi.txt", "images.txt"  # images.txt: the pictures of the words (test_images.py), no list
UNFIT_WORDS = os.path.join("filtres", "mots-exclus.txt")
MIN_PER_THEME, PER_LEVEL, MIN_DISTINCT = 12, (400, 1000), 2500
MAX_LETTERS, LIST_SIZE = 15, (15, 30)
CP_SHORT_SHARE = 0.75  # share of CP words with at most 7 letters
# School grammar against the dictionary's verb group (aller: v1 there; être, avoir: v0; mûrir: v1; rafraîchir: v3).
VERB_GROUP_OVERRIDES = {"aller": "3", "être": "3", "avoir": "3", "mûrir": "2", "rafraîchir": "2"}
# Espace (repérage) is orientation and geometry; astronomy and spaceflight go elsewhere.
SPACE_WORDS = set("""planète astronaute astronome fusée étoile lune soleil univers galaxie comète satellite astéroïde
    météorite constellation cosmonaute spationaute orbite télescope observatoire planétarium cosmos""".split()) | {
    "navette spatiale", "fusée spatiale", "système solaire", "voie lactée"}
VERB_THEMES = "123"
# Themes that name a kind of thing (Animaux, Fruits, Transports...) list nouns, never a verb (hennir) or an
# adjective (nuageux). Couleurs names a kind too, but colours are adjectives as much as nouns.
THING_THEMES = "ArClFLmtViOIPu"
# Nouns that the dictionary knows only as adjectives or participles.
NOUNS_AS_ADJECTIVES = {"enseignant", "feuillu", "frisée", "funiculaire", "rongeur"}

ENTRY_RE = re.compile(f"^([{THEME_CODES}])([{THEME_CODES}-])  (.*)$")
# Lower case, but the capital of a name (the periods of history: « Moyen Âge », « Antiquité »).
WORD_RE = re.compile(r"^[A-ZÂÉÈÎÔ]?[a-zàâäçéèêëîïôöùûüÿœæ]+(?:[- ']?[A-ZÂÉÈÎÔ]?[a-zàâäçéèêëîïôöùûüÿœæ]+)*$")
SEPARATORS = re.compile(r"[- ']")
failures = []
fail = failures.append

def letters(word): return len(SEPARATORS.sub("", word))

def read_lines(path):
    """The lines of a Windows-1252 CR LF file, or None after a failure."""
    name = os.path.basename(path)
    try:
        text = (raw := Path(path).read_bytes()).decode("cp1252")
    except OSError as error:
        return fail(f"{name}: cannot be read ({error.strerror})")
    except UnicodeDecodeError as error:
        return fail(f"{name}: byte 0x{raw[error.start]:02X} at {error.start} is not Windows-1252")
    if raw.startswith(b"\xef\xbb\xbf"):
        fail(f"{name}: starts with a UTF-8 byte-order mark")
    if not text.endswith("\r\n") or re.search(r"\r(?!\n)|(?<!\r)\n", text):
        return fail(f"{name}: a line does not end with CR LF")
    return text[:-2].split("\r\n")

def listed(path):
    """The lines of a list file that are neither blank nor a comment."""
    return [l for l in read_lines(path) or [] if l.strip() and not l.startswith("/")]

def check_word(where, word):
    if not WORD_RE.match(word):
        fail(f"{where}: {word!r} is not lower-case letters (a name's capital first) joined by single - ' or spaces")
    elif not 2 <= letters(word) <= MAX_LETTERS:
        fail(f"{where}: {word!r} has {letters(word)} letters (2 to {MAX_LETTERS})")

def hunspell(mode, lines):
    if not shutil.which("hunspell"):
        sys.exit("FAIL: hunspell is missing; install hunspell and hunspell-fr-classical")
    result = subprocess.run(["hunspell", "-d", "fr_FR", "-i", "utf-8", mode], input="".join(l + "\n" for l in lines),
                            capture_output=True, encoding="utf-8", env=dict(os.environ, LC_ALL="C.UTF-8"))
    if result.returncode != 0 or "Can't open" in result.stderr:
        sys.exit("FAIL: hunspell cannot open fr_FR; install hunspell-fr-classical\n" + result.stderr)
    return result.stdout

def known(strings):
    """The subset of strings (words or compounds) that hunspell accepts."""
    strings = sorted(strings)
    # After its banner line, hunspell -a answers each input line with a line a word, then a blank line.
    answers = [b.split("\n") for b in hunspell("-a", ["^" + s for s in strings]).partition("\n")[2].split("\n\n") if b]
    if len(answers) < len(strings):
        fail(f"hunspell answered {len(answers)} times for {len(strings)} words")
    return {s for s, a in zip(strings, answers) if a and all(x[:1] in "*+-" for x in a)}

def read_level_files(data_dir):
    """{file: [(theme codes, word)]}, after checking what the program reads of each line."""
    levels = {}
    for name in LEVEL_FILES:
        if (lines := read_lines(os.path.join(data_dir, name))) is None:
            continue
        levels[name] = []
        for number, line in enumerate(lines, start=1):
            if line == "" or line.startswith("/"):
                continue
            if not (m := ENTRY_RE.match(line)):
                fail(f"{name}:{number}: not 'theme, theme or -, two spaces, word': {line!r}")
                continue
            check_word(f"{name}:{number}", m.group(3))
            levels[name].append((m.group(1) + m.group(2).strip("-"), m.group(3)))
    return levels

def check_level_contents(levels):
    themes_of = {w: c for entries in levels.values() for c, w in entries}
    for name, entries in levels.items():
        if not PER_LEVEL[0] <= len(entries) <= PER_LEVEL[1]:
            fail(f"{name}: {len(entries)} entries ({PER_LEVEL[0]} to {PER_LEVEL[1]} wanted)")
        for code in THEME_CODES:
            if (n := sum(code in c for c, _ in entries)) < MIN_PER_THEME:
                fail(f"{name}: theme {code!r} has {n} entries ({MIN_PER_THEME} wanted)")
    for w in sorted(w for w, c in themes_of.items() if "R" in c and w in SPACE_WORDS):
        fail(f"{w!r} is filed under Espace (repérage), which is orientation and geometry")
    if len(levels) < len(LEVEL_FILES):
        return themes_of
    if len(themes_of) < MIN_DISTINCT:
        fail(f"{len(themes_of)} distinct words in the level files ({MIN_DISTINCT} wanted)")
    sizes = [[letters(w) for _, w in levels[n]] or [0] for n in LEVEL_FILES]
    if sum(n <= 7 for n in sizes[0]) < CP_SHORT_SHARE * len(sizes[0]):
        fail(f"CP: fewer than {CP_SHORT_SHARE:.0%} of the words have at most 7 letters")
    means = [sum(s) / len(s) for s in sizes]
    for a, b, ma, mb in zip(LEVEL_FILES, LEVEL_FILES[1:], means, means[1:]):
        if mb <= ma:
            fail(f"mean word length does not grow: {a} {ma:.2f}, {b} {mb:.2f}")
    return themes_of

def check_morphology(themes_of):
    verbs = {w: [c for c in codes if c in VERB_THEMES] for w, codes in themes_of.items() if set(codes) & set(VERB_THEMES)}
    adjectives = {w for w, codes in themes_of.items() if "d" in codes}
    morph = {t: [] for w in themes_of for t in [w] + SEPARATORS.split(w) if t}
    for line in hunspell("-m", sorted(morph)).splitlines():
        word, _, analysis = line.partition("  ")
        morph.get(word, []).append(analysis)
    check_kinds(themes_of, morph)
    for w, themed in sorted(verbs.items()):
        groups = {m.group(1) for a in morph[w] if "po:infi" in a and a.startswith(f"st:{w} ")
                  for m in [re.search(r"po:v(\d)", a)] if m}
        groups = {VERB_GROUP_OVERRIDES[w]} if w in VERB_GROUP_OVERRIDES else groups
        if len(themed) != 1 or themed[0] not in groups:
            fail(f"{w!r} is in verb theme {'+'.join(themed)}, its group is "
                 f"{'/'.join(sorted(groups)) or 'unknown (no such infinitive)'}")
    for w in sorted(adjectives):
        if not any("po:adj" in a and re.search(r"is:(mas|epi)", a) for a in morph[w]):
            fail(f"{w!r} is in Adjectifs but hunspell knows no masculine adjective {w!r}")

def check_kinds(themes_of, morph):
    def noun(w): return w in NOUNS_AS_ADJECTIVES or any("po:nom" in a for a in morph.get(w, []))
    for w, codes in sorted(themes_of.items()):
        others = [c for c in codes if c not in VERB_THEMES]
        if others and not noun(w) and any("po:infi" in a and a.startswith(f"st:{w} ") for a in morph[w]):
            fail(f"{w!r} is a verb: it belongs to a verb theme only, not to {'+'.join(others)}")
        elif (things := [c for c in codes if c in THING_THEMES]) \
                and not any(noun(t) for t in {w, *SEPARATORS.split(w)} if t):
            fail(f"{w!r} is in theme {'+'.join(things)}, which lists things, but hunspell knows no noun {w!r}")

def check_generated(data_dir):
    script = os.path.join(os.path.dirname(os.path.abspath(data_dir)), "tools", "build-word-data.py")
    run = subprocess.run([sys.executable, script, "--check", "--out", data_dir], capture_output=True, encoding="utf-8")
    if run.returncode != 0:
        fail("the level files are not what tools/build-word-data.py makes of "
             "tools/word-data/mots.tsv:\n" + (run.stderr.strip() or f"exit {run.returncode}"))

def read_word_lists(data_dir):
    lists = {}
    for name in sorted(os.listdir(data_dir)):
        if name.lower().endswith(".txt") and name[:3] != "DB " and name.lower() not in (README.lower(), IMAGES):
            words = lists[name] = listed(os.path.join(data_dir, name))
            for w in words:
                check_word(name, w)
            if len(set(words)) != len(words):
                fail(f"{name}: a word appears twice")
            if not LIST_SIZE[0] <= len(words) <= LIST_SIZE[1]:
                fail(f"{name}: {len(words)} words ({LIST_SIZE[0]} to {LIST_SIZE[1]} wanted)")
    if not lists:
        fail("no ready word list in the folder")
    read_lines(os.path.join(data_dir, README))
    return lists

def grid_form(word):  # upper case, no accents, letters only, as the word search compares
    folded = unicodedata.normalize("NFD", word.upper().replace("Œ", "OE").replace("Æ", "AE"))
    return "".join(c for c in folded if "A" <= c <= "Z")

def check_unfit_words(data_dir, words_by_file):
    """The words filler letters must never spell: never a word a teacher may list."""
    unfit = {grid_form(l): l for l in listed(os.path.join(data_dir, UNFIT_WORDS))}
    for name, w in [(n, w) for n, ws in words_by_file.items() for w in ws if grid_form(w) in unfit]:
        fail(f"{name}: {w!r} is also an unfit word ({unfit[grid_form(w)]!r}, {UNFIT_WORDS})")

def check_spelling(words_by_file):
    parts = {p for ws in words_by_file.values() for w in ws for p in w.split(" ")}
    ok = known({t for p in parts for t in SEPARATORS.split(p) if t}
               | {p for p in parts if SEPARATORS.search(p)})
    for name, words in words_by_file.items():
        for w in words:
            for part in w.split(" "):
                unknown = [t for t in SEPARATORS.split(part) if t and t not in ok]
                if unknown and part not in ok:
                    fail(f"{name}: {w!r}: hunspell does not know {', '.join(unknown)}")

def report(what):
    """Prints the failures; the exit code."""
    for message in failures:
        print("FAIL: " + message)
    print(f"{len(failures)} problem(s) in {what}" if failures else f"{what} OK")
    return 1 if failures else 0

def main():
    if len(sys.argv) != 2 or not os.path.isdir(data_dir := sys.argv[1]):
        sys.exit("usage: test_word_data.py DATA_DIR")
    if known(["maison", "nénuphar"]) != {"maison", "nénuphar"} or "po:v2" not in hunspell("-m", ["finir"]):
        sys.exit("FAIL: fr_FR is not the French dictionary with morphology of hunspell-fr-classical")
    levels = read_level_files(data_dir)
    themes_of = check_level_contents(levels)
    check_generated(data_dir)
    words = {name: [w for _, w in entries] for name, entries in levels.items()} | read_word_lists(data_dir)
    check_spelling(words)
    check_unfit_words(data_dir, words)
    check_morphology(themes_of)
    print(f"{len(themes_of)} distinct words; entries per file: "
          + ", ".join(f"{n[10:-5]} {len(e)}" for n, e in levels.items()))
    return report("word data")

if __name__ == "__main__":
    sys.exit(main())
