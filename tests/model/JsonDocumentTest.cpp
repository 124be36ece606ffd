// SPDX-License-Identifier: MIT
// The JSON reader of the .ipuz files: what it reads, and every malformed
// shape refused with where it stands.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "model/JsonDocument.h"
#include "tests/support/TempDir.h"

using trellis::test::ToUtf8;

namespace {

// The reason for text that must be refused; empty when it was read.
std::string Refusal(const std::string& text, bool* pbTooDeep = nullptr)
{
    CJsonDocument document;
    std::u16string why;
    bool bTooDeep = false;
    const bool bRead = document.Parse(text, why, bTooDeep);
    if (pbTooDeep != nullptr)
        *pbTooDeep = bTooDeep;
    if (bRead) {
        EXPECT_TRUE(why.empty());
        return {};
    }
    EXPECT_FALSE(document.Root());
    return ToUtf8(why);
}

}  // namespace

TEST(JsonDocument, ReadsEveryKindOfValue)
{
    const std::string text = R"( {"s": "a\"b\\c\/d\b\f\n\r\t\u00e9\ud83d\ude00", "n": [0, -0, 12, -7, 1.5, 2e3, -1E-2],
        "l": [true, false, null], "e": [], "o": {}, "deep": [[["x"]]], "u": "caf)"
                             "\xC3\xA9"
                             R"("} )";
    CJsonDocument document;
    std::u16string why;
    bool bTooDeep = true;
    ASSERT_TRUE(document.Parse(text, why, bTooDeep)) << ToUtf8(why);
    EXPECT_FALSE(bTooDeep);
    const CJsonValue root = document.Root();
    ASSERT_TRUE(root.IsObject());
    EXPECT_EQ(root.Size(), 7u);
    EXPECT_EQ(root.Member("s").Text(), u"a\"b\\c/d\b\f\n\r\t\u00E9\U0001F600");
    EXPECT_EQ(root.Member("s").Utf8(), "a\"b\\c/d\b\f\n\r\t\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(root.Member("u").Text(), u"caf\u00E9");
    EXPECT_TRUE(root.Member("u").Equals("caf\xC3\xA9"));
    EXPECT_EQ(root.Member("u").Source(), "caf\xC3\xA9");

    const CJsonValue numbers = root.Member("n");
    ASSERT_EQ(numbers.Size(), 7u);
    const long long integers[] = {0, 0, 12, -7};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(numbers[i].IsInteger()) << i;
        EXPECT_EQ(numbers[i].Integer(), integers[i]) << i;
    }
    const double reals[] = {1.5, 2000, -0.01};
    for (std::size_t i = 4; i < 7; ++i) {
        EXPECT_TRUE(numbers[i].IsNumber() && !numbers[i].IsInteger()) << i;
        EXPECT_DOUBLE_EQ(numbers[i].Double(), reals[i - 4]) << i;
    }
    EXPECT_EQ(numbers[2].Source(), "12");

    const CJsonValue literals = root.Member("l");
    EXPECT_TRUE(literals[0].IsTrue() && literals[0].IsBool());
    EXPECT_TRUE(literals[1].IsBool() && !literals[1].IsTrue());
    EXPECT_TRUE(literals[2].IsNull());
    EXPECT_TRUE(root.Member("e").IsArray() && root.Member("e").Size() == 0);
    EXPECT_TRUE(root.Member("o").IsObject() && root.Member("o").Size() == 0);
    EXPECT_EQ(root.Member("deep")[0][0][0].Text(), u"x");

    // Asking for what is not there gives none, never a fault.
    EXPECT_FALSE(root.Member("absent"));
    EXPECT_FALSE(numbers[7]);
    EXPECT_FALSE(root.Member("s")[0]);
    EXPECT_FALSE(root.Member("s").Member("x"));
    EXPECT_EQ(numbers.Text(), u"");
    EXPECT_EQ(root.Member("s").Size(), 0u);
}

TEST(JsonDocument, RepeatedKeysKeepTheirFirstPlaceAndLastValue)
{
    CJsonDocument document;
    std::u16string why;
    bool bTooDeep = false;
    ASSERT_TRUE(document.Parse(R"({"b": 1, "a": 2, "\u0062": 3, "c": 4, "a": 5})", why, bTooDeep));
    const CJsonValue root = document.Root();
    EXPECT_EQ(root.Size(), 5u);
    EXPECT_EQ(root.Member("b").Integer(), 3);
    EXPECT_EQ(root.Member("a").Integer(), 5);
    std::vector<std::pair<std::string, long long>> members;
    root.ForEachMember([&members](const CJsonValue& key, const CJsonValue& value) {
        members.emplace_back(key.Utf8(), value.Integer());
    });
    const std::vector<std::pair<std::string, long long>> expected = {{"b", 3}, {"a", 5}, {"c", 4}};
    EXPECT_EQ(members, expected);
    std::vector<long long> elements;
    ASSERT_TRUE(document.Parse("[3, 1, 2]", why, bTooDeep));
    document.Root().ForEachElement([&elements](const CJsonValue& value) { elements.push_back(value.Integer()); });
    EXPECT_EQ(elements, (std::vector<long long> {3, 1, 2}));
}

