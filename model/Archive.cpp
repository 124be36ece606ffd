// SPDX-License-Identifier: MIT
#include "model/Archive.h"

#include <algorithm>
#include <cstring>

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize)
    : m_pFile(pFile), m_nMode(nMode), m_buffer(static_cast<std::size_t>(std::max(nBufSize, 16))), m_nBufPos(0),
      m_nBufUsed(0), m_nFileLeft(0), m_bClosed(false)
{
    if (IsLoading()) {
        const ULONGLONG nLength = m_pFile->GetLength();
        const ULONGLONG nPos = m_pFile->GetPosition();
        m_nFileLeft = nLength > nPos ? nLength - nPos : 0;
    }
}

CArchive::~CArchive() = default;

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    BYTE* pOut = static_cast<BYTE*>(lpBuf);
    UINT nDone = 0;
    while (nDone < nMax) {
        if (m_nBufPos == m_nBufUsed) {
            m_nBufPos = 0;
            m_nBufUsed = m_pFile->Read(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
            m_nFileLeft -= std::min<ULONGLONG>(m_nFileLeft, m_nBufUsed);
            if (m_nBufUsed == 0)
                break;
        }
        const std::size_t n = std::min<std::size_t>(nMax - nDone, m_nBufUsed - m_nBufPos);
        std::memcpy(pOut + nDone, m_buffer.data() + m_nBufPos, n);
        m_nBufPos += n;
        nDone += static_cast<UINT>(n);
    }
    return nDone;
}

void CArchive::Write(const void* lpBuf, UINT nCount)
{
    const BYTE* pIn = static_cast<const BYTE*>(lpBuf);
    while (nCount > 0) {
        if (m_nBufUsed == m_buffer.size())
            Flush();
        const std::size_t n = std::min<std::size_t>(nCount, m_buffer.size() - m_nBufUsed);
        std::memcpy(m_buffer.data() + m_nBufUsed, pIn, n);
        m_nBufUsed += n;
        pIn += n;
        nCount -= static_cast<UINT>(n);
    }
}

void CArchive::Flush()
{
    if (IsStoring() && m_nBufUsed > 0) {
        m_pFile->Write(m_buffer.data(), static_cast<UINT>(m_nBufUsed));
        m_nBufUsed = 0;
    }
}

void CArchive::Close()
{
    if (!m_bClosed) {
        Flush();
        m_bClosed = true;
    }
}

ULONGLONG CArchive::GetRemaining() const
{
    return IsLoading() ? (m_nBufUsed - m_nBufPos) + m_nFileLeft : 0;
}

void CArchive::ReadExactly(void* lpBuf, UINT nCount)
{
    if (Read(lpBuf, nCount) != nCount)
        throw CArchiveException(CArchiveException::endOfFile);
}

DWORD CArchive::ReadLittleEndian(int nBytes)
{
    BYTE bytes[4];
    ReadExactly(bytes, static_cast<UINT>(nBytes));
    DWORD value = 0;
    for (int i = nBytes - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

void CArchive::WriteLittleEndian(DWORD value, int nBytes)
{
    BYTE bytes[4];
    for (int i = 0; i < nBytes; ++i)
        bytes[i] = static_cast<BYTE>(value >> (8 * i));
    Write(bytes, static_cast<UINT>(nBytes));
}

CArchive& CArchive::operator<<(BYTE by)
{
    WriteLittleEndian(by, 1);
    return *this;
}

CArchive& CArchive::operator<<(WORD w)
{
    WriteLittleEndian(w, 2);
    return *this;
}

CArchive& CArchive::operator<<(LONG l)
{
    WriteLittleEndian(static_cast<DWORD>(l), 4);
    return *this;
}

CArchive& CArchive::operator<<(DWORD dw)
{
    WriteLittleEndian(dw, 4);
    return *this;
}

CArchive& CArchive::operator<<(const std::u16string& str)
{
    // 0xFF then 0xFFFE: a string of 16-bit characters follows.
    *this << BYTE(0xFF) << WORD(0xFFFE);
    const std::size_t nLength = str.size();
    if (nLength < 0xFF) {
        *this << static_cast<BYTE>(nLength);
    } else if (nLength < 0xFFFE) {
        *this << BYTE(0xFF) << static_cast<WORD>(nLength);
    } else {
        *this << BYTE(0xFF) << WORD(0xFFFF) << static_cast<DWORD>(nLength);
    }
    for (char16_t ch : str)
        *this << static_cast<WORD>(ch);
    return *this;
}

CArchive& CArchive::operator>>(BYTE& by)
{
    by = static_cast<BYTE>(ReadLittleEndian(1));
    return *this;
}

CArchive& CArchive::operator>>(WORD& w)
{
    w = static_cast<WORD>(ReadLittleEndian(2));
    return *this;
}

CArchive& CArchive::operator>>(LONG& l)
{
    l = static_cast<LONG>(ReadLittleEndian(4));
    return *this;
}

CArchive& CArchive::operator>>(DWORD& dw)
{
    dw = ReadLittleEndian(4);
    return *this;
}

CArchive& CArchive::operator>>(std::u16string& str)
{
    BYTE by;
    WORD w;
    *this >> by >> w;
    if (by != 0xFF || w != 0xFFFE)
        throw CArchiveException(CArchiveException::badSchema);
    DWORD nLength;
    *this >> by;
    nLength = by;
    if (by == 0xFF) {
        *this >> w;
        nLength = w;
        if (w == 0xFFFE)
            throw CArchiveException(CArchiveException::badSchema);
        if (w == 0xFFFF)
            *this >> nLength;
    }
    if (static_cast<ULONGLONG>(nLength) * 2 > GetRemaining())
        throw CArchiveException(CArchiveException::endOfFile);
    str.resize(nLength);
    for (DWORD i = 0; i < nLength; ++i) {
        *this >> w;
        str[i] = static_cast<char16_t>(w);
    }
    return *this;
}
