// SPDX-License-Identifier: MIT
// The platform string: slicing, searching and conversions.

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