TEST(JsonDocument, NumbersAtTheEdgesOf64BitsAndOfDoubles)
{
    CJsonDocument document;
    std::u16string why;
    bool bTooDeep = false;
    ASSERT_TRUE(document.Parse("[18446744073709551615, 18446744073709551616, -9223372036854775808, "
                               "-9223372036854775809, 9223372036854775808, 1e-400, 1.7e308]",
                               why, bTooDeep))
        << ToUtf8(why);
    const CJsonValue numbers = document.Root();
    // The largest unsigned integer is one, its 64 bits taken as they are.
    EXPECT_TRUE(numbers[0].IsInteger());
    EXPECT_EQ(numbers[0].Integer(), -1);
    EXPECT_FALSE(numbers[1].IsInteger());
    EXPECT_DOUBLE_EQ(numbers[1].Double(), 18446744073709551616.0);
    EXPECT_TRUE(numbers[2].IsInteger());
    EXPECT_EQ(numbers[2].Integer(), -9223372036854775807LL - 1);
    EXPECT_FALSE(numbers[3].IsInteger());
    EXPECT_TRUE(numbers[4].IsInteger());
    EXPECT_EQ(numbers[4].Integer(), -9223372036854775807LL - 1);
    // Too small for a double is 0; the largest doubles are read.
    EXPECT_EQ(numbers[5].Double(), 0.0);
    EXPECT_DOUBLE_EQ(numbers[6].Double(), 1.7e308);
}

TEST(JsonDocument, EveryMalformedShapeIsRefusedWithWhereItStands)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", "the text ends where a value was expected at line 1, column 1"},
        {"   \n  ", "the text ends where a value was expected at line 2, column 3"},
        {"[1, 2", "the text ends inside an array"},
        {"{\"a\": 1", "the text ends inside an object"},
        {"[1 2]", "a comma or ] was expected at line 1, column 4"},
        {"{\"a\": 1 \"b\": 2}", "a comma or } was expected"},
        {"[1,]", "a value was expected at line 1, column 4"},
        {"{\"a\": 1,}", "a key in quotes was expected"},
        {"{1: 2}", "a key in quotes was expected"},
        {"{\"a\" 1}", "a colon was expected after the key"},
        {"{\"a\":}", "a value was expected"},
        {"[1]]", "more text after the value at line 1, column 4"},
        {"{} {}", "more text after the value"},
        {"tru", "a value was expected"},
        {"nul", "a value was expected"},
        {"True", "a value was expected"},
        {"'a'", "a value was expected"},
        {"+1", "a value was expected"},
        {".5", "a value was expected"},
        {"-", "a number without digits"},
        {"-a", "a number without digits"},
        {"01", "more text after the value"},
        {"1.", "a number without digits after its point"},
        {"1.e5", "a number without digits after its point"},
        {"1e", "a number without digits in its exponent"},
        {"1e+", "a number without digits in its exponent"},
        {"1e400", "a number too large"},
        {"-1.8e308", "a number too large"},
        {"\"abc", "a string is not closed"},
        {"\"abc\\", "an unknown escape in a string"},
        {"\"\\x\"", "an unknown escape in a string"},
        {"\"\\u12\"", "an escape \\u without four hex digits"},
        {"\"\\u12g4\"", "an escape \\u without four hex digits"},
        {"\"\\udc00\"", "the second half of a surrogate pair without the first"},
        {"\"\\ud800\"", "the first half of a surrogate pair without the second"},
        {"\"\\ud800\\u0041\"", "the first half of a surrogate pair without the second"},
        {"\"a\tb\"", "a control character in a string at line 1, column 3"},
        {std::string("\"a\0b\"", 5), "a control character in a string"},
        {"\"\xFF\"", "a string that is not UTF-8"},
        {"\"\xC0\x80\"", "a string that is not UTF-8"},
        {"\"\xED\xA0\x80\"", "a string that is not UTF-8"},
        {"\"\xE2\x82\"", "a string that is not UTF-8"},
        {"\"\xF4\x90\x80\x80\"", "a string that is not UTF-8"},
        {"\xEF\xBB\xBF{}", "a value was expected"},
        {"[1,\n 2,\n x]", "a value was expected at line 3, column 2"},
    };
    for (const auto& [text, why] : cases) {
        const std::string refusal = Refusal(text);
        EXPECT_NE(refusal.find(why), std::string::npos) << text << " -> " << refusal;
    }
}

TEST(JsonDocument, NestingIsBoundedAndAZeroByteEndsTheText)
{
    const auto nested = [](int nDepth) { return std::string(nDepth, '[') + std::string(nDepth, ']'); };
    bool bTooDeep = false;
    EXPECT_EQ(Refusal(nested(kMaxJsonDepth), &bTooDeep), "");
    EXPECT_FALSE(bTooDeep);
    EXPECT_NE(Refusal(nested(kMaxJsonDepth + 1), &bTooDeep).find("nested too deeply"), std::string::npos);
    EXPECT_TRUE(bTooDeep);
    // Far deeper than any stack of the program would bear, refused at the limit.
    EXPECT_NE(Refusal(std::string(1000000, '{'), &bTooDeep).find("a key in quotes was expected"), std::string::npos);
    EXPECT_NE(Refusal(std::string(1000000, '['), &bTooDeep).find("nested too deeply"), std::string::npos);
    EXPECT_TRUE(bTooDeep);

    // A zero byte between values ends the text; inside a string it is a fault.
    EXPECT_EQ(Refusal(std::string("{\"a\": [1, 2]}\0 trailing junk {", 29)), "");
    EXPECT_NE(Refusal(std::string("[1\0, 2]", 7)).find("the text ends inside an array"), std::string::npos);
    EXPECT_NE(Refusal(std::string("\0{}", 3)).find("the text ends where a value was expected"), std::string::npos);
}
