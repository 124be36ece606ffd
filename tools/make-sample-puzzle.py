#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes samples/heart.puz, the small puzzle a new user can open at once.

The grid, the words and the clues are our own. The file carries the usual
header checksums so that other solvers accept it too.
"""
import struct
import sys
from pathlib import Path

TITLE = "Heart of the Matter"
AUTHOR = "The Trellis team"
COPYRIGHT = "Free to share"
GRID = ["HEART", "EMBER", "ABUSE", "RESIN", "TREND"]
# In numbering order: 1A, 1D, 2D, 3D, 4D, 5D, 6A, 7A, 8A, 9A.
CLUES = [
    "Organ that keeps the beat",
    "Courage, in a manner of speaking",
    "What glows after the flames die down",
    "Treat cruelly",
    "Sticky stuff from a pine",
    "Direction of fashion",
    "Last bit of a campfire",
    "Misuse",
    "Amber, before it hardened",
    "What's hot right now",
]


def cksum(data: bytes, value: int = 0) -> int:
    for byte in data:
        value = (value >> 1) | ((value & 1) << 15)
        value = (value + byte) & 0xFFFF
    return value


def build() -> bytes:
    width, height = len(GRID[0]), len(GRID)
    solution = "".join(GRID).encode("latin-1")
    state = b"-" * (width * height)
    texts = [s.encode("latin-1") for s in (TITLE, AUTHOR, COPYRIGHT)]
    clues = [c.encode("latin-1") for c in CLUES]
    notes = b""

    cib = struct.pack("<BBHHH", width, height, len(clues), 1, 0)
    c_cib = cksum(cib)

    def text_sum(value: int) -> int:
        for t in texts:
            if t:
                value = cksum(t + b"\0", value)
        for c in clues:
            value = cksum(c, value)
        return value

    c_sol, c_grid, c_part = cksum(solution), cksum(state), text_sum(0)
    overall = text_sum(cksum(state, cksum(solution, c_cib)))
    magic = b"ICHEATED"
    masked = bytes([
        magic[0] ^ (c_cib & 0xFF), magic[1] ^ (c_sol & 0xFF),
        magic[2] ^ (c_grid & 0xFF), magic[3] ^ (c_part & 0xFF),
        magic[4] ^ (c_cib >> 8), magic[5] ^ (c_sol >> 8),
        magic[6] ^ (c_grid >> 8), magic[7] ^ (c_part >> 8),
    ])
    header = (struct.pack("<H", overall) + b"ACROSS&DOWN\0" + struct.pack("<H", c_cib)
              + masked + b"1.3\0" + b"\0\0" + b"\0\0" + b"\0" * 12 + cib)
    assert len(header) == 52
    body = solution + state + b"".join(t + b"\0" for t in texts)
    body += b"".join(c + b"\0" for c in clues) + notes + b"\0"
    return header + body


if __name__ == "__main__":
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "samples" / "heart.puz"
    out.write_bytes(build())
    print(f"wrote {out}")
