// SPDX-License-Identifier: MIT
#include "platform/String.h"

#include <QString>

#include <cstdarg>
#include <cstdio>

CString CString::Left(int nCount) const
{
    if (nCount <= 0)
        return CString();
    return CString(substr(0, static_cast<size_t>(nCount)));
}

CString CString::Right(int nCount) const
{
    if (nCount <= 0)
        return CString();
    if (nCount >= GetLength())
        return *this;
    return CString(substr(size() - static_cast<size_t>(nCount)));
}

int CString::Find(TCHAR ch, int nStart) const
{
    if (nStart < 0 || nStart > GetLength())
        return -1;
    const size_t pos = find(ch, static_cast<size_t>(nStart));
    return pos == npos ? -1 : static_cast<int>(pos);
}

void CString::MakeLower()
{
    *this = QString::fromStdU16String(*this).toLower().toStdU16String();
}

BOOL IsCharAlphaW(WCHAR ch)
{
    return QChar(ch).isLetter() ? TRUE : FALSE;
}

WCHAR CharUpperW(WCHAR ch)
{
    return QChar(ch).toUpper().unicode();
}

CString CString::FromUtf8(const std::string& s)
{
    return CString(QString::fromStdString(s).toStdU16String());
}

namespace {

// Appends a narrow, already formatted piece (digits, signs, padding: ASCII only).
void AppendAscii(std::u16string& out, const char* text)
{
    for (const char* p = text; *p; ++p)
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(*p)));
}

void AppendPadded(std::u16string& out, const std::u16string& piece, int width, bool leftAlign)
{
    const int pad = width - static_cast<int>(piece.size());
    if (pad > 0 && !leftAlign)
        out.append(static_cast<size_t>(pad), u' ');
    out += piece;
    if (pad > 0 && leftAlign)
        out.append(static_cast<size_t>(pad), u' ');
}

}  // namespace

void CString::Format(LPCTSTR pszFormat, ...)
{
    std::u16string out;
    va_list args;
    va_start(args, pszFormat);
    for (LPCTSTR p = pszFormat; p && *p; ++p) {
        if (*p != u'%') {
            out.push_back(*p);
            continue;
        }
        ++p;
        if (*p == u'%') {
            out.push_back(u'%');
            continue;
        }
        // Flags, width, precision and length, copied into a narrow directive for
        // the numeric conversions.
        std::string directive = "%";
        bool leftAlign = false;
        while (*p == u'-' || *p == u'+' || *p == u' ' || *p == u'0' || *p == u'#') {
            leftAlign = leftAlign || *p == u'-';
            directive.push_back(static_cast<char>(*p++));
        }
        // A width or precision: digits, or '*' for the next argument.
        auto readCount = [&]() {
            int n = 0;
            if (*p == u'*') {
                n = va_arg(args, int);
                directive += std::to_string(n);
                ++p;
            }
            while (*p >= u'0' && *p <= u'9') {
                n = n * 10 + (*p - u'0');
                directive.push_back(static_cast<char>(*p++));
            }
            return n;
        };
        const int width = readCount();
        int precision = -1;
        if (*p == u'.') {
            directive.push_back('.');
            ++p;
            precision = readCount();
        }
        bool isLong = false;
        while (*p == u'l' || *p == u'h' || *p == u'w') {
            isLong = isLong || *p == u'l';
            ++p;
        }
        const char16_t conv = *p;
        if (!conv)
            break;
        char buf[64];
        switch (conv) {
        case u'd':
        case u'i':
            directive.push_back('l');
            directive.push_back('d');
            std::snprintf(buf, sizeof buf, directive.c_str(),
                          isLong ? va_arg(args, long) : static_cast<long>(va_arg(args, int)));
            AppendAscii(out, buf);
            break;
        case u'u':
        case u'x':
        case u'X':
            directive.push_back('l');
            directive.push_back(static_cast<char>(conv));
            std::snprintf(buf, sizeof buf, directive.c_str(),
                          isLong ? va_arg(args, unsigned long) : static_cast<unsigned long>(va_arg(args, unsigned)));
            AppendAscii(out, buf);
            break;
        case u'c':
            AppendPadded(out, std::u16string(1, static_cast<char16_t>(va_arg(args, int))), width, leftAlign);
            break;
        case u's': {
            LPCTSTR s = va_arg(args, LPCTSTR);
            std::u16string piece = s ? s : u"(null)";
            if (precision >= 0 && static_cast<size_t>(precision) < piece.size())
                piece.resize(static_cast<size_t>(precision));
            AppendPadded(out, piece, width, leftAlign);
            break;
        }
        default:
            // Unknown conversion: keep it visible rather than guess an argument.
            out.push_back(u'%');
            out.push_back(conv);
            break;
        }
    }
    va_end(args);
    assign(out);
}
