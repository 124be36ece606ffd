// SPDX-License-Identifier: MIT
#pragma once

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.

#include <filesystem>
#include <string>

namespace trellis::test {

class TempDir {
public:
    TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();

    const std::filesystem::path& Path() const { return m_path; }
    // A path inside the folder; name is UTF-8.
    std::filesystem::path File(const std::string& name) const;
    // Writes bytes to the named file and returns its path as the model takes it.
    std::u16string Write(const std::string& name, const std::string& bytes) const;

    static std::string Read(const std::filesystem::path& path);
    static void Write(const std::filesystem::path& path, const std::string& bytes);

private:
    std::filesystem::path m_path;
};

// The path as the model takes it.
std::u16string ModelPath(const std::filesystem::path& path);

// For readable test failures.
std::string ToUtf8(const std::u16string& text);

}  // namespace trellis::test
