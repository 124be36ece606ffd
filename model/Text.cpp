// SPDX-License-Identifier: MIT
#include "model/Text.h"

#include <algorithm>

namespace {

// 0x80-0x9F of Windows-1252; 0 marks the bytes it does not define.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// Length of the valid UTF-8 sequence at p (at most n bytes), or 0 when the
// bytes there start none. Overlong forms and surrogates are invalid.
std::size_t Utf8SequenceLength(const BYTE* p, std::size_t n, char32_t& cp)
{
    const BYTE b0 = p[0];
    std::size_t len;
    BYTE lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
        cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        cp = b0 & 0x0F;
        if (b0 == 0xE0)
            lo = 0xA0;
        else if (b0 == 0xED)
            hi = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        cp = b0 & 0x07;
        if (b0 == 0xF0)
            lo = 0x90;
        else if (b0 == 0xF4)
            hi = 0x8F;
    } else {
        return 0;
    }
    if (n < len)
        return 0;
    for (std::size_t i = 1; i < len; ++i) {
        const BYTE b = p[i];
        if (i == 1 ? (b < lo || b > hi) : (b < 0x80 || b > 0xBF))
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    return len;
}

// Valid UTF-8 from end to end, with at least one character beyond ASCII.
bool IsMultiByteUtf8(const BYTE* pBytes, std::size_t nCount)
{
    bool bMultiByte = false;
    for (std::size_t i = 0, len = 0; i < nCount; i += len) {
        char32_t cp = 0;
        len = Utf8SequenceLength(pBytes + i, nCount - i, cp);
        if (len == 0)
            return false;
        bMultiByte = bMultiByte || len > 1;
    }
    return bMultiByte;
}

}  // namespace

void AppendCodePoint(std::u16string& out, char32_t cp)
{
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
    } else {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
}

WCHAR Cp1252ToWide(BYTE b)
{
    if (b >= 0x80 && b <= 0x9F && kCp1252High[b - 0x80] != 0)
        return kCp1252High[b - 0x80];
    return b;
}

WCHAR PuzzleTextChar(BYTE b)
{
    switch (b) {
    case 0x91:
    case 0x92:
        return u'\'';
    case 0x93:
    case 0x94:
        return u'"';
    case 0x96:
        return u'-';
    default:
        return Cp1252ToWide(b);
    }
}

bool WideToCp1252(WCHAR ch, BYTE& b)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
        b = static_cast<BYTE>(ch);
        return true;
    }
    for (int i = 0x80; i < 0xA0; ++i) {
        if (Cp1252ToWide(static_cast<BYTE>(i)) == ch) {
            b = static_cast<BYTE>(i);
            return true;
        }
    }
    return false;
}

std::u16string DecodePuzzleText(const BYTE* pBytes, std::size_t nCount, bool bUtf8)
{
    // ASCII is the same in every encoding the files use; most texts are.
    // Widened whole first, in one pass the compiler can vectorise, and
    // looked at again only when some byte was not ASCII.
    std::u16string out(nCount, u'\0');
    char16_t* const pOut = out.data();
    BYTE bAny = 0;
    for (std::size_t i = 0; i < nCount; ++i) {
        pOut[i] = pBytes[i];
        bAny |= pBytes[i];
    }
    if (bAny < 0x80)
        return out;
    // Some publishers write UTF-8 into files of the older versions; a text
    // that reads as such is taken as such.
    bUtf8 = bUtf8 || IsMultiByteUtf8(pBytes, nCount);
    // No sequence gives more characters than it has bytes, so the decoded
    // text fits where the widened one stood.
    char16_t* p = pOut;
    std::size_t i = 0;
    while (i < nCount) {
        // Runs of ASCII as they are.
        while (i < nCount && pBytes[i] < 0x80)
            *p++ = pBytes[i++];
        if (i == nCount)
            break;
        char32_t cp = 0;
        const std::size_t len = bUtf8 ? Utf8SequenceLength(pBytes + i, nCount - i, cp) : 0;
        if (len == 0) {
            *p++ = PuzzleTextChar(pBytes[i]);
            ++i;
        } else if (cp < 0x10000) {
            *p++ = static_cast<char16_t>(cp);
            i += len;
        } else {
            cp -= 0x10000;
            *p++ = static_cast<char16_t>(0xD800 + (cp >> 10));
            *p++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
            i += len;
        }
    }
    out.resize(static_cast<std::size_t>(p - pOut));
    return out;
}

std::u16string WidenUtf8(std::string_view text)
{
    return DecodePuzzleText(reinterpret_cast<const BYTE*>(text.data()), text.size(), true);
}

std::size_t ValidUtf8Length(std::string_view text, std::size_t i)
{
    if (i >= text.size())
        return 0;
    char32_t cp = 0;
    return Utf8SequenceLength(reinterpret_cast<const BYTE*>(text.data()) + i, text.size() - i, cp);
}

std::size_t Utf8CharLength(std::string_view text, std::size_t i)
{
    if (i >= text.size())
        return 0;
    if (static_cast<BYTE>(text[i]) < 0x80)
        return 1;
    const std::size_t len = ValidUtf8Length(text, i);
    return len == 0 ? 1 : len;
}

std::string NarrowUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}
