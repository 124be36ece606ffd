// SPDX-License-Identifier: MIT
#pragma once

// The program's one message formatter. Each argument carries its own type,
// so a format and its arguments that disagree give a visible mistake in the
// text, never a read of what was not passed. Header only: every layer uses it.

#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

// One argument of FormatText: a text, a whole number or a character.
class FormatArg {
public:
    enum class Kind { Text, Number, Char };

    FormatArg(std::u16string_view text) : m_kind(Kind::Text), m_text(text) { }
    FormatArg(const std::u16string& text) : m_kind(Kind::Text), m_text(text) { }
    // A null pointer is the empty text.
    FormatArg(const char16_t* psz) : m_kind(Kind::Text), m_text(psz ? psz : u"") { }
    FormatArg(char16_t ch) : m_kind(Kind::Char), m_char(ch) { }
    template <class T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool> &&
                                            !std::is_same_v<T, char16_t> && !std::is_same_v<T, char>,
                                        int> = 0>
    FormatArg(T n) : m_kind(Kind::Number), m_magnitude(static_cast<unsigned long long>(n))
    {
        if constexpr (std::is_signed_v<T>) {
            if (n < 0) {
                m_negative = true;
                m_magnitude = 0 - m_magnitude;  // exact for the most negative value too
            }
        }
    }

    Kind GetKind() const { return m_kind; }
    std::u16string_view Text() const { return m_text; }
    char16_t Char() const { return m_char; }
    bool IsNegative() const { return m_negative; }
    unsigned long long Magnitude() const { return m_magnitude; }

private:
    Kind m_kind;
    std::u16string_view m_text;
    char16_t m_char = 0;
    bool m_negative = false;
    unsigned long long m_magnitude = 0;
};

// fmt with each conversion replaced by the next argument: %s a text, %d and
// %u a whole number in decimal, %x and %X one in hexadecimal, %c a character;
// %% is a percent sign. A conversion whose argument is missing or of another
// kind stays as written (its argument is used up all the same), and so does
// a percent sign before any other character.
inline std::u16string FormatTextList(std::u16string_view fmt, std::initializer_list<FormatArg> args)
{
    std::u16string out;
    out.reserve(fmt.size());
    const FormatArg* pArg = args.begin();
    auto number = [&out](const FormatArg& arg, unsigned base, const char16_t* digits) {
        if (arg.IsNegative())
            out.push_back(u'-');
        char16_t buffer[64];
        char16_t* p = buffer + 64;
        unsigned long long n = arg.Magnitude();
        do {
            *--p = digits[n % base];
            n /= base;
        } while (n != 0);
        out.append(p, static_cast<std::size_t>(buffer + 64 - p));
    };
    for (std::size_t i = 0; i < fmt.size(); ++i) {
        const char16_t conv = fmt[i] == u'%' && i + 1 < fmt.size() ? fmt[i + 1] : 0;
        if (conv == u'%') {
            out.push_back(u'%');
            ++i;
            continue;
        }
        if (conv != u's' && conv != u'd' && conv != u'u' && conv != u'x' && conv != u'X' && conv != u'c') {
            out.push_back(fmt[i]);
            continue;
        }
        ++i;
        const FormatArg* pThis = pArg != args.end() ? pArg++ : nullptr;
        const FormatArg::Kind wanted = conv == u's'   ? FormatArg::Kind::Text
                                       : conv == u'c' ? FormatArg::Kind::Char
                                                      : FormatArg::Kind::Number;
        if (!pThis || pThis->GetKind() != wanted) {
            out.push_back(u'%');
            out.push_back(conv);
        } else if (conv == u's') {
            out.append(pThis->Text());
        } else if (conv == u'c') {
            out.push_back(pThis->Char());
        } else if (conv == u'x') {
            number(*pThis, 16, u"0123456789abcdef");
        } else if (conv == u'X') {
            number(*pThis, 16, u"0123456789ABCDEF");
        } else {
            number(*pThis, 10, u"0123456789");
        }
    }
    return out;
}

template <class... Args> std::u16string FormatText(std::u16string_view fmt, const Args&... args)
{
    return FormatTextList(fmt, {FormatArg(args)...});
}
