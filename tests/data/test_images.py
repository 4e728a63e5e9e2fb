#!/usr/bin/env python3
"""test_images.py DATA_DIR: the pictures of the words, images.txt of the program folder:
UTF-8 with a byte-order mark, "word U+XXXX" lines, each word once and in the CP or CE1 level file,
every code point drawn by the Symbola font (fonts-symbola), at least 300 words."""

import os, re, struct, sys
from pathlib import Path
from test_word_data import IMAGES, LEVEL_FILES, fail, read_lines, report

FONT = "/usr/share/fonts/truetype/ancient-scripts/Symbola_hint.ttf"
MIN_WORDS = 300
LINE_RE = re.compile(r"^(\S(?:.*\S)?)\s+U\+([0-9A-Fa-f]{4,6})$")

def drawn_code_points(path):
    """The code points that the TrueType font at path maps to a glyph with an outline (read from
    its cmap subtable of format 12, which Symbola has for its pictographs beyond U+FFFF)."""
    with open(path, "rb") as f:
        data = f.read()
    def u16(at): return struct.unpack_from(">H", data, at)[0]
    def u32(at): return struct.unpack_from(">I", data, at)[0]
    tables = {data[12 + 16 * i:16 + 16 * i]: u32(20 + 16 * i) for i in range(u16(4))}
    cmap, loca, long_loca = tables[b"cmap"], tables[b"loca"], u16(tables[b"head"] + 50)
    starts = [cmap + u32(cmap + 8 + 8 * i) for i in range(u16(cmap + 2))]
    table = next(t for t in starts if u16(t) == 12)
    glyphs = {c: glyph + c - first for i in range(u32(table + 12))
              for first, last, glyph in [struct.unpack_from(">III", data, table + 16 + 12 * i)]
              for c in range(first, last + 1)}
    # A glyph of zero length in the location table draws nothing (a space).
    start = (lambda g: u32(loca + 4 * g)) if long_loca else (lambda g: 2 * u16(loca + 2 * g))
    return {c for c, g in glyphs.items() if g and start(g + 1) > start(g)}

def level_words(data_dir):  # of CP and CE1
    return {l[4:] for n in LEVEL_FILES[:2] for l in read_lines(os.path.join(data_dir, n)) or [] if l and l[0] != "/"}

def main():
    if len(sys.argv) != 2 or not os.path.isdir(sys.argv[1]):
        sys.exit("usage: test_images.py DATA_DIR")
    if not os.path.isfile(FONT):
        sys.exit(f"FAIL: {FONT} is missing; install fonts-symbola")
    drawn, known, seen = drawn_code_points(FONT), level_words(sys.argv[1]), {}
    if not (raw := Path(sys.argv[1], IMAGES).read_bytes()).startswith(b"\xef\xbb\xbf"):
        fail(f"{IMAGES}: does not start with the UTF-8 byte-order mark")
    text = raw.decode("utf-8-sig", errors="replace")  # a byte that is no UTF-8 spoils its word
    for number, line in enumerate(re.split(r"\r\n|\r|\n", text), start=1):
        if not line.strip() or line.startswith("#"):
            continue
        if not (m := LINE_RE.match(line)):
            fail(f"{IMAGES}:{number}: not 'word, spaces, U+ and 4 to 6 hex digits': {line!r}")
            continue
        word, code = m.group(1), int(m.group(2), 16)
        if word in seen:
            fail(f"{IMAGES}:{number}: {word!r} already has a picture on line {seen[word]}")
        seen[word] = number
        if word not in known:
            fail(f"{IMAGES}:{number}: {word!r} is in neither the CP nor the CE1 level file")
        if code not in drawn:
            fail(f"{IMAGES}:{number}: Symbola has no glyph for U+{code:04X} ({word!r})")
    if len(seen) < MIN_WORDS:
        fail(f"{IMAGES}: {len(seen)} words have a picture ({MIN_WORDS} wanted)")
    print(f"{len(seen)} words with a picture")
    return report(IMAGES)

if __name__ == "__main__":
    sys.exit(main())
