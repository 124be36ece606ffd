// SPDX-License-Identifier: MIT
#include "model/File.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#else
#include <io.h>
#endif

#include "model/Text.h"

namespace fs = std::filesystem;

namespace {

// What OpenPath gives when the path names something other than a regular file.
constexpr int kNotRegularFile = -1;

// nullptr with nError set when the file does not open: an error number of the
// system, or kNotRegularFile. A name that cannot be expressed as a path here
// (e.g. a lone surrogate) gives EINVAL.
std::FILE* OpenPath(const std::u16string& strFileName, bool bWrite, int& nError)
{
    fs::path path;
    try {
        path = fs::path(strFileName);
    } catch (const std::exception&) {
        nError = EINVAL;
        return nullptr;
    }
#ifdef _WIN32
    std::FILE* pFile = _wfopen(path.c_str(), bWrite ? L"wb" : L"rb");
    nError = pFile == nullptr ? errno : 0;
    if (pFile != nullptr) {
        struct _stat64 st;
        if (_fstat64(_fileno(pFile), &st) == 0)
            nError = (st.st_mode & _S_IFDIR) != 0 ? EISDIR : (st.st_mode & _S_IFREG) != 0 ? 0 : kNotRegularFile;
        if (nError != 0) {
            std::fclose(pFile);
            pFile = nullptr;
        }
    }
    return pFile;
#else
    // Opened without waiting, so a pipe with nobody at the other end cannot
    // hold the program; the file is truncated only once it is known to be a
    // regular file.
    const int fd = ::open(path.c_str(), (bWrite ? O_WRONLY | O_CREAT : O_RDONLY) | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        nError = errno == ENXIO ? kNotRegularFile : errno;  // a pipe without a reader
        return nullptr;
    }
    struct stat st;
    nError = 0;
    if (fstat(fd, &st) != 0)
        nError = errno;
    else if (S_ISDIR(st.st_mode))
        nError = EISDIR;
    else if (!S_ISREG(st.st_mode))
        nError = kNotRegularFile;
    else if (bWrite && ftruncate(fd, 0) != 0)
        nError = errno;
    else if (fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        nError = errno;
    std::FILE* pFile = nError == 0 ? fdopen(fd, bWrite ? "wb" : "rb") : nullptr;
    if (pFile == nullptr) {
        if (nError == 0)
            nError = errno;
        ::close(fd);
    }
    return pFile;
#endif
}

}  // namespace

CException::~CException() = default;

CFileException::CFileException(int cause, LONG lOsError, const std::u16string& strFileName,
                               const std::u16string& strAction)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(strFileName), m_strAction(strAction)
{
}

int CFileException::OsErrorToCause(LONG lOsError)
{
    switch (lOsError) {
    case ENOENT:
        return fileNotFound;
    case ENAMETOOLONG:
    case EINVAL:
        return badPath;
    case EACCES:
    case EPERM:
    case EROFS:
        return accessDenied;
    case EISDIR:
        return directory;
    case ENOSPC:
    case EFBIG:
        return diskFull;
    default:
        return genericException;
    }
}

std::u16string CFileException::GetReason() const
{
    if (m_cause == endOfFile)
        return u"unexpected end of file";
    if (m_cause == tooLarge)
        return u"the file is too large";
    if (m_cause == notRegularFile)
        return u"not a regular file";
    if (m_lOsError != 0)
        return WidenUtf8(std::strerror(m_lOsError));
    return {};
}

std::u16string CFileException::GetErrorMessage(UINT nMaxError) const
{
    std::u16string reason = GetReason();
    if (reason.empty())
        reason = u"unknown error";
    std::u16string text = u"cannot " + m_strAction + u" file '" + m_strFileName + u"': " + reason;
    if (nMaxError > 0 && text.size() > nMaxError - 1)
        text.resize(nMaxError - 1);
    return text;
}

CFile::CFile() : m_pFile(nullptr)
{
}

CFile::~CFile()
{
    Abort();
}

BOOL CFile::Open(const std::u16string& strFileName, UINT nOpenFlags, CFileException* pError)
{
    Abort();
    const bool bWrite = (nOpenFlags & modeWrite) != 0;
    int nError = 0;
    std::FILE* pFile = OpenPath(strFileName, bWrite, nError);
    if (pFile == nullptr) {
        if (pError != nullptr) {
            const char16_t* action = bWrite ? u"create" : u"open";
            if (nError == kNotRegularFile)
                *pError = CFileException(CFileException::notRegularFile, 0, strFileName, action);
            else
                *pError = CFileException(CFileException::OsErrorToCause(nError != 0 ? nError : EINVAL),
                                         nError != 0 ? nError : EINVAL, strFileName, action);
        }
        return FALSE;
    }
    m_pFile = pFile;
    m_strFileName = strFileName;
    return TRUE;
}

void CFile::ThrowOsError(const char16_t* action, int nError) const
{
    if (nError == 0)
        nError = EIO;
    throw CFileException(CFileException::OsErrorToCause(nError), nError, m_strFileName, action);
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    errno = 0;
    const std::size_t nRead = std::fread(lpBuf, 1, nCount, m_pFile);
    if (nRead < nCount && std::ferror(m_pFile))
        ThrowOsError(u"read", errno);
    return static_cast<UINT>(nRead);
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    errno = 0;
    if (std::fwrite(lpBuf, 1, nCount, m_pFile) != nCount)
        ThrowOsError(u"write", errno);
}

void CFile::Flush()
{
    errno = 0;
    if (std::fflush(m_pFile) != 0)
        ThrowOsError(u"write", errno);
}

void CFile::Sync()
{
    Flush();
#ifdef _WIN32
    const int nResult = _commit(_fileno(m_pFile));
#else
    const int nResult = fsync(fileno(m_pFile));
#endif
    // A file system that keeps nothing to sync (EINVAL) has nothing to lose.
    if (nResult != 0 && errno != EINVAL)
        ThrowOsError(u"write", errno);
}

ULONGLONG CFile::GetPosition() const
{
    const long pos = std::ftell(m_pFile);
    return pos < 0 ? 0 : static_cast<ULONGLONG>(pos);
}

ULONGLONG CFile::GetLength() const
{
#ifdef _WIN32
    struct _stat64 st;
    if (_fstat64(_fileno(m_pFile), &st) != 0)
        return 0;
#else
    struct stat st;
    if (fstat(fileno(m_pFile), &st) != 0)
        return 0;
#endif
    // Count what is still buffered for writing as well.
    const ULONGLONG nPos = GetPosition();
    const ULONGLONG nSize = static_cast<ULONGLONG>(st.st_size);
    return nPos > nSize ? nPos : nSize;
}

void CFile::Close()
{
    if (m_pFile == nullptr)
        return;
    errno = 0;
    const bool bFailed = std::fflush(m_pFile) != 0;
    const int nError = errno;
    const bool bCloseFailed = std::fclose(m_pFile) != 0;
    m_pFile = nullptr;
    if (bFailed || bCloseFailed)
        ThrowOsError(u"write", bFailed ? nError : errno);
}

void CFile::Abort()
{
    if (m_pFile != nullptr) {
        std::fclose(m_pFile);
        m_pFile = nullptr;
    }
}

BOOL ReadWholeFile(const std::u16string& strFileName, ULONGLONG nMaxBytes, std::string& bytes, CFileException* pError)
{
    bytes.clear();
    CFile file;
    if (!file.Open(strFileName, CFile::modeRead | CFile::typeBinary, pError))
        return FALSE;
    try {
        char buffer[65536];
        for (;;) {
            const UINT nRead = file.Read(buffer, sizeof buffer);
            if (nRead == 0)
                break;
            if (bytes.size() + nRead > nMaxBytes) {
                bytes.clear();
                if (pError != nullptr)
                    *pError = CFileException(CFileException::tooLarge, 0, strFileName, u"read");
                return FALSE;
            }
            bytes.append(buffer, nRead);
        }
    } catch (const CFileException& e) {
        bytes.clear();
        if (pError != nullptr)
            *pError = e;
        return FALSE;
    }
    return TRUE;
}
