// SPDX-License-Identifier: MIT
// Texts of the files as 16-bit strings: ASCII as it is, UTF-8 where it is
// valid, and every other byte by the Windows-1252 rule of the puzzle texts.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "model/Text.h"

namespace {

std::u16string Decode(const std::string& bytes, bool bUtf8)
{
    return DecodePuzzleText(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size(), bUtf8);
}

}  // namespace

TEST(Text, DecodesAsciiUtf8AndTheOtherBytesOneByOne)
{
    const std::pair<std::string, std::u16string> cases[] = {
        {"", u""},
        {"Plain ASCII, 40 characters long or more.", u"Plain ASCII, 40 characters long or more."},
        // Two, three and four bytes; the last two units of a surrogate pair.
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80!", u"caf\u00E9 \u20AC \U0001F600!"},
        // Bytes that start no valid sequence stand for themselves: a lone
        // continuation byte, an overlong form, a surrogate, a cut sequence.
        {"a\x85"
         "b",
         u"a\u2026b"},
        {"\xC0\x80", u"\u00C0\u20AC"},
        {"\xED\xA0\x80", u"\u00ED\u00A0\u20AC"},
        {"x\xE2\x82", u"x\u00E2\u201A"},
        // Typographic quotes and the en dash become plain ones.
        {"\x93q\x94 \x91s\x92 \x96", u"\"q\" 's' -"},
        // A valid sequence after an invalid byte is still read whole.
        {"\xFF\xC3\xA9", u"\u00FF\u00E9"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(Decode(bytes, true), text) << bytes;
    EXPECT_EQ(WidenUtf8("caf\xC3\xA9"), u"caf\u00E9");
}

TEST(Text, OlderTextsAreUtf8OnlyWhenAllOfThemIs)
{
    // Valid UTF-8 with a character beyond ASCII is read as UTF-8.
    EXPECT_EQ(Decode("caf\xC3\xA9 \xE2\x80\x94", false), u"caf\u00E9 \u2014");
    // One byte that is no UTF-8 makes every byte a character of its own.
    EXPECT_EQ(Decode("caf\xC3\xA9 \x97", false), u"caf\u00C3\u00A9 \u2014");
    EXPECT_EQ(Decode("\xE9t\xE9", false), u"\u00E9t\u00E9");
}

TEST(Text, CharacterLengthsFollowTheDecoding)
{
    const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xFF\xE2\x82";
    // a, é, €, 😀, a lone 0xFF, then a cut sequence: its bytes one by one.
    const std::size_t expected[] = {1, 2, 3, 4, 1, 1, 1};
    std::size_t i = 0;
    for (const std::size_t n : expected) {
        EXPECT_EQ(Utf8CharLength(text, i), n) << "at " << i;
        i += n;
    }
    EXPECT_EQ(i, text.size());
    EXPECT_EQ(Utf8CharLength(text, text.size()), 0u);
    EXPECT_EQ(Utf8CharLength("", 0), 0u);
}
