// SPDX-License-Identifier: MIT
#include "model/SafeWrite.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <random>
#include <set>
#include <system_error>
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

#include "model/Text.h"

namespace fs = std::filesystem;

namespace {

// A temporary this much older than now belongs to no save still running: a
// save writes its few hundred kilobytes at once.
constexpr auto kStaleAge = std::chrono::minutes(10);

constexpr char16_t kTempPrefix[] = u".~";
constexpr char16_t kTempSuffix[] = u".tmp";
constexpr std::size_t kTempDigits = 8;

std::mutex g_mutex;  // the random names and the folders swept, for saves on any thread

// The file a path names: symbolic links followed to their end, a link to a
// file not made yet included. A loop of links is left to the open to refuse.
fs::path FileNamedBy(fs::path path)
{
    for (int nLinks = 0; nLinks < 40; ++nLinks) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec)))
            break;
        const fs::path target = fs::read_symlink(path, ec);
        if (ec)
            break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

// A short name in the target's folder that no other save is using at the same
// time; short, so that it fits wherever the target's own name does.
fs::path TemporaryNameBeside(const fs::path& target)
{
    static std::mt19937 random {std::random_device {}()};
    static const char16_t kHex[] = u"0123456789abcdef";
    std::u16string strName = kTempPrefix;
    std::lock_guard<std::mutex> lock(g_mutex);
    for (unsigned v = static_cast<unsigned>(random()), i = 0; i < kTempDigits; ++i, v >>= 4)
        strName.push_back(kHex[v & 0xF]);
    return target.parent_path() / fs::path(strName + kTempSuffix);
}

// Once a run for each folder: a save killed midway can only have been one of
// an earlier run (or of another program's run, hence the age).
void RemoveStaleTemporaries(const fs::path& folder)
{
    {
        static std::set<fs::path> swept;
        std::lock_guard<std::mutex> lock(g_mutex);
        if (!swept.insert(folder.empty() ? fs::path(".") : folder).second)
            return;
    }
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code ecEntry;
        if (!IsTemporaryName(it->path().filename().u16string()) || !it->is_regular_file(ecEntry))
            continue;
        const auto time = it->last_write_time(ecEntry);
        if (!ecEntry && now - time > kStaleAge)
            fs::remove(it->path(), ecEntry);
    }
}

// Makes the rename itself last, where the system can.
void SyncFolder(const fs::path& folder)
{
#ifndef _WIN32
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        ::close(fd);
    }
#else
    (void)folder;
#endif
}

// Why the target itself cannot be replaced, or an empty text.
std::u16string RefuseTarget(const fs::path& target, const std::u16string& strPath)
{
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (ec || !fs::exists(status) || fs::is_regular_file(status))
        return {};
    if (fs::is_directory(status))
        return CFileException(CFileException::directory, EISDIR, strPath, u"create").GetErrorMessage();
    return CFileException(CFileException::notRegularFile, 0, strPath, u"create").GetErrorMessage();
}

}  // namespace

bool IsTemporaryName(const std::u16string& strName)
{
    const std::u16string strPrefix = kTempPrefix, strSuffix = kTempSuffix;
    if (strName.size() != strPrefix.size() + kTempDigits + strSuffix.size() ||
        strName.compare(0, strPrefix.size(), strPrefix) != 0 ||
        strName.compare(strName.size() - strSuffix.size(), strSuffix.size(), strSuffix) != 0)
        return false;
    for (std::size_t i = strPrefix.size(); i < strPrefix.size() + kTempDigits; ++i) {
        const char16_t ch = strName[i];
        if (!((ch >= u'0' && ch <= u'9') || (ch >= u'a' && ch <= u'f')))
            return false;
    }
    return true;
}

BOOL WriteFileSafely(const std::u16string& strPath, const std::function<void(CFile&)>& write, std::u16string& strError)
{
    fs::path target;
    try {
        target = FileNamedBy(fs::path(strPath));
    } catch (const std::exception&) {
        strError = CFileException(CFileException::badPath, EINVAL, strPath, u"create").GetErrorMessage();
        return FALSE;
    }
    strError = RefuseTarget(target, strPath);
    if (!strError.empty())
        return FALSE;
    RemoveStaleTemporaries(target.parent_path());

    const fs::path temp = TemporaryNameBeside(target);
    CFile file;
    CFileException error;
    if (!file.Open(temp.u16string(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary, &error)) {
        error.m_strFileName = strPath;
        strError = error.GetErrorMessage();
        return FALSE;
    }
    std::error_code ec;
    try {
        write(file);
        file.Sync();
        file.Close();
    } catch (CFileException& e) {
        file.Abort();
        fs::remove(temp, ec);
        e.m_strFileName = strPath;
        strError = e.GetErrorMessage();
        return FALSE;
    }
    // A file system without permissions to copy (a memory card, a network
    // share) keeps the ones it gives; the data matters more.
    const fs::file_status status = fs::status(target, ec);
    if (!ec && fs::exists(status))
        fs::permissions(temp, status.permissions(), ec);
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ecRemove;
        fs::remove(temp, ecRemove);
        strError = u"cannot replace file '" + strPath + u"': " + WidenUtf8(ec.message());
        return FALSE;
    }
    SyncFolder(target.parent_path());
    return TRUE;
}
