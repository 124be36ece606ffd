// SPDX-License-Identifier: MIT
// Any bytes as a .ipuz file (see SourceFuzz.h).

#include "fuzz/SourceFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return FuzzSourceReader(ReadIpuzSource, data, size);
}
