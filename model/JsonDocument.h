// SPDX-License-Identifier: MIT
#pragma once

// JSON text read into one flat list of its values, in the order they stand
// in the text: each value is a view of the text, and nothing is decoded
// or copied until a reader asks for it. The text must be JSON as the
// standard has it (strings of valid UTF-8 without control characters,
// numbers without leading zeros, one value and nothing after it but
// blanks); anything else is refused with where and why. Nesting deeper than
// kMaxJsonDepth is refused too, and the parser keeps its own stack, so no
// text can exhaust the program's. A zero byte between values ends the text.
//
// Objects may repeat a key: the last value counts, at the place of the
// first (CJsonValue::Member, CJsonValue::ForEachMember).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// Arrays and objects inside each other, at most.
constexpr int kMaxJsonDepth = 64;

enum class EJsonType : std::uint8_t { Null, False, True, Number, String, Array, Object };

class CJsonDocument;

// One value of a document, which must outlive it; a default value is none
// (false as a condition).
class CJsonValue {
public:
    CJsonValue() = default;

    explicit operator bool() const { return m_pDocument != nullptr; }
    EJsonType Type() const;
    bool IsNull() const { return *this && Type() == EJsonType::Null; }
    bool IsBool() const { return *this && (Type() == EJsonType::True || Type() == EJsonType::False); }
    bool IsTrue() const { return *this && Type() == EJsonType::True; }
    bool IsNumber() const { return *this && Type() == EJsonType::Number; }
    // A number without a fraction or an exponent that fits 64 bits, signed
    // when negative, unsigned otherwise.
    bool IsInteger() const;
    bool IsString() const { return *this && Type() == EJsonType::String; }
    bool IsArray() const { return *this && Type() == EJsonType::Array; }
    bool IsObject() const { return *this && Type() == EJsonType::Object; }

    // The elements of an array, or the members of an object (each key
    // counted where it stands); 0 for anything else.
    std::size_t Size() const;
    // The element at nIndex of an array, or none.
    CJsonValue operator[](std::size_t nIndex) const;
    // Calls onElement(value) for each element of an array, in order.
    template <class OnElementFn> void ForEachElement(OnElementFn onElement) const;
    // The value of the key in an object (its last, when the key repeats), or none.
    CJsonValue Member(std::string_view strKey) const;
    // Calls onMember(key, value) for each key of an object once, in the
    // order the keys first stand, with the value that Member gives.
    template <class OnMemberFn> void ForEachMember(OnMemberFn onMember) const;

    // A string's text, escapes resolved: as UTF-8, or as 16-bit characters.
    // Empty for anything that is not a string.
    std::string Utf8() const;
    std::u16string Text() const;
    // A string that is exactly the UTF-8 text.
    bool Equals(std::string_view strUtf8) const;
    // The value as it stands in the text: a string between its quotes,
    // escapes and all, a number's characters; empty for anything else.
    std::string_view Source() const;

    // An integer (IsInteger), a negative one beyond the signed range taken
    // as its 64 bits are.
    long long Integer() const;
    // Any number as the nearest double: infinite beyond the range, 0 below it.
    double Double() const;

private:
    friend class CJsonDocument;
    CJsonValue(const CJsonDocument* pDocument, std::uint32_t nIndex) : m_pDocument(pDocument), m_nIndex(nIndex) { }
    // The first element, or the value after this one's end in its container.
    CJsonValue Child() const;
    CJsonValue Next() const;
    std::string_view Span() const;
    // Two strings with the same text, escapes resolved.
    bool SameText(const CJsonValue& other) const;

    const CJsonDocument* m_pDocument = nullptr;
    std::uint32_t m_nIndex = 0;
};

class CJsonDocument {
public:
    // Reads the text, which must stay as it is while the document lives.
    // False, with what is wrong and where, for text that is not JSON or
    // nests too deeply (bTooDeep).
    bool Parse(std::string_view text, std::u16string& strWhy, bool& bTooDeep);

    // The value the text holds.
    CJsonValue Root() const { return m_nNodes == 0 ? CJsonValue() : CJsonValue(this, 0); }

private:
    friend class CJsonValue;

    // One value: for a string its text between the quotes, for a number
    // its digits, for an array or object the number of values in it (a
    // member's key and value count apart) and where the values after it start.
    struct CNode {
        std::uint32_t m_nStart;
        std::uint32_t m_nLength;  // bytes of a string or number; values in an array or object
        std::uint32_t m_nEnd;  // the index after the value and everything in it
        EJsonType m_nType;
        std::uint8_t m_nFlags;
    };
    // Where and why the text is no JSON; m_pszWhy is nullptr when it is.
    struct CFault {
        const char* m_pAt;
        const char* m_pszWhy;
        bool m_bTooDeep;
    };
    CFault ReadNodes(std::string_view text);

    enum : std::uint8_t {
        kEscaped = 1,  // a string with a backslash in it
        kInteger = 2,  // a number without a fraction or exponent, in 64 bits
        kNegative = 4,  // a number with a minus sign
    };

    std::string_view m_text;
    // The values, in an array that is written whole before it is read, so
    // it is not cleared when made.
    std::unique_ptr<CNode[]> m_pNodes;
    std::size_t m_nNodes = 0;
};

inline EJsonType CJsonValue::Type() const
{
    return m_pDocument->m_pNodes[m_nIndex].m_nType;
}

inline CJsonValue CJsonValue::Child() const
{
    return CJsonValue(m_pDocument, m_nIndex + 1);
}

inline CJsonValue CJsonValue::Next() const
{
    return CJsonValue(m_pDocument, m_pDocument->m_pNodes[m_nIndex].m_nEnd);
}

template <class OnElementFn> void CJsonValue::ForEachElement(OnElementFn onElement) const
{
    if (!IsArray())
        return;
    CJsonValue element = Child();
    for (std::size_t n = Size(); n > 0; --n, element = element.Next())
        onElement(element);
}

template <class OnMemberFn> void CJsonValue::ForEachMember(OnMemberFn onMember) const
{
    if (!IsObject())
        return;
    CJsonValue key = Child();
    for (std::size_t n = Size(); n > 0; --n) {
        const CJsonValue value = key.Next();
        // A key that stood before is passed over: its last value went with it.
        bool bSeen = false;
        for (CJsonValue earlier = Child(); earlier.m_nIndex != key.m_nIndex && !bSeen; earlier = earlier.Next().Next())
            bSeen = earlier.SameText(key);
        if (!bSeen)
            onMember(key, Member(key.Utf8()));
        key = value.Next();
    }
}
