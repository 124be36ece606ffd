#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""A second, separate reader of .puz files, to check the ones Trellis writes.

Usage: puz_read.py FOLDER

Every NAME.puz in FOLDER is read here from its bytes alone and checked
against NAME.puz.json beside it, which says what the file was meant to hold.
The reader follows the public notes on the format, not Trellis's code:

  header   0x00 file checksum, 0x02 "ACROSS&DOWN\\0", 0x0E header checksum,
           0x10 four masked low bytes, 0x14 four masked high bytes,
           0x18 version ("1.3\\0"; "2.x" means UTF-8 texts), 0x1E checksum of
           the real answers of a locked puzzle, 0x2C width, 0x2D height,
           0x2E clue count, 0x30 puzzle type (1, with 0x0400 for a
           diagramless puzzle), 0x32 scrambled state (4 locked, 2 no answers)
  grids    answers, then the state ("." black, ":" black in a diagramless
           puzzle, "-" empty), row by row
  texts    title, author, copyright, one clue per word (by word number,
           across before down), notes; each ends with a zero byte
  sections name (4 bytes), length and checksum (words), data, zero byte:
           GRBS rebus key + 1 per square, RTBL " k:TEXT;" entries,
           LTIM "seconds,stopped", GEXT flags per square (0x80 circle,
           0x40 shown, 0x20 wrong, 0x10 was wrong), RUSR the player's rebus
           per square, each ended by a zero byte

The checksum of a run of bytes: for each byte, rotate the 16-bit sum right
by one, then add the byte. The header checksum covers the 8 bytes from
0x2C; the texts' checksum covers the title, author and copyright with their
zero bytes when not empty, each clue without its zero byte, and the notes
with theirs when not empty. The file checksum is the texts' checksum
continued from the state grid's, continued from the answers', continued
from the header's. The masked bytes are the low and high bytes of the
header, answer, state and texts checksums, xor "ICHE" and "ATED".

