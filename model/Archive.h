// SPDX-License-Identifier: MIT
#pragma once

// A buffered binary stream over a CFile in one direction: numbers are
// little-endian, strings are written in the archive string form (0xFF 0xFE
// 0xFF, a length in one of three sizes, then 16-bit characters). Reading
// past the end throws CArchiveException.

#include <string>
#include <vector>

#include "model/File.h"
#include "model/Types.h"

class CArchiveException : public CException {
public:
    enum { none = 0, genericException, endOfFile, badIndex, badSchema };

    explicit CArchiveException(int cause = none) : m_cause(cause) { }

    int m_cause;
};

class CArchive {
public:
    enum Mode : UINT { store = 0, load = 1 };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    ~CArchive();  // drops unwritten data: call Close to keep it

    BOOL IsLoading() const { return m_nMode == load; }
    BOOL IsStoring() const { return m_nMode == store; }
    CFile* GetFile() const { return m_pFile; }

    UINT Read(void* lpBuf, UINT nMax);  // fewer bytes only at the end
    void Write(const void* lpBuf, UINT nCount);
    void Flush();
    void Close();  // writes out the buffer when storing

    // Bytes left to read, buffered ones included.
    ULONGLONG GetRemaining() const;

    CArchive& operator<<(BYTE by);
    CArchive& operator<<(WORD w);
    CArchive& operator<<(LONG l);
    CArchive& operator<<(DWORD dw);
    CArchive& operator<<(const std::u16string& str);

    CArchive& operator>>(BYTE& by);
    CArchive& operator>>(WORD& w);
    CArchive& operator>>(LONG& l);
    CArchive& operator>>(DWORD& dw);
    // A length beyond the bytes left throws before anything is allocated.
    CArchive& operator>>(std::u16string& str);

private:
    void ReadExactly(void* lpBuf, UINT nCount);
    DWORD ReadLittleEndian(int nBytes);
    void WriteLittleEndian(DWORD value, int nBytes);

    CFile* m_pFile;
    UINT m_nMode;
    std::vector<BYTE> m_buffer;
    std::size_t m_nBufPos;  // next byte to read
    std::size_t m_nBufUsed;  // bytes held
    ULONGLONG m_nFileLeft;  // loading: bytes not yet taken from the file
    bool m_bClosed;
};
