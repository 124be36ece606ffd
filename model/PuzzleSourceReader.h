// SPDX-License-Identifier: MIT
#pragma once

// Readers of the .ipuz, .jpz and .xd files into a CPuzzleSource, chosen by
// what the bytes hold rather than by the file's extension. Each reader
// takes the whole file in memory, never reads past it, and on failure
// leaves a message naming the file and, where it helps, the reason.

#include <string>
#include <string_view>

#include "model/PuzzleSource.h"
#include "model/Types.h"

enum class EPuzzleFormat {
    Unknown,
    Puz,  // the binary format with the "ACROSS&DOWN" marker, for CCrossWordPuzzle::LoadPuzzle
    Ipuz,  // JSON, plain or inside the "ipuz(...)" wrapper
    Jpz,  // XML, plain or zipped
    Xd,  // plain text
};

// The format of a file's bytes, judged by content alone.
EPuzzleFormat SniffPuzzleFormat(std::string_view bytes);

// Reads the file at strPath (at most kMaxInputFileBytes) as whichever of the
// three formats its bytes hold. FALSE leaves a message in strError and an
// empty source; a .puz file is refused too, since LoadPuzzle reads those
// (pnFormat, when given, tells the caller which format the bytes are).
BOOL ReadPuzzleSource(const std::u16string& strPath, CPuzzleSource& source, std::u16string& strError,
                      EPuzzleFormat* pnFormat = nullptr);
// The same for bytes already in memory; strName stands for the file in messages.
BOOL ReadPuzzleSource(std::string_view bytes, const std::u16string& strName, CPuzzleSource& source,
                      std::u16string& strError, EPuzzleFormat* pnFormat = nullptr);

// The readers of one format each, for callers that know it.
BOOL ReadIpuzSource(std::string_view bytes, const std::u16string& strName, CPuzzleSource& source,
                    std::u16string& strError);
BOOL ReadJpzSource(std::string_view bytes, const std::u16string& strName, CPuzzleSource& source,
                   std::u16string& strError);
BOOL ReadXdSource(std::string_view bytes, const std::u16string& strName, CPuzzleSource& source,
                  std::u16string& strError);
