// SPDX-License-Identifier: MIT
// The platform string: formatting as the windows use it, and slicing.

#include "platform/String.h"

#include <gtest/gtest.h>

TEST(StringTest, FormatsNumbersCharactersAndStrings)
{
    CString s;
    s.Format(u"%d%c: %s", 12, u'D', u"Tree & bark");
    EXPECT_EQ(s, u"12D: Tree & bark");
    s.Format(u"%s: invalid puzzle file", u"/tmp/\u00e9t\u00e9.puz");
    EXPECT_EQ(s, u"/tmp/\u00e9t\u00e9.puz: invalid puzzle file");
    s.Format(u"Please enter an integer between %d and %d.", 2, 64);
    EXPECT_EQ(s, u"Please enter an integer between 2 and 64.");
    s.Format(u"[%3d|%-3d|%03d|%*d|%x|%X|%u|%ld]", 5, 5, 5, 4, 7, 255, 255, 3u, 123456789L);
    EXPECT_EQ(s, u"[  5|5  |005|   7|ff|FF|3|123456789]");
    s.Format(u"%5s|%-4s|%.2s|%%|%c", u"ab", u"ab", u"abcdef", 0x263A);
    EXPECT_EQ(s, u"   ab|ab  |ab|%|\u263A");
    s.Format(u"%d", -42);
    EXPECT_EQ(s, u"-42");
    // A null string and an unknown conversion show rather than crash.
    s.Format(u"%s %q", static_cast<LPCTSTR>(nullptr));
    EXPECT_EQ(s, u"(null) %q");
    s.Format(u"50%");
    EXPECT_EQ(s, u"50");
}

TEST(StringTest, SlicesSearchesAndConverts)
{
    const CString s(u"Cross\nword");
    EXPECT_EQ(s.GetLength(), 10);
    EXPECT_EQ(s.Left(5), u"Cross");
    EXPECT_EQ(s.Left(-1), u"");
    EXPECT_EQ(s.Right(4), u"word");
    EXPECT_EQ(s.Right(40), s);
    EXPECT_EQ(s.Find(u'\n'), 5);
    EXPECT_EQ(s.Find(u'z'), -1);
    EXPECT_EQ(CString::FromUtf8("caf\xc3\xa9"), u"caf\u00e9");
    EXPECT_EQ(CString(static_cast<LPCTSTR>(nullptr)), u"");
    EXPECT_TRUE(CString().IsEmpty());
    EXPECT_EQ(CString(u"ab") + u"c" + CString(u"d"), u"abcd");
}