Exit status 0 when every file holds what its description says, 1 otherwise.
Standard library only.
"""

import json
import os
import struct
import sys

SECTION_NAMES = ("GRBS", "RTBL", "LTIM", "GEXT", "RUSR")
CP1252_UNDEFINED = (0x81, 0x8D, 0x8F, 0x90, 0x9D)


class PuzError(Exception):
    pass


def checksum(data, start=0):
    total = start
    for byte in data:
        total = ((total >> 1) | ((total & 1) << 15)) & 0xFFFF
        total = (total + byte) & 0xFFFF
    return total


def decode(data, utf8):
    if utf8:
        return data.decode("utf-8")
    # Bytes the code page leaves undefined stand for themselves.
    return "".join(chr(b) if b in CP1252_UNDEFINED else bytes([b]).decode("cp1252") for b in data)


def word_at(data, offset):
    return struct.unpack_from("<H", data, offset)[0]


class Puz:
    def __init__(self, data):
        if len(data) < 0x34 or data[2:14] != b"ACROSS&DOWN\0":
            raise PuzError("no puzzle header")
        self.data = data
        self.version = data[0x18:0x1C]
        self.utf8 = self.version.startswith(b"2.")
        self.width = data[0x2C]
        self.height = data[0x2D]
        self.clue_count = word_at(data, 0x2E)
        self.puzzle_type = word_at(data, 0x30)
        self.scrambled = word_at(data, 0x32)
        self.answer_checksum = word_at(data, 0x1E)
        n = self.width * self.height
        if len(data) < 0x34 + 2 * n:
            raise PuzError("the grids are cut short")
        self.answers = data[0x34:0x34 + n]
        self.state = data[0x34 + n:0x34 + 2 * n]
        self.position = 0x34 + 2 * n
        self.raw_texts = [self.next_text() for _ in range(3 + self.clue_count)]
        self.raw_notes = self.next_text()
        self.sections = {}
        while self.position < len(data):
            self.read_section()

    def next_text(self):
        end = self.data.find(b"\0", self.position)
        if end < 0:
            raise PuzError("a text has no zero byte at its end")
        text = self.data[self.position:end]
        self.position = end + 1
        return text

    def read_section(self):
        data = self.data
        if len(data) - self.position < 8:
            raise PuzError("bytes after the sections: %r" % data[self.position:])
        name = data[self.position:self.position + 4].decode("ascii", "replace")
        length = word_at(data, self.position + 4)
        stored = word_at(data, self.position + 6)
        start = self.position + 8
        if start + length >= len(data) or data[start + length] != 0:
            raise PuzError("section %s is cut short or lacks its zero byte" % name)
        body = data[start:start + length]
        if checksum(body) != stored:
            raise PuzError("section %s: checksum %04x, stored %04x" % (name, checksum(body), stored))
        if name not in SECTION_NAMES:
            raise PuzError("unknown section %s" % name)
        if name in self.sections:
            raise PuzError("section %s twice" % name)
        self.sections[name] = body
        self.position = start + length + 1

    def check_checksums(self):
        header = checksum(self.data[0x2C:0x34])
        answers = checksum(self.answers)
        state = checksum(self.state)

        def texts(total):
            title, author, copyright_ = self.raw_texts[:3]
            for text in (title, author, copyright_):
                if text:
                    total = checksum(text + b"\0", total)
            for clue in self.raw_texts[3:]:
                total = checksum(clue, total)
            if self.raw_notes:
                total = checksum(self.raw_notes + b"\0", total)
            return total

        whole = texts(checksum(self.state, checksum(self.answers, header)))
        problems = []
        if word_at(self.data, 0x0E) != header:
            problems.append("header checksum %04x, stored %04x" % (header, word_at(self.data, 0x0E)))
        if word_at(self.data, 0x00) != whole:
            problems.append("file checksum %04x, stored %04x" % (whole, word_at(self.data, 0x00)))
        for k, (sum_, low, high) in enumerate(zip((header, answers, state, texts(0)), b"ICHE", b"ATED")):
            if self.data[0x10 + k] != low ^ (sum_ & 0xFF) or self.data[0x14 + k] != high ^ (sum_ >> 8):
                problems.append("masked checksum %d does not match" % k)
        return problems

    def is_black(self, col, row):
        if col < 0 or row < 0 or col >= self.width or row >= self.height:
            return True
        return self.state[row * self.width + col] in b".:"

    def words(self):
        """(number, across, cells) of every word, in the texts' order."""
        result = []
        number = 0
        for row in range(self.height):
            for col in range(self.width):
                if self.is_black(col, row):
                    continue
                starts_across = self.is_black(col - 1, row) and not self.is_black(col + 1, row)
                starts_down = self.is_black(col, row - 1) and not self.is_black(col, row + 1)
                if not (starts_across or starts_down):
                    continue
                number += 1
                for across, starts in ((True, starts_across), (False, starts_down)):
                    if starts:
                        result.append((number, across, self.cells_from(col, row, across)))
        return result

    def cells_from(self, col, row, across):
        cells = []
        while not self.is_black(col, row):
            cells.append([col, row])
            col, row = (col + 1, row) if across else (col, row + 1)
        return cells

    def rebus_table(self):
        table = {}
        for entry in self.sections.get("RTBL", b"").split(b";"):
            if entry:
                key, _, text = entry.partition(b":")
                table[int(key.strip())] = decode(text, self.utf8)
        return table

    def user_rebus(self):
        body = self.sections.get("RUSR")
        if body is None:
            return [""] * (self.width * self.height)
        entries = body.split(b"\0")
        if len(entries) != self.width * self.height + 1 or entries[-1] != b"":
            raise PuzError("RUSR does not hold one text per square")
        return [decode(e, self.utf8) for e in entries[:-1]]


def one_line(text):
    return text.replace("\r\n", " ").replace("\n", " ").replace("\r", " ")


