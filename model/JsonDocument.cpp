// SPDX-License-Identifier: MIT
#include "model/JsonDocument.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "model/Text.h"

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
constexpr std::uint64_t kLowBits = 0x7F7F7F7F7F7F7F7FULL;

// Eight bytes of the text as one number, the first byte in its lowest bits
// on the machines that keep numbers so.
std::uint64_t Load8(const char* p)
{
    std::uint64_t x;
    std::memcpy(&x, p, sizeof x);
    return x;
}

// The high bit of every byte of x that is zero, and of no other.
std::uint64_t ZeroBytes(std::uint64_t x)
{
    return ~(((x & kLowBits) + kLowBits) | x) & kHighBits;
}

// The high bit of every byte of x that is below 0x20.
std::uint64_t ControlBytes(std::uint64_t x)
{
    return ~(((x & kLowBits) + kOnes * (0x80 - 0x20)) | x) & kHighBits;
}

// The bytes that end a run of plain string bytes: a quote, a backslash, a
// control character or a byte beyond ASCII.
std::uint64_t StringStops(std::uint64_t x)
{
    return ZeroBytes(x ^ (kOnes * '"')) | ZeroBytes(x ^ (kOnes * '\\')) | ControlBytes(x) | (x & kHighBits);
}

#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr bool kEightAtATime = true;
// The place of the first byte whose high bit is set in m (not 0).
std::size_t FirstMarked(std::uint64_t m)
{
    return static_cast<std::size_t>(__builtin_ctzll(m)) / 8;
}
#else
// Elsewhere the bytes are looked at one by one.
constexpr bool kEightAtATime = false;
std::size_t FirstMarked(std::uint64_t)
{
    return 0;
}
#endif

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

int HexDigit(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

// The four hex digits at p (which has them), or -1.
long HexQuad(const char* p)
{
    long n = 0;
    for (int i = 0; i < 4; ++i) {
        const int nDigit = HexDigit(p[i]);
        if (nDigit < 0)
            return -1;
        n = n * 16 + nDigit;
    }
    return n;
}

std::u16string Utf16Of(const char* psz)
{
    return std::u16string(psz, psz + std::strlen(psz));
}

// Calls onCodePoint(cp) for each character of a string's text, which was
// checked when it was read: valid UTF-8 and well-formed escapes.
template <class OnCodePointFn> void ForEachCodePoint(std::string_view text, OnCodePointFn onCodePoint)
{
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        if (b == '\\') {
            const char chEscape = text[i + 1];
            i += 2;
            switch (chEscape) {
            case 'b':
                onCodePoint(U'\b');
                break;
            case 'f':
                onCodePoint(U'\f');
                break;
            case 'n':
                onCodePoint(U'\n');
                break;
            case 'r':
                onCodePoint(U'\r');
                break;
            case 't':
                onCodePoint(U'\t');
                break;
            case 'u': {
                char32_t cp = static_cast<char32_t>(HexQuad(text.data() + i));
                i += 4;
                if (cp >= 0xD800 && cp <= 0xDBFF) {
                    cp = 0x10000 + ((cp - 0xD800) << 10) +
                         (static_cast<char32_t>(HexQuad(text.data() + i + 2)) - 0xDC00);
                    i += 6;
                }
                onCodePoint(cp);
                break;
            }
            default:  // '"', '\\' and '/' stand for themselves
                onCodePoint(static_cast<char32_t>(chEscape));
                break;
            }
        } else if (b < 0x80) {
            onCodePoint(b);
            ++i;
        } else if (b < 0xE0) {
            onCodePoint(((b & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu));
            i += 2;
        } else if (b < 0xF0) {
            onCodePoint(((b & 0x0Fu) << 12) | ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6) |
                        (static_cast<unsigned char>(text[i + 2]) & 0x3Fu));
            i += 3;
        } else {
            onCodePoint(((b & 0x07u) << 18) | ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 12) |
                        ((static_cast<unsigned char>(text[i + 2]) & 0x3Fu) << 6) |
                        (static_cast<unsigned char>(text[i + 3]) & 0x3Fu));
            i += 4;
        }
    }
}

