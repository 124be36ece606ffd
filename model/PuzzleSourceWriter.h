// SPDX-License-Identifier: MIT
#pragma once

// Writers of a CPuzzleSource as a .puz or an .ipuz file, the player's fill
// included, and the player's state of a loaded puzzle as a source. What a
// format cannot hold is left out or written in the nearest form it has, and
// said in a warning each; the rest is written exactly.

#include <string>
#include <vector>

#include "model/PuzzleSource.h"
#include "model/PuzzleSourceReader.h"
#include "model/Types.h"

class CCrossWordPuzzle;

// The format a file name asks for by its extension (".puz" or ".ipuz", in
// any case); Unknown for any other.
EPuzzleFormat FormatOfFileName(const std::u16string& strPath);

// The bytes of a .puz file: header with its checksums, answer and state
// grids, texts, and the extra sections that the source needs (rebus
// answers, the player's rebus entries, marks, the timer). Texts are in
// Windows-1252 unless one of them needs UTF-8, which makes the file
// version 2.0. Warnings are appended to astrWarnings, each once.
std::string PuzFileBytes(const CPuzzleSource& source, std::vector<std::u16string>& astrWarnings);

// The bytes of an .ipuz file (UTF-8 JSON): puzzle grid with labels, blocks,
// missing squares and styles, the answers, the player's fill as "saved",
// and the clue lists under their names.
std::string IpuzFileBytes(const CPuzzleSource& source, std::vector<std::u16string>& astrWarnings);

// Writes the source to strPath as nFormat (Puz or Ipuz) through a temporary
// file that replaces the target only when complete. FALSE with the reason
// in strError; the target is then as it was.
BOOL WritePuzzleSource(const std::u16string& strPath, const CPuzzleSource& source, EPuzzleFormat nFormat,
                       std::vector<std::u16string>& astrWarnings, std::u16string& strError);

// The loaded puzzle as a source: its grid, answers, clues and texts, and the
// player's letters, rebus entries and marks as the fill.
CPuzzleSource SourceFromPuzzle(const CCrossWordPuzzle& puzzle);

// Adds a warning to the list unless it holds it already.
void AddWarning(std::vector<std::u16string>& astrWarnings, std::u16string strWarning);

// Reads a file of any of the four formats: a .puz through
// CCrossWordPuzzle::LoadPuzzle and SourceFromPuzzle, the others through
// ReadPuzzleSource. FALSE with the reader's message in strError.
BOOL ReadAnyPuzzleSource(const std::u16string& strPath, CPuzzleSource& source, std::u16string& strError);
