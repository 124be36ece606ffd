// SPDX-License-Identifier: MIT
// Where a label stands: numbers by value, every other label by its text,
// the first square that shows a label keeping it.

#include <gtest/gtest.h>

#include "model/LabelIndex.h"

TEST(LabelIndex, NumbersAndTextsFindTheFirstSquareThatShowsThem)
{
    // A grid of 9 squares: numbers up to 9 are kept by value, larger ones as text.
    CLabelIndex index(9);
    index.Add(u"1", 0);
    index.Add(u"2", 1);
    index.Add(u"1", 5);  // a second square with the same label
    index.Add(u"01", 2);  // not the same label as "1"
    index.Add(u"A", 3);
    index.Add(u"A", 4);
    index.Add(u"2-3", 6);
    index.Add(u"100", 7);  // beyond the numbers kept by value
    index.AddNumber(4, 8);
    index.AddNumber(12345, 4);

    EXPECT_EQ(index.Find(u"1"), 0);
    EXPECT_EQ(index.FindNumber(1), 0);
    EXPECT_EQ(index.Find(u"2"), 1);
    EXPECT_EQ(index.Find(u"01"), 2);
    EXPECT_EQ(index.Find(u"A"), 3);
    EXPECT_EQ(index.Find(u"2-3"), 6);
    EXPECT_EQ(index.Find(u"100"), 7);
    EXPECT_EQ(index.FindNumber(100), 7);
    EXPECT_EQ(index.Find(u"4"), 8);
    EXPECT_EQ(index.Find(u"12345"), 4);
    EXPECT_EQ(index.FindNumber(12345), 4);

    // What no square shows.
    EXPECT_EQ(index.Find(u""), -1);
    EXPECT_EQ(index.Find(u"3"), -1);
    EXPECT_EQ(index.FindNumber(0), -1);
    EXPECT_EQ(index.FindNumber(3), -1);
    EXPECT_EQ(index.FindNumber(-1), -1);
    EXPECT_EQ(index.Find(u"001"), -1);
    EXPECT_EQ(index.Find(u"a"), -1);
    EXPECT_EQ(index.FindNumber(101), -1);
}

TEST(LabelIndex, ZeroIsANumberAndLongDigitRunsAreTexts)
{
    CLabelIndex index(0);
    index.Add(u"0", 3);
    index.Add(u"1234567890", 5);  // ten digits: no number, a text
    EXPECT_EQ(index.FindNumber(0), 3);
    EXPECT_EQ(index.Find(u"0"), 3);
    EXPECT_EQ(index.Find(u"1234567890"), 5);
    EXPECT_EQ(index.Find(u"00"), -1);
}