// The number's value as the nearest double: infinite beyond the range, 0
// below it.
double NumberValue(std::string_view span)
{
    double d = 0;
    const auto result = std::from_chars(span.data(), span.data() + span.size(), d);
    if (result.ec != std::errc::result_out_of_range)
        return d;
    // Its size is the place of its first digit that is not 0, moved by the exponent.
    const bool bNegative = span[0] == '-';
    const std::size_t nE = span.find_first_of("eE");
    const std::string_view strMantissa = span.substr(bNegative ? 1 : 0, nE - (bNegative ? 1 : 0));
    long nExponent = 0;
    if (nE != std::string_view::npos) {
        const std::string_view strExponent = span.substr(nE + 1);
        for (const char ch : strExponent)
            nExponent = IsDigit(ch) && nExponent < 100000 ? nExponent * 10 + (ch - '0') : nExponent;
        nExponent = strExponent[0] == '-' ? -nExponent : nExponent;
    }
    const std::size_t nPoint = std::min(strMantissa.find('.'), strMantissa.size());
    const std::size_t nFirst = strMantissa.find_first_of("123456789");
    if (nFirst == std::string_view::npos)
        return 0;
    const long nPlace = nFirst < nPoint ? static_cast<long>(nPoint - nFirst) - 1 : -static_cast<long>(nFirst - nPoint);
    const double dMagnitude = nPlace + nExponent > 0 ? HUGE_VAL : 0.0;
    return bNegative ? -dMagnitude : dMagnitude;
}

// Where a scan of a string or a number stopped: at its end (a string's
// closing quote), or at a fault, with why.
struct CScan {
    const char* m_p;
    const char* m_pszWhy;  // nullptr when the value is good
    std::uint8_t m_nFlags;
};

// The blanks at p passed over. A zero byte, where a value or what parts
// values may stand, ends the text as in the strings of C: some writers
// leave one, and what follows it, behind. So p is then at the end when
// p == pEnd or *p == 0.
inline const char* SkipBlanks(const char* p, const char* pEnd)
{
    // Values often follow each other without blanks; a blank is at most a space.
    if (p == pEnd || static_cast<unsigned char>(*p) > ' ')
        return p;
    for (;;) {
        // Indentation: runs of spaces, eight bytes at a time.
        while (kEightAtATime && pEnd - p >= 8) {
            const std::uint64_t nOthers = ~ZeroBytes(Load8(p) ^ (kOnes * ' ')) & kHighBits;
            if (nOthers != 0) {
                p += FirstMarked(nOthers);
                break;
            }
            p += 8;
        }
        if (p == pEnd || (*p != ' ' && *p != '\n' && *p != '\r' && *p != '\t'))
            return p;
        ++p;
    }
}

inline bool AtEnd(const char* p, const char* pEnd)
{
    return p == pEnd || *p == '\0';
}

// The string whose text starts at p (after its opening quote), up to its
// closing quote. Escapes and UTF-8 are checked here, so the text can be
// decoded later without a look back.
inline CScan ScanString(const char* p, const char* pEnd)
{
    std::uint8_t nFlags = 0;
    for (;;) {
        while (kEightAtATime && pEnd - p >= 8) {
            const std::uint64_t nStops = StringStops(Load8(p));
            if (nStops != 0) {
                p += FirstMarked(nStops);
                break;
            }
            p += 8;
        }
        if (p == pEnd)
            return {p, "a string is not closed", 0};
        const unsigned char b = static_cast<unsigned char>(*p);
        if (b == '"')
            return {p, nullptr, nFlags};
        if (b == '\\') {
            nFlags = 1;
            const std::size_t nLeft = static_cast<std::size_t>(pEnd - p);
            const char ch = nLeft > 1 ? p[1] : '\0';
            if (ch != '\0' && std::strchr("\"\\/bfnrt", ch) != nullptr) {
                p += 2;
                continue;
            }
            if (ch != 'u')
                return {p, "an unknown escape in a string", 0};
            const long nUnit = nLeft >= 6 ? HexQuad(p + 2) : -1;
            if (nUnit < 0)
                return {p, "an escape \\u without four hex digits", 0};
            if (nUnit >= 0xDC00 && nUnit <= 0xDFFF)
                return {p, "the second half of a surrogate pair without the first", 0};
            if (nUnit >= 0xD800 && nUnit <= 0xDBFF) {
                // The second half must follow as an escape of its own.
                const long nLow = nLeft >= 12 && p[6] == '\\' && p[7] == 'u' ? HexQuad(p + 8) : -1;
                if (nLow < 0xDC00 || nLow > 0xDFFF)
                    return {p, "the first half of a surrogate pair without the second", 0};
                p += 12;
                continue;
            }
            p += 6;
        } else if (b < 0x20) {
            return {p, "a control character in a string", 0};
        } else if (b >= 0x80) {
            const std::size_t n = ValidUtf8Length(std::string_view(p, static_cast<std::size_t>(pEnd - p)), 0);
            if (n == 0)
                return {p, "a string that is not UTF-8", 0};
            p += n;
        } else {
            ++p;
        }
    }
}

