// SPDX-License-Identifier: MIT
// The .ipuz, .jpz and .xd readers on small files written here: what each
// form of the formats becomes, and a clear refusal for what is broken.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/PuzzleSourceReader.h"
#include "model/SourceText.h"
#include "model/Text.h"
#include "tests/support/SmallPuzzles.h"
#include "tests/support/TempDir.h"

using trellis::test::TempDir;
using trellis::test::ToUtf8;

namespace {

const std::u16string kName = u"/p/file";

std::vector<CPoint> Cells(std::initializer_list<CPoint> cells)
{
    return cells;
}

// A zip archive of stored entries; nDeclared, when given, is the size every
// entry claims instead of its own.
std::string Zip(const std::vector<std::pair<std::string, std::string>>& entries, std::uint32_t nDeclared = 0)
{
    return trellis::test::StoredZip(entries, nDeclared);
}

CPuzzleSource Read(const std::string& bytes)
{
    CPuzzleSource source;
    std::u16string error;
    EXPECT_TRUE(ReadPuzzleSource(bytes, kName, source, error)) << ToUtf8(error);
    return source;
}

// The message for bytes that must be refused.
std::string Refusal(const std::string& bytes)
{
    CPuzzleSource source;
    std::u16string error;
    EXPECT_FALSE(ReadPuzzleSource(bytes, kName, source, error));
    EXPECT_EQ(source, CPuzzleSource());
    return ToUtf8(error);
}

const CSourceClue& Clue(const CPuzzleSource& source, std::size_t nList, std::size_t nClue)
{
    static const CSourceClue none;
    if (nList >= source.m_aLists.size() || nClue >= source.m_aLists[nList].m_aClues.size()) {
        ADD_FAILURE() << "no clue " << nClue << " in list " << nList;
        return none;
    }
    return source.m_aLists[nList].m_aClues[nClue];
}

const char kJpzHead[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<crossword-compiler xmlns="http://crossword.info/xml/crossword-compiler">
<rectangular-puzzle xmlns="http://crossword.info/xml/rectangular-puzzle">)";

// A 3 x 2 crossword: "CAT" over "O#X", with one across and two down words.
std::string SmallJpz(const std::string& strCellExtra = "", const std::string& strClueText = "Pet")
{
    return std::string(kJpzHead) + R"(
<metadata><title>T</title><creator>C</creator></metadata>
<crossword><grid width="3" height="2">
<cell x="1" y="1" solution="C" number="1")" +
           strCellExtra + R"(/><cell x="2" y="1" solution="A"/>
<cell x="3" y="1" solution="T" number="2"/>
<cell x="1" y="2" solution="O"/><cell x="2" y="2" type="block"/><cell x="3" y="2" solution="X"/>
</grid>
<word id="a1" x="1-3" y="1"/><word id="d1"><cells x="1" y="1"/><cells x="1" y="2"/></word>
<word id="d2" x="3" y="1-2"/>
<clues><title><b>Across</b></title><clue word="a1" number="1">)" +
           strClueText + R"(</clue></clues>
<clues><title>Down</title><clue word="d1" number="1">Bovine</clue><clue word="d2" number="2">Ten</clue>
<clue word="none" number="9">Lost word</clue></clues>
</crossword></rectangular-puzzle></crossword-compiler>)";
}

}  // namespace

