// SPDX-License-Identifier: MIT
#pragma once

// Binary files for the solution file and the puzzle reader. Paths are 16-bit
// strings and are converted to the system's own form, so names outside ASCII
// open everywhere. Errors after a successful Open are thrown as CFileException.

#include <cstdint>
#include <cstdio>
#include <string>

#include "model/Types.h"

using ULONGLONG = std::uint64_t;

class CException {
public:
    virtual ~CException();
};

class CFileException : public CException {
public:
    enum {
        none = 0,
        genericException,
        fileNotFound,
        badPath,
        accessDenied,
        directory,
        diskFull,
        endOfFile,
        tooLarge,
        notRegularFile,  // a pipe, a device or a socket
    };

    CFileException(int cause = none, LONG lOsError = 0, const std::u16string& strFileName = {},
                   const std::u16string& strAction = u"open");

    // "cannot <action> file '<name>': <reason>", at most nMaxError - 1 characters.
    std::u16string GetErrorMessage(UINT nMaxError = 512) const;
    // Why, as the system says it ("No such file or directory"); empty when
    // nobody said.
    std::u16string GetReason() const;

    // The error number of the system as a cause.
    static int OsErrorToCause(LONG lOsError);

    int m_cause;
    LONG m_lOsError;
    std::u16string m_strFileName;
    std::u16string m_strAction;
};

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeCreate = 0x1000,
        typeBinary = 0x8000,
    };

    CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    virtual ~CFile();  // closes without reporting errors

    // modeRead, or modeCreate | modeWrite (created anew or truncated). Only
    // regular files open: a folder, a pipe or a device is refused without
    // waiting on it, and nothing is truncated. FALSE with *pError filled on failure.
    BOOL Open(const std::u16string& strFileName, UINT nOpenFlags, CFileException* pError = nullptr);

    // Up to nCount bytes; fewer only at the end of the file.
    UINT Read(void* lpBuf, UINT nCount);
    void Write(const void* lpBuf, UINT nCount);
    void Flush();
    // Flushes and has the system put the data on the disk before it returns.
    void Sync();
    ULONGLONG GetLength() const;
    ULONGLONG GetPosition() const;
    void Close();  // throws when buffered data cannot be written
    void Abort();  // closes, ignoring errors

    const std::u16string& GetFilePath() const { return m_strFileName; }
    BOOL IsOpen() const { return m_pFile != nullptr; }

private:
    [[noreturn]] void ThrowOsError(const char16_t* action, int nError) const;

    std::FILE* m_pFile;
    std::u16string m_strFileName;
};

// Reads a whole file of at most nMaxBytes bytes. FALSE with *pError filled
// when it cannot be opened or read, or is larger (cause tooLarge).
BOOL ReadWholeFile(const std::u16string& strFileName, ULONGLONG nMaxBytes, std::string& bytes, CFileException* pError);
