// SPDX-License-Identifier: MIT
// The platform string: slicing, searching and conversions, and the
// characters the entry of rebus answers takes.

#include "platform/String.h"

#include <gtest/gtest.h>

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

// What the rebus entry takes: every character drawn as itself, none that
// is blank, a control, a format character or a mark that joins the one before.
TEST(StringTest, GraphicCharactersAreLettersDigitsPunctuationAndSymbols)
{
    for (const WCHAR ch : {u'A', u'z', u'\u00E9', u'\u0416', u'4', u'\u0660', u'+', u'&', u'/', u'\u20AC', u'\u2665'})
        EXPECT_TRUE(IsCharGraphW(ch)) << static_cast<int>(ch);
    for (const WCHAR ch : {u' ', u'\t', u'\r', u'\x1b', u'\x7f', u'\u00A0', u'\u0301', u'\u200B', u'\u3000'})
        EXPECT_FALSE(IsCharGraphW(ch)) << static_cast<int>(ch);
}
