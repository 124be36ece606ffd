// SPDX-License-Identifier: MIT
#pragma once

// The platform's wide string: a std::u16string with the few extras the
// windows call. There is deliberately no implicit conversion to LPCTSTR; use
// GetString().

#include "model/Types.h"

#include <string>

class CString : public std::u16string {
public:
    CString() = default;
    CString(const std::u16string& s) : std::u16string(s) { }
    CString(std::u16string&& s) : std::u16string(std::move(s)) { }
    CString(LPCTSTR psz) : std::u16string(psz ? psz : u"") { }
    CString(LPCTSTR pch, int nLength) : std::u16string(pch, static_cast<size_t>(nLength)) { }
    CString(TCHAR ch, int nRepeat = 1) : std::u16string(static_cast<size_t>(nRepeat), ch) { }

    int GetLength() const { return static_cast<int>(size()); }
    BOOL IsEmpty() const { return empty(); }
    void Empty() { clear(); }
    LPCTSTR GetString() const { return c_str(); }

    CString Left(int nCount) const;
    CString Right(int nCount) const;
    int Find(TCHAR ch, int nStart = 0) const;
    void MakeLower();
    // The string nID of the resources (AfxSetResources); FALSE, and the
    // string empty, when there is none.
    BOOL LoadString(UINT nID);

    // A UTF-8 text (a file name, say) as a string.
    static CString FromUtf8(const std::string& s);

    CString& operator=(LPCTSTR psz)
    {
        assign(psz ? psz : u"");
        return *this;
    }
    CString& operator=(const std::u16string& s)
    {
        assign(s);
        return *this;
    }
    CString& operator+=(const std::u16string& s)
    {
        append(s);
        return *this;
    }
    CString& operator+=(LPCTSTR psz)
    {
        append(psz ? psz : u"");
        return *this;
    }
    CString& operator+=(TCHAR ch)
    {
        push_back(ch);
        return *this;
    }
};

// Characters by their Unicode properties, whatever the process locale: a
// letter of any script (not a digit, symbol or mark), and its upper case
// (the character itself when it has no single upper-case form). As the
// original platform's IsCharAlphaW and CharUpperW on one character.
BOOL IsCharAlphaW(WCHAR ch);
WCHAR CharUpperW(WCHAR ch);
// A character drawn as itself: a letter, a digit, a punctuation mark or a
// symbol; not a space, a control or format character, nor a combining mark.
BOOL IsCharGraphW(WCHAR ch);

inline CString operator+(const CString& a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}
inline CString operator+(const CString& a, LPCTSTR b)
{
    CString r(a);
    r += b;
    return r;
}
inline CString operator+(LPCTSTR a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}