// The number at p (a minus or a digit), to its last character. Flags 2: an
// integer that fits 64 bits; 4: negative.
inline CScan ScanNumber(const char* p, const char* pEnd)
{
    const char* pStart = p;
    const bool bNegative = *p == '-';
    if (bNegative)
        ++p;
    if (p == pEnd || !IsDigit(*p))
        return {p, "a number without digits", 0};
    // Twenty digits may fit 64 bits; the value tells once they are read.
    std::uint64_t nValue = 0;
    bool bFits = true;
    if (*p == '0') {
        ++p;
    } else {
        for (; p != pEnd && IsDigit(*p); ++p) {
            const std::uint64_t nDigit = static_cast<std::uint64_t>(*p - '0');
            bFits = bFits && nValue <= (std::numeric_limits<std::uint64_t>::max() - nDigit) / 10;
            nValue = nValue * 10 + nDigit;
        }
    }
    bool bInteger = true;
    if (p != pEnd && *p == '.') {
        bInteger = false;
        ++p;
        if (p == pEnd || !IsDigit(*p))
            return {p, "a number without digits after its point", 0};
        while (p != pEnd && IsDigit(*p))
            ++p;
    }
    if (p != pEnd && (*p == 'e' || *p == 'E')) {
        bInteger = false;
        ++p;
        if (p != pEnd && (*p == '+' || *p == '-'))
            ++p;
        if (p == pEnd || !IsDigit(*p))
            return {p, "a number without digits in its exponent", 0};
        while (p != pEnd && IsDigit(*p))
            ++p;
    }
    // A negative integer fits down to -2^63.
    if (bNegative)
        bFits = bFits && nValue <= static_cast<std::uint64_t>(std::numeric_limits<long long>::max()) + 1;
    // A number too large for a double is no number this reader takes.
    if (!(bInteger && bFits) && std::isinf(NumberValue(std::string_view(pStart, static_cast<std::size_t>(p - pStart)))))
        return {pStart, "a number too large", 0};
    return {p, nullptr, static_cast<std::uint8_t>((bInteger && bFits ? 2 : 0) | (bNegative ? 4 : 0))};
}

}  // namespace

