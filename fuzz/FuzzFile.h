// SPDX-License-Identifier: MIT
#pragma once

// The readers take paths, so each input goes through one scratch file per
// fuzzing process, in memory-backed /dev/shm where there is one: a disk
// write per input would bound the fuzzer by the disk.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

class ScratchFile {
public:
    ScratchFile()
    {
        std::error_code ec;
        const std::filesystem::path dir =
            std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
        m_path = dir / ("trellis-fuzz-" + std::to_string(getpid()) + ".bin");
    }
    ~ScratchFile()
    {
        std::error_code ec;
        std::filesystem::remove(m_path, ec);
    }

    // Writes the input and returns its path as the model takes it.
    std::u16string Write(const std::uint8_t* data, std::size_t size) const
    {
        std::FILE* pFile = std::fopen(m_path.c_str(), "wb");
        if (pFile == nullptr || std::fwrite(data, 1, size, pFile) != size || std::fclose(pFile) != 0)
            std::abort();
        return m_path.u16string();
    }

private:
    std::filesystem::path m_path;
};

inline std::u16string WriteScratchFile(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFile file;
    return file.Write(data, size);
}
