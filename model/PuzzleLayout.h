// SPDX-License-Identifier: MIT
#pragma once

// Where things stand in a puzzle file: the header's fields, counted from the
// header's first byte, and the layout of an extra section. The reader, the
// writer and the tests' puzzle writer all take them from here. Words are little-endian.

#include <cstddef>

#include "model/Types.h"

// Word: the checksum of the whole puzzle (the header's part from
// kSizeOffset, the grids and the texts).
constexpr std::size_t kFileChecksumOffset = 0x00;
// "ACROSS&DOWN" and a zero byte.
constexpr std::size_t kMarkerOffset = 0x02;
// Word: the checksum of the kSizeBlockLength header bytes from kSizeOffset.
constexpr std::size_t kHeaderChecksumOffset = 0x0E;
// Four bytes each: the low and the high bytes of the checksums of the
// header's part, the answer grid, the state grid and the texts, each one
// masked with a letter of "ICHEATED" (low bytes with "ICHE", high with "ATED").
constexpr std::size_t kMaskedLowOffset = 0x10;
constexpr std::size_t kMaskedHighOffset = 0x14;
// The version text, "1.3" or "2.0"; versions from 2 hold UTF-8 texts.
constexpr std::size_t kVersionOffset = 0x18;
// Word: the checksum of the real answers of a locked puzzle, taken column by
// column over the white squares.
constexpr std::size_t kAnswerChecksumOffset = 0x1E;
// A byte each: the width, then the height.
constexpr std::size_t kSizeOffset = 0x2C;
// The size, clue count, puzzle type and scrambled state, as the header
// checksum covers them.
constexpr std::size_t kSizeBlockLength = 8;
// Word: the number of clue texts.
constexpr std::size_t kClueCountOffset = 0x2E;
// Word: the puzzle type (1 for a normal puzzle).
constexpr std::size_t kPuzzleTypeOffset = 0x30;
constexpr WORD kNormalPuzzleType = 0x0001;
// Set in the puzzle type of a diagramless puzzle, whose black squares the
// player finds (its state grid shows them as ":").
constexpr WORD kDiagramlessFlag = 0x0400;
// Word: the scrambled state; kScrambledFlag set means locked answers.
constexpr std::size_t kScrambledOffset = 0x32;
constexpr WORD kScrambledFlag = 0x0004;
// The file holds no answers (its answer grid is a placeholder).
constexpr WORD kNoSolutionFlag = 0x0002;
// The answer grid, then the state grid, each a byte per square row by row;
// the texts follow.
constexpr std::size_t kGridOffset = 0x34;

// An extra section: a name of four bytes, the length and the checksum of the
// data (words), the data and a zero byte.
constexpr std::size_t kSectionLengthOffset = 4;
constexpr std::size_t kSectionChecksumOffset = 6;
constexpr std::size_t kSectionDataOffset = 8;

// The flags of a square in the "GEXT" section, a byte for each square.
constexpr BYTE kWasIncorrectFlag = 0x10;
constexpr BYTE kIncorrectFlag = 0x20;
constexpr BYTE kRevealedFlag = 0x40;
constexpr BYTE kCircledFlag = 0x80;