CJsonDocument::CFault CJsonDocument::ReadNodes(std::string_view text)
{
    const char* const pBegin = text.data();
    const char* const pEnd = pBegin + text.size();
    const char* p = pBegin;
    // The values are written straight into the list, which grows when full:
    // a value and what parts it from the next take a few bytes.
    std::size_t nRoom = text.size() / 4 + 16;
    m_pNodes.reset(new CNode[nRoom]);
    m_nNodes = 0;
    CNode* pNode = m_pNodes.get();
    CNode* pNodesEnd = pNode + nRoom;
    // The arrays and objects open around p: their values so far.
    struct COpen {
        std::uint32_t m_nNode;
        std::uint32_t m_nCount;
        bool m_bObject;
    };
    std::array<COpen, kMaxJsonDepth> aOpen;
    int nOpen = 0;
    // Set when p stands at a key: the key and its colon come before the value.
    bool bKey = false;

    for (;;) {
        p = SkipBlanks(p, pEnd);
        if (bKey) {
            if (AtEnd(p, pEnd) || *p != '"')
                return {p, "a key in quotes was expected", false};
        } else if (AtEnd(p, pEnd)) {
            return {p, "the text ends where a value was expected", false};
        }
        if (pNode == pNodesEnd) {
            std::unique_ptr<CNode[]> pMore(new CNode[2 * nRoom]);
            std::copy(m_pNodes.get(), pNode, pMore.get());
            m_pNodes = std::move(pMore);
            pNode = m_pNodes.get() + nRoom;
            nRoom *= 2;
            pNodesEnd = m_pNodes.get() + nRoom;
        }
        const std::uint32_t nIndex = static_cast<std::uint32_t>(pNode - m_pNodes.get());
        CNode& node = *pNode++;
        node.m_nStart = static_cast<std::uint32_t>(p - pBegin);
        node.m_nLength = 0;
        node.m_nEnd = nIndex + 1;
        node.m_nFlags = 0;
        const char ch = *p;
        if (ch == '"') {
            const CScan scan = ScanString(p + 1, pEnd);
            if (scan.m_pszWhy != nullptr)
                return {scan.m_p, scan.m_pszWhy, false};
            node.m_nType = EJsonType::String;
            node.m_nStart += 1;
            node.m_nLength = static_cast<std::uint32_t>(scan.m_p - p - 1);
            node.m_nFlags = scan.m_nFlags != 0 ? kEscaped : 0;
            p = scan.m_p + 1;
            if (bKey) {
                p = SkipBlanks(p, pEnd);
                if (AtEnd(p, pEnd) || *p != ':')
                    return {p, "a colon was expected after the key", false};
                ++p;
                bKey = false;
                continue;
            }
        } else if (ch == '{' || ch == '[') {
            if (nOpen == kMaxJsonDepth)
                return {p, "nested too deeply", true};
            const bool bObject = ch == '{';
            node.m_nType = bObject ? EJsonType::Object : EJsonType::Array;
            aOpen[nOpen++] = {nIndex, 0, bObject};
            p = SkipBlanks(p + 1, pEnd);
            if (AtEnd(p, pEnd) || *p != (bObject ? '}' : ']')) {
                // Its first value.
                aOpen[nOpen - 1].m_nCount = 1;
                bKey = bObject;
                continue;
            }
        } else if (ch == '-' || IsDigit(ch)) {
            const CScan scan = ScanNumber(p, pEnd);
            if (scan.m_pszWhy != nullptr)
                return {scan.m_p, scan.m_pszWhy, false};
            node.m_nType = EJsonType::Number;
            node.m_nLength = static_cast<std::uint32_t>(scan.m_p - p);
            node.m_nFlags = static_cast<std::uint8_t>(((scan.m_nFlags & 2) != 0 ? kInteger : 0) |
                                                      ((scan.m_nFlags & 4) != 0 ? kNegative : 0));
            p = scan.m_p;
        } else {
            const std::string_view strLiteral = ch == 't' ? "true" : ch == 'f' ? "false" : "null";
            if ((ch != 't' && ch != 'f' && ch != 'n') || static_cast<std::size_t>(pEnd - p) < strLiteral.size() ||
                std::string_view(p, strLiteral.size()) != strLiteral)
                return {p, "a value was expected", false};
            node.m_nType = ch == 't' ? EJsonType::True : ch == 'f' ? EJsonType::False : EJsonType::Null;
            p += strLiteral.size();
        }
        // After a value: close what ends here, up to the next value.
        for (;;) {
            p = SkipBlanks(p, pEnd);
            if (nOpen == 0) {
                if (!AtEnd(p, pEnd))
                    return {p, "more text after the value", false};
                m_nNodes = static_cast<std::size_t>(pNode - m_pNodes.get());
                return {nullptr, nullptr, false};
            }
            COpen& open = aOpen[static_cast<std::size_t>(nOpen - 1)];
            if (AtEnd(p, pEnd))
                return {p, open.m_bObject ? "the text ends inside an object" : "the text ends inside an array", false};
            if (*p == (open.m_bObject ? '}' : ']')) {
                ++p;
                CNode& container = m_pNodes[open.m_nNode];
                container.m_nLength = open.m_nCount;
                container.m_nEnd = static_cast<std::uint32_t>(pNode - m_pNodes.get());
                --nOpen;
                continue;
            }
            if (*p != ',')
                return {p, open.m_bObject ? "a comma or } was expected" : "a comma or ] was expected", false};
            ++p;
            ++open.m_nCount;
            bKey = open.m_bObject;
            break;
        }
    }
}

bool CJsonDocument::Parse(std::string_view text, std::u16string& strWhy, bool& bTooDeep)
{
    m_text = text;
    const CFault fault = ReadNodes(text);
    bTooDeep = fault.m_bTooDeep;
    if (fault.m_pszWhy == nullptr)
        return true;
    m_pNodes.reset();
    m_nNodes = 0;
    // Where, as an editor counts: lines from 1, and bytes of the line from 1.
    const std::size_t nAt = static_cast<std::size_t>(fault.m_pAt - text.data());
    std::size_t nLine = 1, nLineStart = 0;
    for (std::size_t i = 0; i < nAt; ++i) {
        if (text[i] == '\n') {
            ++nLine;
            nLineStart = i + 1;
        }
    }
    strWhy = Utf16Of(fault.m_pszWhy) + u" at line " + Utf16Of(std::to_string(nLine).c_str()) + u", column " +
             Utf16Of(std::to_string(nAt - nLineStart + 1).c_str());
    return false;
}

