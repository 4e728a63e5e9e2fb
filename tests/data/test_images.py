#!/usr/bin/env python3
"""test_images.py DATA_DIR: the pictures of the words, images.txt of the program folder:
UTF-8 with a byte-order mark, "word U+XXXX" lines, each word once and in the CP or CE1 level file, each
picture one word's (a pupil who cannot read tells « neige » from « flocon » by nothing else).
(Each picture drawn by the pictures' font: PictureList.EveryShippedPictureIsInThePicturesFont.)"""

import os, re, sys
from pathlib import Path
from test_word_data import IMAGES, LEVEL_FILES, fail, read_lines, report

LINE_RE = re.compile(r"^(\S(?:.*\S)?)\s+U\+([0-9A-Fa-f]{4,6})$")

def level_words(data_dir):  # of CP and CE1
    return {l[4:] for n in LEVEL_FILES[:2] for l in read_lines(os.path.join(data_dir, n)) or [] if l and l[0] != "/"}

def main():
    if len(sys.argv) != 2 or not os.path.isdir(sys.argv[1]):
        sys.exit("usage: test_images.py DATA_DIR")
    known, seen, pictures = level_words(sys.argv[1]), {}, {}
    if not (raw := Path(sys.argv[1], IMAGES).read_bytes()).startswith(b"\xef\xbb\xbf"):
        fail(f"{IMAGES}: does not start with the UTF-8 byte-order mark")
    text = raw.decode("utf-8-sig", errors="replace")  # a byte that is no UTF-8 spoils its word
    for number, line in enumerate(re.split(r"\r\n|\r|\n", text), start=1):
        if not line.strip() or line.startswith("#"):
            continue
        if not (m := LINE_RE.match(line)):
            fail(f"{IMAGES}:{number}: not 'word, spaces, U+ and 4 to 6 hex digits': {line!r}")
            continue
        word = m.group(1)
        if word in seen:
            fail(f"{IMAGES}:{number}: {word!r} already has a picture on line {seen[word]}")
        seen[word] = number
        if (code := m.group(2).upper()) in pictures:
            fail(f"{IMAGES}:{number}: {word!r} has the picture of {pictures[code]!r}")
        pictures.setdefault(code, word)
        if word not in known:
            fail(f"{IMAGES}:{number}: {word!r} is in neither the CP nor the CE1 level file")
    print(f"{len(seen)} words with a picture")
    return report(IMAGES)

if __name__ == "__main__":
    sys.exit(main())
