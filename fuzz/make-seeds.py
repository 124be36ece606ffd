#!/usr/bin/env python3
"""Writes the starting inputs of the fuzzers into seeds/: small puzzle files
of our own and solution files for the 3 x 3 puzzle of SolutionReaderFuzzer."""
import struct
from pathlib import Path

HERE = Path(__file__).resolve().parent


def puzzle(rows, clues, version=b"1.3", prefix=b"", state=None, term=b"\0"):
    width, height = (len(rows[0]) if rows else 0), len(rows)
    header = bytearray(52)
    header[2:14] = b"ACROSS&DOWN\0"
    header[0x18:0x18 + len(version)] = version
    header[44], header[45] = width, height
    header[0x2E:0x30] = struct.pack("<H", len(clues))
    answers = b"".join(r.replace(b"#", b".") for r in rows)
    if state is None:
        state = b"".join(b"." if c == ord("#") else b"-" for r in rows for c in r)
    texts = [b"Seed", b"Trellis", b"(c) Trellis"] + clues + [b""]
    return prefix + bytes(header) + answers + state + b"".join(t + term for t in texts)


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
    seeds = {
        "puzzle/small.puz": puzzle([b"CAT", b"O#A", b"WET"], [b"a", b"b", b"c", b"d"]),
        "puzzle/utf8.puz": puzzle([b"AB", b"CD"], ["\u00e9t\u00e9".encode(), b"\xf0\x9f\x94\xa5", b"", b"x"],
                                  version=b"2.0"),
        "puzzle/prefixed.puz": puzzle([b"AB#", b"CDE"], [b"\x93q\x94", b"\x96", b"\x85"], prefix=b"PUBLISHER"),
        "puzzle/diagramless.puz": puzzle([b"ABC", b"DEF"], [b"1", b"2", b"3"], state=b"-:-X--", term=b"\n"),
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
