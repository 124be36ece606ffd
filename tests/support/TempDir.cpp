// SPDX-License-Identifier: MIT
#include "tests/support/TempDir.h"

#include <fstream>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

namespace trellis::test {

TempDir::TempDir()
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = fs::temp_directory_path() / ("trellis-test-" + std::to_string(random()));
        if (fs::create_directory(candidate)) {
            // Its real path: native dialogs answer with resolved paths.
            m_path = fs::canonical(candidate);
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

fs::path TempDir::File(const std::string& name) const
{
    return m_path / fs::u8path(name);
}

std::u16string TempDir::Write(const std::string& name, const std::string& bytes) const
{
    const fs::path path = File(name);
    Write(path, bytes);
    return ModelPath(path);
}

std::string TempDir::Read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.u8string());
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void TempDir::Write(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + path.u8string());
}

std::u16string ModelPath(const fs::path& path)
{
    return path.u16string();
}

std::string ToUtf8(const std::u16string& text)
{
    return fs::path(text).u8string();
}

}  // namespace trellis::test
