// SPDX-License-Identifier: MIT
// Any bytes as a .jpz file (see SourceFuzz.h).

#include "fuzz/SourceFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return FuzzSourceReader(ReadJpzSource, data, size);
}