TEST(SourceSniff, TellsEachFormatByItsBytes)
{
    std::string puz(60, '\0');
    puz.replace(2, 12, std::string("ACROSS&DOWN\0", 12));
    const std::pair<std::string, EPuzzleFormat> cases[] = {
        {puz, EPuzzleFormat::Puz},
        {"PREFIX" + puz, EPuzzleFormat::Puz},  // bytes of a publisher before the header
        {"  {\"version\": 1}", EPuzzleFormat::Ipuz},
        {"\xEF\xBB\xBFipuz({})", EPuzzleFormat::Ipuz},
        {"<?xml version=\"1.0\"?><x/>", EPuzzleFormat::Jpz},
        {Zip({{"a.jpz", "<x/>"}}), EPuzzleFormat::Jpz},
        {"Title: T\n\n\nAB\n", EPuzzleFormat::Xd},
        {std::string("AB\0CD", 5), EPuzzleFormat::Unknown},
        {"", EPuzzleFormat::Unknown},
        {"P", EPuzzleFormat::Xd},
    };
    for (const auto& [bytes, nFormat] : cases)
        EXPECT_EQ(SniffPuzzleFormat(bytes), nFormat) << bytes.substr(0, 20);

    // A .puz goes to its own reader; the caller learns which it is.
    CPuzzleSource source;
    std::u16string error;
    EPuzzleFormat nFormat = EPuzzleFormat::Unknown;
    EXPECT_FALSE(ReadPuzzleSource(puz, kName, source, error, &nFormat));
    EXPECT_EQ(nFormat, EPuzzleFormat::Puz);
    EXPECT_EQ(ToUtf8(error), "/p/file: invalid puzzle file");

    // The format comes from the bytes, not the name.
    TempDir dir;
    const std::u16string path =
        dir.Write(std::string("named.puz"), std::string("Title: T\n\n\nAB\nCD\n\n\nA1. Start ~ AB\n"));
    EXPECT_TRUE(ReadPuzzleSource(path, source, error, &nFormat)) << ToUtf8(error);
    EXPECT_EQ(nFormat, EPuzzleFormat::Xd);
    EXPECT_FALSE(ReadPuzzleSource(dir.File("absent.ipuz").u16string(), source, error));
    // With the system's reason after it, as for a .puz file.
    EXPECT_EQ(ToUtf8(error).rfind("cannot open file '" + dir.File("absent.ipuz").string() + "' for reading: ", 0), 0u)
        << ToUtf8(error);
}

TEST(SourcePlainText, MarkupBecomesPlainTextWithEveryWord)
{
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"<b>bold</b> <i>italic</i>", u"bold italic"},
        {u"did </span><b>not</b><span> sing", u"did not sing"},
        {u"<span style=\"x\">A</span>&amp;<I>B</I>", u"A&B"},
        {u"one<br/>two <br> three", u"one\ntwo\nthree"},
        {u"x < y and y > z", u"x < y and y > z"},
        {u"<unknown>kept</unknown>", u"<unknown>kept</unknown>"},
        {u"&#233;t&#xE9; &eacute;&nbsp;&bogus; &#0;", u"été é &bogus; &#0;"},
        {u"  many \t\n blanks  ", u" many blanks "},
        {u"<b unclosed", u"<b unclosed"},
        {u"<p>one</p><p>two</p>", u" one two "},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(ToUtf8(MarkupToPlainText(in)), ToUtf8(out)) << ToUtf8(in);
    EXPECT_EQ(ToUtf8(TrimText(u"\n  a \n b\n\n")), "a\nb");
}

