// SPDX-License-Identifier: MIT
// The message formatter: the program's own messages, numbers at their
// limits, and formats that disagree with their arguments.

#include "model/Format.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

namespace {

TEST(FormatText, FillsTheProgramsMessages)
{
    EXPECT_EQ(FormatText(u"%d%c: %s", 12, u'D', u"Tree & bark"), u"12D: Tree & bark");
    EXPECT_EQ(FormatText(u"Please enter an integer between %d and %d.", 2, 64),
              u"Please enter an integer between 2 and 64.");
    const std::u16string strPath = u"/tmp/\u00e9t\u00e9.puz";
    EXPECT_EQ(FormatText(u"%s: invalid puzzle file", strPath), u"/tmp/\u00e9t\u00e9.puz: invalid puzzle file");
    EXPECT_EQ(FormatText(u"cannot open file '%s' for reading", std::u16string_view(u"a.puz")),
              u"cannot open file 'a.puz' for reading");
    EXPECT_EQ(FormatText(u"Afx:%x:%x:%x", 0x23u, 1u, 0xC0C0C0u), u"Afx:23:1:c0c0c0");
    EXPECT_EQ(FormatText(u"#%u", 128u), u"#128");
    EXPECT_EQ(FormatText(u"%s and %s", u"across", u"down"), u"across and down");
    EXPECT_EQ(FormatText(u"100%% done"), u"100% done");
}

TEST(FormatText, WritesWholeNumbersOfEveryWidthExactly)
{
    EXPECT_EQ(FormatText(u"%d", 0), u"0");
    EXPECT_EQ(FormatText(u"%d", -42), u"-42");
    EXPECT_EQ(FormatText(u"%d", INT_MIN), u"-2147483648");
    EXPECT_EQ(FormatText(u"%d", LLONG_MIN), u"-9223372036854775808");
    EXPECT_EQ(FormatText(u"%u", UINT_MAX), u"4294967295");
    EXPECT_EQ(FormatText(u"%u", ULLONG_MAX), u"18446744073709551615");
    EXPECT_EQ(FormatText(u"%x|%X", 255, 255), u"ff|FF");
    EXPECT_EQ(FormatText(u"%d", std::uint8_t {200}), u"200");
    EXPECT_EQ(FormatText(u"%d", std::int16_t {-7}), u"-7");
}

TEST(FormatText, ShowsAMistakenFormatInsteadOfReadingWhatWasNotPassed)
{
    // No argument left, or one of another kind: the conversion stays as
    // written, and a mismatched argument is used up all the same.
    EXPECT_EQ(FormatText(u"%s and %d", u"x"), u"x and %d");
    EXPECT_EQ(FormatText(u"%d", u"text"), u"%d");
    EXPECT_EQ(FormatText(u"%s", 5), u"%s");
    EXPECT_EQ(FormatText(u"%c", 65), u"%c");
    EXPECT_EQ(FormatText(u"%d %s", u"a", u"b"), u"%d b");
    // A conversion the formatter does not know takes no argument.
    EXPECT_EQ(FormatText(u"%q%s", u"x"), u"%qx");
    EXPECT_EQ(FormatText(u"50%"), u"50%");
    EXPECT_EQ(FormatText(u"plain", 1, u"two"), u"plain");
    EXPECT_EQ(FormatText(u"[%s]", static_cast<const char16_t*>(nullptr)), u"[]");
    EXPECT_EQ(FormatText(u""), u"");
}

}  // namespace