std::string_view CJsonValue::Span() const
{
    const CJsonDocument::CNode& node = m_pDocument->m_pNodes[m_nIndex];
    return m_pDocument->m_text.substr(node.m_nStart, node.m_nLength);
}

std::string_view CJsonValue::Source() const
{
    return IsString() || IsNumber() ? Span() : std::string_view();
}

bool CJsonValue::IsInteger() const
{
    return IsNumber() && (m_pDocument->m_pNodes[m_nIndex].m_nFlags & CJsonDocument::kInteger) != 0;
}

std::size_t CJsonValue::Size() const
{
    return IsArray() || IsObject() ? m_pDocument->m_pNodes[m_nIndex].m_nLength : 0;
}

CJsonValue CJsonValue::operator[](std::size_t nIndex) const
{
    if (!IsArray() || nIndex >= Size())
        return {};
    CJsonValue element = Child();
    for (; nIndex > 0; --nIndex)
        element = element.Next();
    return element;
}

CJsonValue CJsonValue::Member(std::string_view strKey) const
{
    CJsonValue found;
    if (!IsObject())
        return found;
    const CJsonDocument::CNode* aNodes = m_pDocument->m_pNodes.get();
    std::uint32_t nKey = m_nIndex + 1;
    for (std::size_t n = Size(); n > 0; --n) {
        const CJsonDocument::CNode& key = aNodes[nKey];
        const std::uint32_t nValue = key.m_nEnd;
        // Keys without escapes, nearly all, are compared as they stand.
        if ((key.m_nFlags & CJsonDocument::kEscaped) != 0
                ? CJsonValue(m_pDocument, nKey).Utf8() == strKey
                : key.m_nLength == strKey.size() &&
                      std::memcmp(m_pDocument->m_text.data() + key.m_nStart, strKey.data(), strKey.size()) == 0)
            found = CJsonValue(m_pDocument, nValue);
        nKey = aNodes[nValue].m_nEnd;
    }
    return found;
}

std::string CJsonValue::Utf8() const
{
    if (!IsString())
        return {};
    const std::string_view span = Span();
    if ((m_pDocument->m_pNodes[m_nIndex].m_nFlags & CJsonDocument::kEscaped) == 0)
        return std::string(span);
    std::string out;
    out.reserve(span.size());
    ForEachCodePoint(span, [&out](char32_t cp) { AppendUtf8(out, cp); });
    return out;
}

std::u16string CJsonValue::Text() const
{
    if (!IsString())
        return {};
    const std::string_view span = Span();
    if ((m_pDocument->m_pNodes[m_nIndex].m_nFlags & CJsonDocument::kEscaped) == 0)
        return WidenUtf8(span);
    std::u16string out;
    out.reserve(span.size());
    ForEachCodePoint(span, [&out](char32_t cp) { AppendCodePoint(out, cp); });
    return out;
}

bool CJsonValue::Equals(std::string_view strUtf8) const
{
    if (!IsString())
        return false;
    if ((m_pDocument->m_pNodes[m_nIndex].m_nFlags & CJsonDocument::kEscaped) == 0)
        return Span() == strUtf8;
    return Utf8() == strUtf8;
}

bool CJsonValue::SameText(const CJsonValue& other) const
{
    const auto escaped = [](const CJsonValue& value) {
        return (value.m_pDocument->m_pNodes[value.m_nIndex].m_nFlags & CJsonDocument::kEscaped) != 0;
    };
    if (!escaped(*this))
        return other.Equals(Span());
    return other.Equals(Utf8());
}

long long CJsonValue::Integer() const
{
    if (!IsInteger())
        return 0;
    const std::string_view span = Span();
    std::uint64_t nValue = 0;
    for (const char ch : span) {
        if (IsDigit(ch))
            nValue = nValue * 10 + static_cast<std::uint64_t>(ch - '0');
    }
    // Past the signed range, the 64 bits as they are.
    if ((m_pDocument->m_pNodes[m_nIndex].m_nFlags & CJsonDocument::kNegative) != 0)
        nValue = 0 - nValue;
    return static_cast<long long>(nValue);
}

double CJsonValue::Double() const
{
    return IsNumber() ? NumberValue(Span()) : 0;
}