TEST(IpuzReader, ReadsEveryFormOfCellClueAndStyle)
{
    const CPuzzleSource s = Read(R"(ipuz({
      "version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword/crypticcrossword#1"],
      "title": "<i>T</i>", "intro": "Intro", "notes": "Notes", "block": "X", "empty": "-",
      "dimensions": {"width": 4, "height": 3},
      "styles": {"ring": {"shapebg": "circle"}},
      "puzzle": [[{"cell": 1, "style": "ring"}, "2", {"cell": "-", "style": {"barred": "TR"}}, null],
                 ["3", "X", {"style": {"barred": "L", "highlight": true}}, {"cell": "A", "value": "Q"}],
                 ["-", 4, "-", {"cell": "-", "style": {"color": "#a0b"}}]],
      "solution": [["C", {"value": "AB"}, "T", null], ["O", "#", "X", "Q"], ["W", "E", "B", "Y"]],
      "saved": [["c", "", null, null], [null, null, null, "Z"], [null, "-", null, null]],
      "clues": {"Across:Orizzontali": [[1, "Pet <b>cat</b>"], {"number": 4, "label": "4a", "clue": "Web"}],
                "Down": ["Unnumbered", {"numbers": [1, 3], "clue": "Linked"}, {"number": 2, "clue": "By cells",
                         "cells": [[2, 1], [2, 3]]}],
                "Diagonal": [{"number": 1, "clue": "Other"}]}
    });)");
    ASSERT_EQ(s.m_nWidth, 4);
    ASSERT_EQ(s.m_nHeight, 3);
    EXPECT_EQ(ToUtf8(s.m_strTitle), "T");
    EXPECT_EQ(ToUtf8(s.m_strNotes), "Intro\n\nNotes");
    EXPECT_EQ(s.At(3, 0).m_nKind, ESquareKind::Missing);
    EXPECT_EQ(s.At(1, 1).m_nKind, ESquareKind::Block);
    EXPECT_EQ(ToUtf8(s.At(0, 0).m_strLabel), "1");
    EXPECT_TRUE(s.At(0, 0).m_bCircled);
    EXPECT_TRUE(s.At(2, 0).m_strLabel.empty());
    EXPECT_EQ(ToUtf8(s.At(3, 1).m_strLabel), "A");
    EXPECT_EQ(ToUtf8(s.At(1, 0).m_strSolution), "AB");
    EXPECT_TRUE(s.At(1, 1).m_strSolution.empty());
    // Prefilled letters are given and stay; saved letters are the player's.
    EXPECT_TRUE(s.At(3, 1).m_bGiven);
    EXPECT_EQ(ToUtf8(s.At(3, 1).m_strFill), "Q");
    EXPECT_EQ(ToUtf8(s.At(0, 0).m_strFill), "c");
    EXPECT_FALSE(s.At(0, 0).m_bGiven);
    EXPECT_TRUE(s.At(1, 2).m_strFill.empty());
    // "T" on the top row has no neighbour; "L" lands on the left neighbour.
    EXPECT_TRUE(s.At(2, 0).m_bBarRight);
    EXPECT_FALSE(s.At(2, 0).m_bBarBottom);
    EXPECT_TRUE(s.At(1, 1).m_bBarRight);
    EXPECT_EQ(s.At(2, 1).m_nColor, kShadedColor);
    EXPECT_EQ(s.At(3, 2).m_nColor, 0xAA00BB);

    ASSERT_EQ(s.m_aLists.size(), 3u);
    EXPECT_EQ(ToUtf8(s.m_aLists[0].m_strName), "Orizzontali");
    EXPECT_EQ(s.m_aLists[0].m_nDirection, EClueDirection::Across);
    EXPECT_EQ(s.m_aLists[2].m_nDirection, EClueDirection::Other);
    EXPECT_EQ(ToUtf8(Clue(s, 0, 0).m_strText), "Pet cat");
    // The bar after the third square ends 1 across.
    EXPECT_EQ(Clue(s, 0, 0).m_aCells, Cells({{0, 0}, {1, 0}, {2, 0}}));
    EXPECT_EQ(ToUtf8(Clue(s, 0, 1).m_strLabel), "4a");
    EXPECT_EQ(Clue(s, 0, 1).m_nNumber, 4);
    EXPECT_EQ(Clue(s, 0, 1).m_aCells, Cells({{1, 2}, {2, 2}, {3, 2}}));
    EXPECT_EQ(ToUtf8(Clue(s, 1, 0).m_strText), "Unnumbered");
    EXPECT_TRUE(Clue(s, 1, 0).m_strLabel.empty());
    EXPECT_EQ(ToUtf8(Clue(s, 1, 1).m_strLabel), "1, 3");
    EXPECT_TRUE(Clue(s, 1, 1).m_aCells.empty());
    // Cells counted from 1.
    EXPECT_EQ(Clue(s, 1, 2).m_aCells, Cells({{1, 0}, {1, 2}}));
    EXPECT_TRUE(Clue(s, 2, 0).m_aCells.empty());
}

