#pragma once

// The readers take paths, so each input goes through one scratch file per
// fuzzing process.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#ifndef _WIN32
#include <unistd.h>
#endif

inline const std::u16string& ScratchFile(const std::uint8_t* data, std::size_t size)
{
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("trellis-fuzz-" + std::to_string(getpid()) + ".bin");
    static const std::u16string modelPath = path.u16string();
    std::FILE* pFile = std::fopen(path.c_str(), "wb");
    if (pFile == nullptr || std::fwrite(data, 1, size, pFile) != size || std::fclose(pFile) != 0)
        std::abort();
    return modelPath;
}
