// SPDX-License-Identifier: MIT
#include "model/File.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

#include "model/Text.h"

namespace fs = std::filesystem;

namespace {

// nullptr (with errno set) when the name cannot be expressed as a path here,
// e.g. a lone surrogate.
std::FILE* OpenPath(const std::u16string& strFileName, bool bWrite)
{
    fs::path path;
    try {
        path = fs::path(strFileName);
    } catch (const std::exception&) {
        errno = EINVAL;
        return nullptr;
    }
#ifdef _WIN32
    return _wfopen(path.c_str(), bWrite ? L"wb" : L"rb");
#else
    return std::fopen(path.c_str(), bWrite ? "wb" : "rb");
#endif
}

bool IsFolder(std::FILE* pFile)
{
#ifdef _WIN32
    struct _stat64 st;
    return _fstat64(_fileno(pFile), &st) == 0 && (st.st_mode & _S_IFDIR) != 0;
#else
    struct stat st;
    return fstat(fileno(pFile), &st) == 0 && S_ISDIR(st.st_mode);
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

std::u16string CFileException::GetErrorMessage(UINT nMaxError) const
{
    std::u16string reason;
    if (m_cause == endOfFile)
        reason = u"unexpected end of file";
    else if (m_cause == tooLarge)
        reason = u"the file is too large";
    else if (m_lOsError != 0)
        reason = WidenUtf8(std::strerror(m_lOsError));
    else
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
    const char16_t* action = bWrite ? u"create" : u"open";
    errno = 0;
    std::FILE* pFile = OpenPath(strFileName, bWrite);
    int nError = errno;
    if (pFile != nullptr && IsFolder(pFile)) {
        std::fclose(pFile);
        pFile = nullptr;
        nError = EISDIR;
    }
    if (pFile == nullptr) {
        if (pError != nullptr) {
            if (nError == 0)
                nError = EINVAL;
            *pError = CFileException(CFileException::OsErrorToCause(nError), nError, strFileName, action);
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
        // The length is a hint (a file may change while it is read): with it,
        // the bytes are allocated once.
        const ULONGLONG nLength = file.GetLength();
        if (nLength <= nMaxBytes)
            bytes.reserve(static_cast<std::size_t>(nLength));
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