TEST(IpuzReader, RefusesWhatItCannotReadWithTheReason)
{
    const std::string kGrid = R"("puzzle": [[1, 2], [3, 0]])";
    const std::pair<std::string, std::string> cases[] = {
        {R"({"kind": ["http://ipuz.org/crossword#1"], "puzzle": [[1, 2], )", "not valid JSON"},
        {std::string(200, '[') + std::string(200, ']'), "nested more than 64 levels deep"},
        {R"({"puzzle": [[1, 2], [3]]})", "row 2 of the puzzle grid does not have 2 squares"},
        {R"({"dimensions": {"width": 2, "height": 3}, )" + kGrid + "}", "the puzzle grid has 2 rows for a height of 3"},
        {R"({"dimensions": {"width": 256, "height": 2}, )" + kGrid + "}", "1 to 255 squares each way"},
        {R"({)" + kGrid + R"(, "clues": {"Across": [{"number": 1, "cells": [[1, 1], [9, 9]]}]}})",
         "not an open square"},
        {R"({"puzzle": [[1, "#"], [3, 0]], "clues": {"Down": [{"number": 1, "cells": [[0, 0], [1, 0]]}]}})",
         "not an open square"},
        {R"({)" + kGrid + R"(, "clues": {"Across": 5}})", "the clue list Across is not a list"},
        {R"({)" + kGrid + R"(, "solution": [["A", "B"]]})", "the solution grid does not have the puzzle's rows"},
        {R"({"puzzle": [[1, true]]})", "square 2,1 is neither a label nor a block"},
        {R"(ipuz({"puzzle": [[1]]})", "the ipuz( wrapper is not closed"},
        {R"(ipuz([1, 2]))", "not an ipuz object"},
        {R"({"title": "no grid"})", "no puzzle grid"},
    };
    for (const auto& [json, why] : cases) {
        const std::string message = Refusal(json);
        EXPECT_EQ(message.rfind("/p/file: invalid puzzle file (", 0), 0u) << message;
        EXPECT_NE(message.find(why), std::string::npos) << json << " -> " << message;
    }
    EXPECT_EQ(Refusal(R"({"kind": ["http://ipuz.org/sudoku#1"], )" + kGrid + "}"),
              "/p/file: only crossword puzzles are supported");
    EXPECT_EQ(Refusal(R"({"kind": ["http://ipuz.org/acrostic#1"], )" + kGrid + "}"),
              "/p/file: acrostic puzzles are not supported");
}

TEST(IpuzReader, ClueCellsCountFromZeroWhenTheFileDoes)
{
    const CPuzzleSource s = Read(R"({"puzzle": [[1, 2], [3, 0]],
        "clues": {"Across": [{"number": 1, "cells": [[0, 0], [1, 0]]}]}})");
    EXPECT_EQ(Clue(s, 0, 0).m_aCells, Cells({{0, 0}, {1, 0}}));
}

TEST(JpzReader, ReadsCellsWordsAndRichText)
{
    const CPuzzleSource s =
        Read(SmallJpz(R"( background-shape="circle" solve-state="c" right-bar="true" bottom-bar="true")",
                      "<b>Pet</b> <i>feline</i>&amp;<span>more</span> &lt;i&gt;shown&lt;/i&gt;"));
    ASSERT_EQ(s.m_nWidth, 3);
    EXPECT_EQ(ToUtf8(s.m_strTitle), "T");
    EXPECT_EQ(ToUtf8(s.m_strAuthor), "C");
    EXPECT_EQ(s.At(1, 1).m_nKind, ESquareKind::Block);
    EXPECT_TRUE(s.At(0, 0).m_bCircled);
    EXPECT_EQ(ToUtf8(s.At(0, 0).m_strFill), "c");
    EXPECT_TRUE(s.At(0, 0).m_bBarRight && s.At(0, 0).m_bBarBottom);
    ASSERT_EQ(s.m_aLists.size(), 2u);
    EXPECT_EQ(ToUtf8(s.m_aLists[0].m_strName), "Across");
    EXPECT_EQ(ToUtf8(Clue(s, 0, 0).m_strText), "Pet feline&more shown");
    EXPECT_EQ(Clue(s, 0, 0).m_aCells, Cells({{0, 0}, {1, 0}, {2, 0}}));
    EXPECT_EQ(Clue(s, 1, 0).m_aCells, Cells({{0, 0}, {0, 1}}));
    EXPECT_EQ(Clue(s, 1, 1).m_aCells, Cells({{2, 0}, {2, 1}}));
    // A clue whose word id is unknown keeps its text and finds no squares.
    EXPECT_EQ(ToUtf8(Clue(s, 1, 2).m_strText), "Lost word");
    EXPECT_TRUE(Clue(s, 1, 2).m_aCells.empty());

    // Void cells are no squares; hints are given; left and top bars move.
    const CPuzzleSource t = Read(std::string(kJpzHead) + R"(<crossword><grid width="2" height="2">
        <cell x="1" y="1" type="void"/><cell x="2" y="1" solution="A" hint="true" top-bar="true"/>
        <cell x="1" y="2" solution="B"/><cell x="2" y="2" solution="C" left-bar="true" top-bar="true"/>
        </grid></crossword></rectangular-puzzle></crossword-compiler>)");
    EXPECT_EQ(t.At(0, 0).m_nKind, ESquareKind::Missing);
    EXPECT_TRUE(t.At(1, 0).m_bGiven);
    EXPECT_EQ(ToUtf8(t.At(1, 0).m_strFill), "A");
    EXPECT_TRUE(t.At(1, 0).m_bBarBottom);
    EXPECT_TRUE(t.At(0, 1).m_bBarRight);
    EXPECT_TRUE(t.m_aLists.empty());
}

TEST(JpzReader, ReadsTheDocumentInsideAZip)
{
    const std::string jpz = SmallJpz();
    const CPuzzleSource plain = Read(jpz);
    // A resource fork of one archiver comes first; the .jpz is taken.
    EXPECT_EQ(Read(Zip({{"__MACOSX/._p.jpz", "junk"}, {"p.jpz", jpz}})), plain);
    EXPECT_EQ(Read(Zip({{"readme.txt", "hello"}, {"puzzle.xml", jpz}})), plain);
    EXPECT_EQ(Read(Zip({{"puzzle", jpz}})), plain);
}

TEST(JpzReader, RefusesWhatItCannotReadWithTheReason)
{
    std::string corrupt = Zip({{"p.jpz", SmallJpz()}});
    corrupt[40] ^= 0x20;  // a byte of the document: the checksum no longer matches
    const std::pair<std::string, std::string> cases[] = {
        {SmallJpz().substr(0, 300), "not valid XML"},
        {Zip({{"p.jpz", SmallJpz()}}, 0xFFFFFFF0u), "the zipped puzzle is larger than 16 MiB"},
        {Zip({{"p.jpz", SmallJpz()}}, static_cast<std::uint32_t>(SmallJpz().size() + 50)),
         "the zipped puzzle is damaged"},
        {corrupt, "the zipped puzzle fails its checksum"},
        {Zip({{"a.txt", "a"}, {"b.txt", "b"}}), "none a .jpz"},
        {Zip({{"folder/", ""}, {"__MACOSX/._p.jpz", "fork"}}), "no puzzle inside"},
        {Zip({{"p.jpz", SmallJpz()}}).substr(0, 100), "a damaged zip archive"},
        {std::string(kJpzHead) + "<crossword><grid width=\"2\" height=\"1\"><cell x=\"3\" y=\"1\"/></grid>"
                                 "</crossword></rectangular-puzzle></crossword-compiler>",
         "a cell lies outside the grid"},
        {std::string(kJpzHead) + "<crossword><grid width=\"256\" height=\"1\"/>"
                                 "</crossword></rectangular-puzzle></crossword-compiler>",
         "1 to 255 squares each way"},
        {std::string(kJpzHead) + "<crossword><grid width=\"2\" height=\"1\"><cell x=\"1\" y=\"1\" solution=\"A\"/>"
                                 "<cell x=\"2\" y=\"1\" type=\"block\"/></grid><word id=\"1\" x=\"1-2\" y=\"1\"/>"
                                 "</crossword></rectangular-puzzle></crossword-compiler>",
         "word 1 names a square that is not an open square"},
        {"<rectangular-puzzle><crossword/></rectangular-puzzle>", "no grid"},
        {"<puzzle/>", "no rectangular-puzzle element"},
    };
    for (const auto& [bytes, why] : cases) {
        const std::string message = Refusal(bytes);
        EXPECT_EQ(message.rfind("/p/file: invalid puzzle file (", 0), 0u) << message;
        EXPECT_NE(message.find(why), std::string::npos) << why << " -> " << message;
    }
    EXPECT_EQ(Refusal("<rectangular-puzzle><acrostic/></rectangular-puzzle>"),
              "/p/file: acrostic puzzles are not supported");
    EXPECT_EQ(Refusal(Zip({{"c.jpz", "<rectangular-puzzle><coded/></rectangular-puzzle>"}})),
              "/p/file: coded puzzles are not supported");
    EXPECT_EQ(Refusal("<rectangular-puzzle><sudoku/></rectangular-puzzle>"),
              "/p/file: only crossword puzzles are supported");
}

TEST(JpzReader, DeeplyNestedClueTextIsCutNotFollowed)
{
    std::string strDeep;
    for (int i = 0; i < 5000; ++i)
        strDeep += "<i>";
    strDeep += "deep";
    for (int i = 0; i < 5000; ++i)
        strDeep += "</i>";
    const CPuzzleSource s = Read(SmallJpz("", "Shallow " + strDeep));
    EXPECT_EQ(ToUtf8(Clue(s, 0, 0).m_strText), "Shallow");
}

TEST(XdReader, ReadsMarksRebusesAndSectionsInAnyOrder)
{
    const CPuzzleSource s = Read("## Clues\n\nA1. {/Pet/} of {*mine*} ~ CAT\nA1 ^Refs: D1\nD1. Two\\lines ~ COW\n"
                                 "D2. Ten ~ TXN\n\n## Metadata\n\nTitle: T\nauthor: A\nRebus: 1=XN\nSpecial: shaded\n"
                                 "Notes: From the header\n\n## Ignored\n\nanything\n\n## Grid\n\n  cAT\n O#X \n W_1\n"
                                 "\n## Notes\n\nThe end.\n");
    ASSERT_EQ(s.m_nWidth, 3);
    ASSERT_EQ(s.m_nHeight, 3);
    EXPECT_EQ(ToUtf8(s.m_strTitle), "T");
    EXPECT_EQ(ToUtf8(s.m_strAuthor), "A");
    EXPECT_EQ(ToUtf8(s.m_strNotes), "From the header\n\nThe end.");
    EXPECT_EQ(ToUtf8(s.At(0, 0).m_strSolution), "C");
    EXPECT_EQ(s.At(0, 0).m_nColor, kShadedColor);
    EXPECT_FALSE(s.At(0, 0).m_bCircled);
    EXPECT_EQ(s.At(1, 2).m_nKind, ESquareKind::Missing);
    EXPECT_EQ(ToUtf8(s.At(2, 2).m_strSolution), "XN");
    ASSERT_EQ(s.m_aLists.size(), 2u);
    EXPECT_EQ(ToUtf8(Clue(s, 0, 0).m_strText), "Pet of mine");
    EXPECT_EQ(Clue(s, 0, 0).m_aCells, Cells({{0, 0}, {1, 0}, {2, 0}}));
    EXPECT_EQ(ToUtf8(Clue(s, 1, 0).m_strText), "Two\nlines");
    EXPECT_EQ(Clue(s, 1, 1).m_aCells, Cells({{2, 0}, {2, 1}, {2, 2}}));

    // The older dialect: lower case circles; "." is an empty square beside "#" blocks.
    const CPuzzleSource t = Read("Title: Old\n\n\nAb#\n.C#\n\n\nA1. First ~ AB\nD1. Down ~ A.\nD2. Two ~ BC\n"
                                 "Q1. Other group ~ X\n5. Uniclue ~ Y\n\n\nNotes here\n\nand here\n");
    EXPECT_TRUE(t.At(1, 0).m_bCircled);
    EXPECT_EQ(ToUtf8(t.At(1, 0).m_strSolution), "B");
    EXPECT_EQ(t.At(0, 1).m_nKind, ESquareKind::Open);
    EXPECT_TRUE(t.At(0, 1).m_strSolution.empty());
    ASSERT_EQ(t.m_aLists.size(), 4u);
    EXPECT_EQ(ToUtf8(t.m_aLists[2].m_strName), "Q");
    EXPECT_EQ(t.m_aLists[2].m_nDirection, EClueDirection::Other);
    EXPECT_EQ(ToUtf8(t.m_aLists[3].m_strName), "Clues");
    EXPECT_EQ(ToUtf8(t.m_strNotes), "Notes here\n\nand here");
}

TEST(XdReader, RefusesWhatItCannotReadWithTheReason)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Title: T\n\n\nABC\nDE\n\n\nA1. x ~ ABC\n", "line 5: grid rows of unequal length"},
        {"Title: T\n\n\nAB\nCD\n\n\nA1. x ~ AB\nA9. Nowhere ~ XY\n", "line 9: no Across word 9 in the grid"},
        {"Title: T\n\n\nA_\nB_\n\n\nA1. x ~ AB\n", "line 8: no Across word 1 in the grid"},
        {"Title: T\n\n\nAB\nCD\n\n\nA1. No answer\n", "line 8: the clue has no \" ~ ANSWER\""},
        {"Title: T\n\n\nAB\nCD\n\n\nA1 x ~ AB\n", "line 8 is not a clue"},
        {"Title T\n\n\nAB\n", "line 1 is not a \"Key: value\" line"},
        {"Title: T\ntitle: U\n\n\nAB\n", "line 2 repeats the key title"},
        {"Title: T\nRebus: =X\n\n\nAB\n", "the Rebus line is not \"key=ANSWER\" entries"},
        {"Title: T\n\n\n", "no grid"},
        {"Title: T\n\n\n" + std::string(256, 'A') + "\n", "the grid must be 1 to 255 squares each way"},
        {std::string("Title: T\n\n\nA\0B\n", 14), "not a text file"},
    };
    for (const auto& [xd, why] : cases) {
        CPuzzleSource source;
        std::u16string error;
        EXPECT_FALSE(ReadXdSource(xd, kName, source, error));
        EXPECT_EQ(ToUtf8(error), "/p/file: invalid puzzle file (" + why + ")") << xd;
    }
}

