#!/usr/bin/env python3
"""test_images.py DATA_DIR [FONT]: the pictures of the words, images.txt of the program folder:
UTF-8 with a byte-order mark, "word U+XXXX" lines, each word once and in the CP or CE1 level file,
every code point drawn by the Symbola font (fonts-symbola), at least 300 words."""

import os
import re
import struct
import sys

FONT = "/usr/share/fonts/truetype/ancient-scripts/Symbola_hint.ttf"
IMAGES = "images.txt"
LEVEL_FILES = ["DB 01-07 (CP).txt", "DB 08-11 (CE1).txt"]
MIN_WORDS = 300
LINE_RE = re.compile(r"^(\S(?:.*\S)?)\s+U\+([0-9A-Fa-f]{4,6})$")
failures = []
fail = failures.append


def drawn_code_points(path):
    """The code points that the TrueType font at path maps to a glyph with an outline."""
    with open(path, "rb") as f:
        data = f.read()
    tables = {}
    for i in range(struct.unpack(">H", data[4:6])[0]):
        tag, _, offset, length = struct.unpack(">4sIII", data[12 + 16 * i:28 + 16 * i])
        tables[tag.decode("latin-1")] = (offset, length)
    cmap = tables["cmap"][0]
    subtables = {struct.unpack(">HH", data[cmap + 4 + 8 * i:cmap + 8 + 8 * i]):
                 cmap + struct.unpack(">I", data[cmap + 8 + 8 * i:cmap + 12 + 8 * i])[0]
                 for i in range(struct.unpack(">H", data[cmap + 2:cmap + 4])[0])}
    glyphs = {}
    start = subtables.get((3, 10)) or subtables.get((0, 4))
    if start is not None and struct.unpack(">H", data[start:start + 2])[0] == 12:
        for i in range(struct.unpack(">I", data[start + 12:start + 16])[0]):
            first, last, glyph = struct.unpack(">III", data[start + 16 + 12 * i:start + 28 + 12 * i])
            glyphs.update((c, glyph + c - first) for c in range(first, last + 1))
    else:
        start = subtables[(3, 1)]
        segments = struct.unpack(">H", data[start + 6:start + 8])[0] // 2
        arrays = [struct.unpack(f">{segments}H", data[a:a + 2 * segments]) for a in (
            start + 14, start + 16 + 2 * segments, start + 16 + 4 * segments, start + 16 + 6 * segments)]
        for s, (end, first, delta, range_offset) in enumerate(zip(*arrays)):
            for c in range(first, end + 1):
                if range_offset == 0:
                    glyphs[c] = (c + delta) & 0xFFFF
                else:
                    at = start + 16 + 6 * segments + 2 * s + range_offset + 2 * (c - first)
                    g = struct.unpack(">H", data[at:at + 2])[0]
                    glyphs[c] = (g + delta) & 0xFFFF if g else 0
    long_offsets = struct.unpack(">h", data[tables["head"][0] + 50:tables["head"][0] + 52])[0]
    loca = tables["loca"][0]

    def has_outline(glyph):  # a glyph of zero length (a space) draws nothing
        if long_offsets:
            begin, end = struct.unpack(">II", data[loca + 4 * glyph:loca + 4 * glyph + 8])
        else:
            begin, end = struct.unpack(">HH", data[loca + 2 * glyph:loca + 2 * glyph + 4])
        return end > begin
    return {c for c, g in glyphs.items() if g and has_outline(g)}


def level_words(data_dir):
    words = set()
    for name in LEVEL_FILES:
        with open(os.path.join(data_dir, name), encoding="cp1252", newline="") as f:
            words |= {line[4:] for line in f.read().split("\r\n") if line and line[0] != "/"}
    return words


def main():
    if len(sys.argv) not in (2, 3) or not os.path.isdir(sys.argv[1]):
        sys.exit("usage: test_images.py DATA_DIR [FONT]")
    font = sys.argv[2] if len(sys.argv) == 3 else FONT
    if not os.path.isfile(font):
        sys.exit(f"FAIL: {font} is missing; install fonts-symbola")
    drawn = drawn_code_points(font)
    if not {0x1F431, 0x1F34E, 0x2708} <= drawn:
        sys.exit(f"FAIL: {font} does not draw the cat, the apple and the plane of Symbola")
    with open(os.path.join(sys.argv[1], IMAGES), "rb") as f:
        raw = f.read()
    if not raw.startswith(b"\xef\xbb\xbf"):
        fail(f"{IMAGES}: does not start with the UTF-8 byte-order mark")
    try:
        text = raw.decode("utf-8-sig")
    except UnicodeDecodeError as error:
        sys.exit(f"FAIL: {IMAGES}: byte {error.start} is not UTF-8")
    known, seen = level_words(sys.argv[1]), {}
    for number, line in enumerate(re.split(r"\r\n|\r|\n", text), start=1):
        if not line.strip() or line.startswith("#"):
            continue
        m = LINE_RE.match(line)
        if not m:
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
    for message in failures:
        print("FAIL: " + message)
    print(f"{len(failures)} problem(s) in {IMAGES}" if failures else f"{IMAGES} OK")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
