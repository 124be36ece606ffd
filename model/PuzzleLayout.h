// SPDX-License-Identifier: MIT
#pragma once

// Where things stand in a puzzle file: the header's fields, counted from the
// header's first byte, and the layout of an extra section. The reader and the
// tests' puzzle writer both take them from here. Words are little-endian.

#include <cstddef>

#include "model/Types.h"

// "ACROSS&DOWN" and a zero byte.
constexpr std::size_t kMarkerOffset = 0x02;
// The version text, "1.3" or "2.0"; versions from 2 hold UTF-8 texts.
constexpr std::size_t kVersionOffset = 0x18;
// Word: the checksum of the real answers of a locked puzzle, taken column by
// column over the white squares.
constexpr std::size_t kAnswerChecksumOffset = 0x1E;
// A byte each: the width, then the height.
constexpr std::size_t kSizeOffset = 0x2C;
// Word: the number of clue texts.
constexpr std::size_t kClueCountOffset = 0x2E;
// Word: the puzzle type (1 for a normal puzzle).
constexpr std::size_t kPuzzleTypeOffset = 0x30;
// Word: the scrambled state; kScrambledFlag set means locked answers.
constexpr std::size_t kScrambledOffset = 0x32;
constexpr WORD kScrambledFlag = 0x0004;
// The answer grid, then the state grid, each a byte per square row by row;
// the texts follow.
constexpr std::size_t kGridOffset = 0x34;

// An extra section: a name of four bytes, the length and the checksum of the
// data (words), the data and a zero byte.
constexpr std::size_t kSectionLengthOffset = 4;
constexpr std::size_t kSectionChecksumOffset = 6;
constexpr std::size_t kSectionDataOffset = 8;