TEST(XdReader, BytesBeyondUtf8ReadAsTheWholeFileWould)
{
    // Windows-1252 quotes and dashes in a file that is otherwise UTF-8:
    // each byte is the character it stands for, in the title, the clue, a
    // key and a square; the en dashes around "x" make a strike mark.
    const CPuzzleSource s = Read("Title: \x93Q\x94 \xC3\xA9\nAuthor\x92s: B\n\n\n\xC3\x89\xF0\x9F\x98\x80\nCD\n\n\n"
                                 "A1. {\x96x\x96} caf\xC3\xA9 \x85 ~ AB\nD1. Down ~ AC\n");
    EXPECT_EQ(ToUtf8(s.m_strTitle), "\"Q\" \xC3\xA9");
    // A character beyond 0xFFFF is one square.
    ASSERT_EQ(s.m_nWidth, 2);
    EXPECT_EQ(ToUtf8(s.At(0, 0).m_strSolution), "\xC3\x89");
    EXPECT_EQ(ToUtf8(s.At(1, 0).m_strSolution), "\xF0\x9F\x98\x80");
    EXPECT_EQ(ToUtf8(Clue(s, 0, 0).m_strText), "x caf\xC3\xA9 \xE2\x80\xA6");
    // Keys are the same when they read the same: the two quotes are one.
    EXPECT_NE(Refusal("Author\x91s: A\nAuthor\x92s: B\n\n\nAB\n").find("line 2 repeats the key Author's"),
              std::string::npos);
    // A character beyond 0xFFFF is one square of a row, however many bytes
    // and 16-bit characters it takes: 255 of them are the widest row.
    std::string strWide;
    for (int i = 0; i < 256; ++i)
        strWide += "\xF0\x9F\x98\x80";
    EXPECT_NE(Refusal("Title: T\n\n\n" + strWide + "\n").find("1 to 255 squares each way"), std::string::npos);
    strWide.resize(4 * 255);
    EXPECT_EQ(Read("Title: T\n\n\n" + strWide + "\n").m_nWidth, 255);
}

