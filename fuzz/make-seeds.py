#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the starting inputs of the fuzzers into seeds/: puzzle files of our
own, from 2 x 2 to 255 x 255, with and without extra sections (circles,
rebus answers) and locked answers, and solution files for the 3 x 3 puzzle
of SolutionReaderFuzzer."""
import struct
from pathlib import Path

HERE = Path(__file__).resolve().parent


def cksum(data, value=0):
    """The checksum puzzle files use for their regions and sections."""
    for b in data:
        value = (value >> 1) | 0x8000 if value & 1 else value >> 1
        value = (value + b) & 0xFFFF
    return value


def section(name, data):
    return name + struct.pack("<HH", len(data), cksum(data)) + data + b"\0"


def scramble(letters, key):
    """Locks answers as publishers do: four rounds of shifting each letter
    on by a digit of the key, rotating and interleaving the halves."""
    digits = [int(d) for d in "%04d" % key]
    s = list(letters)
    for i in range(4):
        s = [chr((ord(c) - 65 + digits[j % 4]) % 26 + 65) if "A" <= c <= "Z" else c for j, c in enumerate(s)]
        k = digits[i] % len(s)
        s = s[k:] + s[:k]
        mid = len(s) // 2
        s = [c for pair in zip(s[mid:], s[:mid]) for c in pair] + (s[-1:] if len(s) % 2 else [])
    return "".join(s)


def words(rows):
    """Runs of two or more white squares, across and down."""
    white = lambda c, r: 0 <= r < len(rows) and 0 <= c < len(rows[r]) and rows[r][c] != ord("#")
    return sum((not white(c - 1, r) and white(c + 1, r)) + (not white(c, r - 1) and white(c, r + 1))
               for r in range(len(rows)) for c in range(len(rows[r])) if white(c, r))


def puzzle(rows, clues=None, version=b"1.3", prefix=b"", state=None, term=b"\0", notes=b"", sections=b"",
           key=None):
    width, height = (len(rows[0]) if rows else 0), len(rows)
    if clues is None:
        clues = [b"c%d" % i for i in range(words(rows))]
    header = bytearray(52)
    header[2:14] = b"ACROSS&DOWN\0"
    header[0x18:0x18 + len(version)] = version
    header[44], header[45] = width, height
    header[0x2E:0x30] = struct.pack("<H", len(clues))
    answers = bytearray(b"".join(r.replace(b"#", b".") for r in rows))
    if key is not None:
        whites = [r * width + c for c in range(width) for r in range(height) if answers[r * width + c] != ord(".")]
        real = bytes(answers[i] for i in whites)
        header[0x1E:0x20] = struct.pack("<H", cksum(real))
        header[0x32:0x34] = struct.pack("<H", 4)
        for i, ch in zip(whites, scramble(real.decode(), key)):
            answers[i] = ord(ch)
    if state is None:
        state = b"".join(b"." if c == ord("#") else b"-" for r in rows for c in r)
    texts = [b"Seed", b"Trellis", b"(c) Trellis"] + clues + [notes]
    return prefix + bytes(header) + bytes(answers) + state + b"".join(t + term for t in texts) + sections


def grid(width, height, every):
    """Letters with a black square at every every-th column of every other row."""
    return [bytes(ord("#") if r % 2 and c % every == every - 1 else 65 + (r * 7 + c) % 26 for c in range(width))
            for r in range(height)]


def archive_string(text):
    data = text.encode("utf-16-le")
    n = len(text)
    if n < 0xFF:
        length = bytes([n])
    elif n < 0xFFFE:
        length = b"\xff" + struct.pack("<H", n)
    else:
        length = b"\xff\xff\xff" + struct.pack("<I", n)
    return b"\xff\xfe\xff" + length + data


def solution(width, height, checksum, path, records):
    body = b"".join(struct.pack("<iH", filled, ord(ch)) for filled, ch in records)
    return struct.pack("<iiI", width, height, checksum) + archive_string(path) + body


def main():
    five = [b"HEART", b"EMBER", b"ABUSE", b"RESIN", b"TREND"]
    circles = lambda n, at: bytes(0x80 if i in at else 0 for i in range(n))
    rebus = lambda n, at: bytes(at.get(i, 0) for i in range(n))
    big = grid(255, 255, 7)
    seeds = {
        "puzzle/small.puz": puzzle([b"CAT", b"O#A", b"WET"], [b"a", b"b", b"c", b"d"]),
        "puzzle/utf8.puz": puzzle([b"AB", b"CD"], ["\u00e9t\u00e9".encode(), b"\xf0\x9f\x94\xa5", b"", b"x"],
                                  version=b"2.0"),
        "puzzle/utf8-v13.puz": puzzle([b"AB", b"CD"], ["F\u00fatbol".encode(), b"caf\xc3\xa9 \xe9", b"\xc3", b"x"]),
        "puzzle/prefixed.puz": puzzle([b"AB#", b"CDE"], [b"\x93q\x94", b"\x96", b"\x85"], prefix=b"PUBLISHER"),
        "puzzle/diagramless.puz": puzzle([b"ABC", b"DEF"], [b"1", b"2", b"3"], state=b"-:-X--", term=b"\n"),
        "puzzle/sections.puz": puzzle(five, notes=b"Two\r\nlines", sections=section(b"GRBS", rebus(25, {0: 1, 12: 3}))
                                      + section(b"RTBL", b" 0:HEART; 2:USE;") + section(b"LTIM", b"42,1")
                                      + section(b"GEXT", circles(25, {0, 6, 24}))),
        "puzzle/no-notes.puz": puzzle([b"CAT", b"O#A", b"WET"])[:-1] + section(b"GEXT", circles(9, {0, 8})),
        "puzzle/locked.puz": puzzle(five, key=1234, sections=section(b"GEXT", circles(25, {3}))),
        "puzzle/locked-rebus.puz": puzzle([b"CAT", b"O#A", b"WET"], key=7844,
                                          sections=section(b"GRBS", rebus(9, {3: 1})) + section(b"RTBL", b" 0:ON;")),
        "puzzle/medium.puz": puzzle(grid(101, 61, 5), sections=section(b"GEXT", circles(101 * 61, set(range(0, 6161, 13))))),
        "puzzle/large.puz": puzzle(big, notes=b"255 x 255",
                                   sections=section(b"GRBS", rebus(65025, {i: 1 + i % 3 for i in range(0, 65025, 97)}))
                                   + section(b"RTBL", b" 0:ONE; 1:TWO; 2:THREE;")
                                   + section(b"GEXT", circles(65025, set(range(0, 65025, 11))))),
        "solution/match.sol": solution(3, 3, 0xAF57, "C:\\puzzles\\small.puz",
                                       [(1, "C"), (1, "O"), (0, " "), (1, "A"), (0, "\0"), (1, "E"),
                                        (1, "T"), (0, "A"), (1, "T")]),
        "solution/long-path.sol": solution(3, 3, 0xAF57, "p" * 300, [(0, "\0")] * 9),
        "solution/other.sol": solution(1, 1, 0xAF5F, "other.puz", [(1, "A")]),
    }
    for name, data in seeds.items():
        (HERE / "seeds" / name).write_bytes(data)


if __name__ == "__main__":
    main()