def compare(puz, expected):
    problems = puz.check_checksums()
    if puz.version not in (b"1.3\0", b"2.0\0"):
        problems.append("version %r" % puz.version)
    if (puz.width, puz.height) != (expected["width"], expected["height"]):
        problems.append("size %dx%d" % (puz.width, puz.height))
        return problems
    words = puz.words()
    if len(words) != puz.clue_count:
        problems.append("%d words, clue count %d" % (len(words), puz.clue_count))

    texts = [decode(t, puz.utf8) for t in puz.raw_texts]
    for index, key in enumerate(("title", "author", "copyright")):
        if texts[index] != one_line(expected[key]):
            problems.append("%s %r, meant %r" % (key, texts[index], expected[key]))
    if decode(puz.raw_notes, puz.utf8) != expected["notes"]:
        problems.append("notes %r, meant %r" % (decode(puz.raw_notes, puz.utf8), expected["notes"]))

    problems += compare_squares(puz, expected)

    # The text of each word: the clue meant to start there in its direction.
    meant = {}
    for clue in expected["clues"]:
        if clue["cells"]:
            meant.setdefault((clue["across"], tuple(clue["cells"][0])), clue["text"])
    for (number, across, cells), text in zip(words, texts[3:]):
        want = one_line(meant.get((across, tuple(cells[0])), ""))
        if text != want:
            problems.append("%d %s: %r, meant %r" % (number, "across" if across else "down", text, want))

    timer = puz.sections.get("LTIM")
    if expected["timer"] is None:
        if timer is not None:
            problems.append("a timer where none was meant")
    elif timer != ("%d,%d" % tuple(expected["timer"])).encode("ascii"):
        problems.append("timer %r, meant %r" % (timer, expected["timer"]))
    return problems


def compare_squares(puz, expected):
    problems = []
    table = puz.rebus_table()
    rebus = puz.sections.get("GRBS", bytes(puz.width * puz.height))
    flags = puz.sections.get("GEXT", bytes(puz.width * puz.height))
    entries = puz.user_rebus()
    open_squares = [s for s in expected["squares"] if s["open"]]
    no_answers = bool(open_squares) and not any(s["answer"] for s in open_squares)
    if expected["locked"]:
        if puz.scrambled != 4 or puz.answer_checksum != expected["answer_checksum"]:
            problems.append("not locked as meant (state %d, checksum %04x)" % (puz.scrambled, puz.answer_checksum))
    elif puz.scrambled != (2 if no_answers else 0):
        problems.append("scrambled state %d" % puz.scrambled)
    diagramless = expected["diagramless"]
    if puz.puzzle_type != (0x0401 if diagramless else 0x0001):
        problems.append("puzzle type %04x" % puz.puzzle_type)
    black = ord(":") if diagramless else ord(".")
    names = ("circled", "revealed", "incorrect", "was_incorrect")
    bits = (0x80, 0x40, 0x20, 0x10)
    for i, square in enumerate(expected["squares"]):
        where = "square %d,%d" % (i % puz.width, i // puz.width)
        if not square["open"]:
            if puz.state[i] != black or rebus[i] or flags[i] or entries[i]:
                problems.append(where + " is not a plain black square")
            continue
        if puz.state[i] in b".:":
            problems.append(where + " is black")
            continue
        if square["answer"]:
            answer = table.get(rebus[i] - 1) if rebus[i] else decode(puz.answers[i:i + 1], False)
            if answer != square["answer"]:
                problems.append("%s answer %r, meant %r" % (where, answer, square["answer"]))
        state = puz.state[i:i + 1]
        fill = entries[i] or ("" if state == b"-" else decode(state, False))
        if fill != square["fill"]:
            problems.append("%s fill %r, meant %r" % (where, fill, square["fill"]))
        for name, bit in zip(names, bits):
            if bool(flags[i] & bit) != square[name]:
                problems.append("%s %s flag is %s" % (where, name, bool(flags[i] & bit)))
    return problems


def main(argv):
    if len(argv) != 2:
        print(__doc__.splitlines()[2], file=sys.stderr)
        return 2
    folder = argv[1]
    names = sorted(n for n in os.listdir(folder) if n.endswith(".puz"))
    if not names:
        print("no .puz files in %s" % folder, file=sys.stderr)
        return 1
    failed = 0
    for name in names:
        path = os.path.join(folder, name)
        try:
            with open(path, "rb") as f:
                puz = Puz(f.read())
            with open(path + ".json", encoding="utf-8") as f:
                expected = json.load(f)
            problems = compare(puz, expected)
        except (PuzError, OSError, ValueError, KeyError, UnicodeDecodeError) as e:
            problems = [str(e)]
        if problems:
            failed += 1
            print("%s:" % name)
            for problem in problems[:20]:
                print("  " + problem)
    print("%d of %d files read as meant" % (len(names) - failed, len(names)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