TEST(SourcePlainText, PlainBytesAndMarkedUpBytesBecomeTheSameText)
{
    // What the markup rule makes of a text, whether the text needs it or not.
    const char* const texts[] = {
        "Plain clue",
        "  Leading and trailing  ",
        "Two  spaces",
        "Tab\there",
        "Line\nbreak",
        "A &amp; B",
        "<i>Italic</i>",
        "caf\xC3\xA9",
        " ",
        "",
        "x\r\n",
        "a < b",
    };
    for (const char* pszText : texts)
        EXPECT_EQ(ToUtf8(PlainTextOfUtf8(pszText)), ToUtf8(TrimText(MarkupToPlainText(WidenUtf8(pszText))))) << pszText;
    EXPECT_EQ(ToUtf8(PlainTextOfUtf8("  Leading and trailing  ")), "Leading and trailing");
    EXPECT_EQ(ToUtf8(PlainTextOfUtf8("Two  spaces")), "Two spaces");
}

TEST(PuzzleSource, WordsEndAtBarsBlocksMissingSquaresAndEdges)
{
    CPuzzleSource s;
    s.Resize(5, 2, ESquareKind::Open);
    s.At(1, 0).m_bBarRight = true;
    s.At(3, 0).m_nKind = ESquareKind::Missing;
    s.At(0, 0).m_bBarBottom = true;
    EXPECT_EQ(s.WordFrom(0, 0, true), Cells({{0, 0}, {1, 0}}));
    EXPECT_EQ(s.WordFrom(2, 0, true), Cells({{2, 0}}));
    EXPECT_EQ(s.WordFrom(4, 0, false), Cells({{4, 0}, {4, 1}}));
    EXPECT_EQ(s.WordFrom(0, 0, false), Cells({{0, 0}}));
    EXPECT_TRUE(s.WordFrom(3, 0, true).empty());
    EXPECT_TRUE(s.WordFrom(5, 0, true).empty());
    EXPECT_TRUE(s.IsWordEnd(4, 1, true));
}
