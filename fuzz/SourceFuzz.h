// SPDX-License-Identifier: MIT
#pragma once

// Any bytes through one of the .ipuz, .jpz and .xd readers: no crash, no
// read past the end, and either a refusal with a message and nothing kept,
// or a description whose every part is where it claims to be.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/PuzzleSourceReader.h"
#include "model/SourceText.h"

using SourceReader = BOOL (*)(std::string_view, const std::u16string&, CPuzzleSource&, std::u16string&);

inline int FuzzSourceReader(SourceReader pReader, const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CPuzzleSource source;
    std::u16string error;
    if (!pReader(bytes, u"fuzz", source, error)) {
        if (error.empty() || source != CPuzzleSource())
            std::abort();
        return 0;
    }
    std::u16string why;
    if (!error.empty() || !CheckSource(source, why))
        std::abort();
    // Reading is a pure function of the bytes.
    CPuzzleSource again;
    if (!pReader(bytes, u"fuzz", again, error) || again != source)
        std::abort();
    return 0;
}
