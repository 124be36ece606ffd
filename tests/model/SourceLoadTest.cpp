// SPDX-License-Identifier: MIT
// Puzzles of the .ipuz, .jpz and .xd files in the model: the squares and
// their marks, the answers and the saved fill, the clue lists and the words
// their clues belong to, a file read by its content, solution files, and
// every real file of the corpus.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/ClueIndex.h"
#include "model/CrossWordPuzzle.h"
#include "model/GridNavigator.h"
#include "model/ProgressStore.h"
#include "model/Text.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/PuzzleState.h"
#include "tests/support/SmallPuzzles.h"
#include "tests/support/SourceGrid.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace trellis::test {
namespace {

std::string Text(const CClue* pClue)
{
    return pClue == nullptr ? "(none)" : ToUtf8(pClue->m_strLabel) + ":" + ToUtf8(pClue->m_strText);
}

TEST(SourceLoadTest, EverySquareKeepsItsKindAnswerFillAndMarks)
{
    // Row 0: a rebus with a circle, a coloured square with two bars, a
    // given letter, a block. Row 1: a missing square, the same rebus saved
    // whole, another rebus saved as its first letter, a given letter whose
    // answer the file leaves out.
    CPuzzleSource source = SourceGrid({"ABE#", " CDF"});
    source.At(0, 0).m_strSolution = u"HEART";
    source.At(0, 0).m_bCircled = true;
    source.At(1, 0).m_nColor = 0x123456;
    source.At(1, 0).m_bBarRight = source.At(1, 0).m_bBarBottom = true;
    source.At(2, 0).m_strFill = u"E";
    source.At(2, 0).m_bGiven = true;
    source.At(1, 1).m_strSolution = source.At(1, 1).m_strFill = u"HEART";
    source.At(2, 1).m_strSolution = u"CLUB";
    source.At(2, 1).m_strFill = u"C";
    source.At(3, 1).m_strSolution.clear();
    source.At(3, 1).m_strFill = u"F";
    source.At(3, 1).m_bGiven = true;
    const auto pPuzzle = LoadSourceGrid(source);
    const CCrossWordPuzzle& p = *pPuzzle;

    ASSERT_EQ(p.m_nWidth, 4);
    ASSERT_EQ(p.m_nHeight, 2);
    const CSquare rebus = p.GetSquare(0, 0);
    EXPECT_FALSE(rebus.m_bBlack);
    EXPECT_EQ(rebus.m_chSolution, u'H');
    EXPECT_TRUE(rebus.m_bCircled);
    ASSERT_NE(p.GetRebus(rebus), nullptr);
    EXPECT_EQ(*p.GetRebus(rebus), u"HEART");
    EXPECT_FALSE(rebus.m_bFilled);

    const CSquare shaded = p.GetSquare(1, 0);
    EXPECT_EQ(shaded.m_crShade, 0x123456u);
    EXPECT_TRUE(shaded.m_bBarRight);
    EXPECT_TRUE(shaded.m_bBarBottom);
    EXPECT_FALSE(shaded.m_bCircled);
    EXPECT_EQ(p.GetSquare(0, 0).m_crShade, kNoShade);

    const CSquare given = p.GetSquare(2, 0);
    EXPECT_TRUE(given.m_bGiven);
    EXPECT_TRUE(given.m_bFilled);
    EXPECT_EQ(given.m_chLetter, u'E');
    EXPECT_EQ(given.m_chSolution, u'E');

    EXPECT_TRUE(p.IsBlack(3, 0));
    EXPECT_FALSE(p.IsMissing(3, 0));
    EXPECT_TRUE(p.IsMissing(0, 1));
    EXPECT_TRUE(p.IsBlack(0, 1));

    // A saved rebus is the player's: not given, and not shown by the
    // program either; the player's entry, which is drawn whole.
    const CSquare savedWhole = p.GetSquare(1, 1);
    EXPECT_TRUE(savedWhole.m_bFilled);
    EXPECT_FALSE(savedWhole.m_bGiven);
    EXPECT_EQ(savedWhole.m_chLetter, u'H');
    EXPECT_FALSE(savedWhole.m_bShown);
    EXPECT_EQ(savedWhole.m_strRebusEntry, u"HEART");
    EXPECT_EQ(savedWhole.m_nRebus, rebus.m_nRebus);  // one table entry per answer
    const CSquare savedFirst = p.GetSquare(2, 1);
    EXPECT_EQ(savedFirst.m_chLetter, u'C');
    EXPECT_FALSE(savedFirst.m_bShown);
    EXPECT_TRUE(savedFirst.m_strRebusEntry.empty());
    ASSERT_NE(p.GetRebus(savedFirst), nullptr);
    EXPECT_EQ(*p.GetRebus(savedFirst), u"CLUB");
    EXPECT_EQ(p.m_astrRebus, (std::vector<std::u16string> {u"HEART", u"CLUB"}));

    // The given letter is its own answer, so the file still gives them all.
    EXPECT_EQ(p.GetSquare(3, 1).m_chSolution, u'F');
    EXPECT_TRUE(p.m_bHasSolution);
    EXPECT_TRUE(p.KnowsAnswers());
    // Six open squares: four hold their answer, (0,0) and (1,0) are empty.
    EXPECT_EQ(p.GetEmptyCount(), 2);
    EXPECT_EQ(p.GetUnsolvedCount(), 2);
    EXPECT_EQ(p.GetMissingCount(), 1);
}

TEST(SourceLoadTest, TextsAndClueListsAsTheFileNamesThem)
{
    CPuzzleSource source = SourceGrid({"AB", "CD"});
    source.m_strTitle = u"Title";
    source.m_strAuthor = u"Author";
    source.m_strCopyright = u"(c) Someone";
    source.m_strNotes = u"Intro\n\nNotes";
    AddList(source, "Orizzontali", EClueDirection::Across, {"1:ab", "3:cd"});
    AddList(source, "Verticali", EClueDirection::Down, {"1:ac", "2:bd"});
    AddList(source, "Colors", EClueDirection::Other, {"x:red"});
    const auto pPuzzle = LoadSourceGrid(source);
    const CCrossWordPuzzle& p = *pPuzzle;
    EXPECT_EQ(p.m_strTitle, u"Title");
    EXPECT_EQ(p.m_strAuthor, u"Author");
    EXPECT_EQ(p.m_strCopyright, u"(c) Someone");
    EXPECT_EQ(p.m_strNotes, u"Intro\n\nNotes");
    EXPECT_EQ(p.m_astrClueLists, (std::vector<std::u16string> {u"Orizzontali", u"Verticali", u"Colors"}));
    EXPECT_EQ(p.m_anClueListDirection, (std::vector<int> {1, 0, 2}));
    EXPECT_TRUE(p.HasOtherLists());
    // Every clue, in the lists' order, with its list and label.
    std::vector<std::string> clues;
    for (const CClue* pClue : p.m_lstClues)
        clues.push_back(std::to_string(pClue->m_nList) + " " + Text(pClue));
    EXPECT_EQ(clues, (std::vector<std::string> {"0 1:ab", "0 3:cd", "1 1:ac", "1 2:bd", "2 x:red"}));

    // A .puz file has the two lists, under their usual names.
    TempDir dir;
    const auto pPuz = PuzzleFileWriter({"AB", "CD"}).Load(dir);
    EXPECT_EQ(pPuz->m_astrClueLists, (std::vector<std::u16string> {u"Across", u"Down"}));
    EXPECT_FALSE(pPuz->HasOtherLists());
    EXPECT_EQ(ClueAt(*pPuz, 0).m_strLabel, u"1");
    EXPECT_EQ(ClueAt(*pPuz, 0).m_nList, 0);
    EXPECT_EQ(ClueAt(*pPuz, 1).m_nList, 1);
}

// A ring of eight squares: across words 1 (top) and 3 (bottom), down words
// 1 (left) and 2 (right), by the grid's own numbering.
const std::vector<std::string> kRing = {"ABC", "D#E", "FGH"};

TEST(SourceLoadTest, CluesGoToTheWordsTheirSquaresName)
{
    CPuzzleSource source = SourceGrid(kRing);
    // Labels that are not the grid's numbers: the squares decide.
    AddList(source, "Across", EClueDirection::Across, {"0:top", "7:bottom"});
    source.m_aLists[0].m_aClues[0].m_aCells = {{0, 0}, {1, 0}, {2, 0}};
    source.m_aLists[0].m_aClues[1].m_aCells = {{0, 2}, {1, 2}, {2, 2}};
    AddList(source, "Down", EClueDirection::Down, {"R:right", "L:left", "M:middle"});
    source.m_aLists[1].m_aClues[0].m_aCells = {{2, 0}, {2, 1}, {2, 2}};
    source.m_aLists[1].m_aClues[1].m_aCells = {{0, 0}, {0, 1}, {0, 2}};
    // (1,0) starts no down word: the clue stays in its list, unreachable.
    source.m_aLists[1].m_aClues[2].m_aCells = {{1, 0}};
    const auto pPuzzle = LoadSourceGrid(source);
    const CCrossWordPuzzle& p = *pPuzzle;
    EXPECT_EQ(Text(p.GetAcrossClue(0, 0)), "0:top");
    EXPECT_EQ(Text(p.GetAcrossClue(0, 2)), "7:bottom");
    EXPECT_EQ(Text(p.GetDownClue(0, 0)), "L:left");
    EXPECT_EQ(Text(p.GetDownClue(2, 0)), "R:right");
    EXPECT_EQ(Text(p.GetDownClue(1, 0)), "(none)");
    EXPECT_EQ(ClueAt(p, 4).m_nNumber, 0);
    EXPECT_EQ(ClueAt(p, 4).m_aCells, (std::vector<CPoint> {{1, 0}}));
    // The file draws no labels in the squares: the grid shows its numbers.
    EXPECT_EQ(LabelRows(p), (std::vector<std::string> {"[1].[2]", ".#.", "[3].."}));
}

TEST(SourceLoadTest, CluesWithoutSquaresGoByTheSquaresLabelsOrTheGridsNumbers)
{
    // No labels in the grid: a clue's number is the grid's.
    CPuzzleSource numbered = SourceGrid(kRing);
    AddList(numbered, "Across", EClueDirection::Across, {"3:bottom", "1:top", "9:nowhere"});
    AddList(numbered, "Down", EClueDirection::Down, {"2:right"});
    const auto pNumbered = LoadSourceGrid(numbered);
    EXPECT_EQ(Text(pNumbered->GetAcrossClue(0, 0)), "1:top");
    EXPECT_EQ(Text(pNumbered->GetAcrossClue(0, 2)), "3:bottom");
    EXPECT_EQ(Text(pNumbered->GetDownClue(2, 0)), "2:right");
    EXPECT_EQ(Text(pNumbered->GetDownClue(0, 0)), "(none)");
    EXPECT_EQ(ClueAt(*pNumbered, 2).m_nNumber, 0);

    // Labels in the grid: a clue goes by its label, or by the part of it
    // that names the first square ("C-H": from C to H); a number that no
    // square shows leads nowhere, though the grid's numbering has it.
    CPuzzleSource labelled = SourceGrid(kRing);
    labelled.At(0, 0).m_strLabel = u"A";
    labelled.At(2, 0).m_strLabel = u"B";
    labelled.At(0, 2).m_strLabel = u"C";
    AddList(labelled, "Across", EClueDirection::Across, {"A:top", "C-H:bottom"});
    AddList(labelled, "Down", EClueDirection::Down, {"B:right", "1:left"});
    const auto pLabelled = LoadSourceGrid(labelled);
    EXPECT_EQ(Text(pLabelled->GetAcrossClue(0, 0)), "A:top");
    EXPECT_EQ(Text(pLabelled->GetAcrossClue(0, 2)), "C-H:bottom");
    EXPECT_EQ(Text(pLabelled->GetDownClue(2, 0)), "B:right");
    EXPECT_EQ(Text(pLabelled->GetDownClue(0, 0)), "(none)");
    // The grid shows the file's labels, and only those.
    EXPECT_EQ(LabelRows(*pLabelled), (std::vector<std::string> {"[A].[B]", ".#.", "[C].."}));
}

TEST(SourceLoadTest, CluesOfOtherListsGoWithTheirSquares)
{
    CPuzzleSource source = SourceGrid({"AB", "CD"});
    AddList(source, "Colors", EClueDirection::Other, {"1:red", "2:blue"});
    source.m_aLists[0].m_aClues[0].m_aCells = {{0, 0}, {1, 1}};
    source.m_aLists[0].m_aClues[1].m_aCells = {{1, 0}};
    AddList(source, "Patches", EClueDirection::Other, {"1:patch"});
    source.m_aLists[1].m_aClues[0].m_aCells = {{0, 0}, {0, 1}};
    const auto pPuzzle = LoadSourceGrid(source);
    const CCrossWordPuzzle& p = *pPuzzle;
    auto at = [&p](int c, int r) {
        std::vector<std::string> texts;
        for (const CClue* pClue : p.GetOtherCluesAt(c, r))
            texts.push_back(Text(pClue));
        return texts;
    };
    EXPECT_EQ(at(0, 0), (std::vector<std::string> {"1:red", "1:patch"}));
    EXPECT_EQ(at(1, 0), (std::vector<std::string> {"2:blue"}));
    EXPECT_EQ(at(0, 1), (std::vector<std::string> {"1:patch"}));
    EXPECT_EQ(at(1, 1), (std::vector<std::string> {"1:red"}));
    EXPECT_TRUE(at(5, 5).empty());
    // No word of the grid takes them.
    EXPECT_EQ(Text(p.GetAcrossClue(0, 0)), "(none)");
    EXPECT_EQ(Text(p.GetDownClue(0, 0)), "(none)");
}

TEST(SourceLoadTest, TheClueIndexHoldsTheAcrossAndDownCluesAlone)
{
    CPuzzleSource source = SourceGrid(kRing);
    AddList(source, "Colors", EClueDirection::Other, {"x:red"});
    source.m_aLists[0].m_aClues[0].m_aCells = {{0, 0}, {1, 0}, {2, 0}};
    AddList(source, "Down", EClueDirection::Down, {"R:right", "1:left"});
    source.m_aLists[1].m_aClues[0].m_aCells = {{2, 0}, {2, 1}, {2, 2}};
    AddList(source, "Across", EClueDirection::Across, {"7:bottom"});
    source.m_aLists[2].m_aClues[0].m_aCells = {{0, 2}, {1, 2}, {2, 2}};
    const auto pPuzzle = LoadSourceGrid(source);
    const CClueIndex index(*pPuzzle);
    ASSERT_EQ(index.Entries(DIRECTION_ACROSS).size(), 1u);
    EXPECT_EQ(Text(index.Entries(DIRECTION_ACROSS)[0].m_pClue), "7:bottom");
    EXPECT_EQ(index.Entries(DIRECTION_ACROSS)[0].m_ptStart, CPoint(0, 2));
    ASSERT_EQ(index.Entries(DIRECTION_DOWN).size(), 2u);
    EXPECT_EQ(index.EntryAt(DIRECTION_DOWN, CPoint(2, 1)), 0);
    // "1:left" has no squares of its own: the grid's word 1 down.
    EXPECT_EQ(index.EntryAt(DIRECTION_DOWN, CPoint(0, 2)), 1);
    // The top row belongs to the colour's clue alone: no across entry.
    EXPECT_EQ(index.EntryAt(DIRECTION_ACROSS, CPoint(1, 0)), CClueIndex::NO_ENTRY);
}

TEST(SourceLoadTest, WithoutItsAnswersAPuzzleIsSolvedButNeverJudged)
{
    const auto pPuzzle = LoadSourceGrid({"..", ".#"});
    CCrossWordPuzzle& p = *pPuzzle;
    EXPECT_FALSE(p.m_bHasSolution);
    EXPECT_FALSE(p.KnowsAnswers());
    EXPECT_EQ(p.GetEmptyCount(), 3);
    SetLetter(p, 0, 0, u'A');
    SetLetter(p, 1, 0, u'B');
    SetLetter(p, 0, 1, u'C');
    EXPECT_EQ(p.GetEmptyCount(), 0);
    EXPECT_FALSE(p.IsSolved());

    // One square without its answer is enough; a locked puzzle is the other
    // way not to know them.
    EXPECT_FALSE(LoadSourceGrid({"A.", "CD"})->KnowsAnswers());
    EXPECT_TRUE(LoadSourceGrid({"AB", "CD"})->KnowsAnswers());
    const auto pLocked = LoadSourceGrid({"AB", "CD"});
    pLocked->m_bLocked = TRUE;
    EXPECT_FALSE(pLocked->KnowsAnswers());
}

class SourceFileTest : public ::testing::Test {
protected:
    // Loads the bytes, written under the name, as Load Puzzle does.
    BOOL Load(const std::string& name, const std::string& bytes)
    {
        m_strPath = m_dir.Write(name, bytes);
        m_pPuzzle = std::make_unique<CCrossWordPuzzle>();
        m_strError.clear();
        return m_pPuzzle->LoadFile(m_strPath, m_strError);
    }

    TempDir m_dir;
    std::u16string m_strPath;
    std::u16string m_strError;
    std::unique_ptr<CCrossWordPuzzle> m_pPuzzle;
};

const std::string kSmallIpuz = SmallPuzzleBytes(EPuzzleFormat::Ipuz);
const std::string kSmallXd = SmallPuzzleBytes(EPuzzleFormat::Xd);

TEST_F(SourceFileTest, TheReaderIsChosenByTheFilesContentNotItsName)
{
    // The same puzzle in every format, under its own name, another format's
    // and none.
    const std::string zipped = StoredZip({{"small.jpz", SmallPuzzleBytes(EPuzzleFormat::Jpz)}});
    const struct {
        std::string bytes;
        const char* own;
        const char* other;
    } cases[] = {
        {SmallPuzzleBytes(EPuzzleFormat::Puz), "small.puz", "small.jpz"},
        {kSmallIpuz, "small.ipuz", "small.puz"},
        {SmallPuzzleBytes(EPuzzleFormat::Jpz), "small.jpz", "small.xd"},
        {zipped, "small.jpz", "small.puz"},
        {kSmallXd, "small.xd", "small.ipuz"},
    };
    for (const auto& c : cases) {
        for (const std::string name : {c.own, c.other, "small"}) {
            ASSERT_TRUE(Load(name, c.bytes)) << c.own << " as " << name << ": " << ToUtf8(m_strError);
            EXPECT_EQ(m_pPuzzle->m_strFileName, m_strPath);
            EXPECT_EQ(m_pPuzzle->m_strTitle, u"Small") << c.own << " as " << name;
            EXPECT_EQ(Text(m_pPuzzle->GetAcrossClue(0, 1)), "3:cd") << c.own << " as " << name;
            EXPECT_EQ(Text(m_pPuzzle->GetDownClue(1, 0)), "2:bd") << c.own << " as " << name;
            EXPECT_EQ(m_pPuzzle->GetSquare(1, 1).m_chSolution, u'D') << c.own << " as " << name;
        }
    }
}

TEST_F(SourceFileTest, BytesInHandLoadAsTheFileWould)
{
    // Every format, and text that only its name makes a .puz file.
    const std::pair<std::string, const char*> cases[] = {
        {SmallPuzzleBytes(EPuzzleFormat::Puz), "small.puz"},
        {kSmallIpuz, "small.ipuz"},
        {SmallPuzzleBytes(EPuzzleFormat::Jpz), "small.jpz"},
        {kSmallXd, "small.xd"},
        {kSmallXd, "small.PUZ"},
    };
    for (const auto& [bytes, name] : cases) {
        const BOOL bFromFile = Load(name, bytes);
        CCrossWordPuzzle fromBytes;
        std::u16string strError;
        EXPECT_EQ(fromBytes.LoadBytes(bytes, m_strPath, strError), bFromFile) << name;
        EXPECT_EQ(strError, m_strError) << name;
        EXPECT_EQ(fromBytes.m_strFileName, m_strPath) << name;
        EXPECT_EQ(PlayerState(fromBytes), PlayerState(*m_pPuzzle)) << name;
        EXPECT_EQ(ClueLabels(fromBytes), ClueLabels(*m_pPuzzle)) << name;
        EXPECT_EQ(fromBytes.GetAnswerDigest(), m_pPuzzle->GetAnswerDigest()) << name;
    }
}

TEST_F(SourceFileTest, WhatNoReaderTakesIsRefusedWithTheReadersMessage)
{
    // Plain text named .puz is the .puz reader's to refuse, as it always was.
    EXPECT_FALSE(Load("words.puz", "not a puzzle at all, just words"));
    EXPECT_EQ(m_strError, m_strPath + u": invalid puzzle file");
    // Named otherwise, it is judged as xd text, which says what is wrong.
    EXPECT_FALSE(Load("words.xd", "not a puzzle at all, just words"));
    EXPECT_EQ(m_strError.rfind(m_strPath + u": invalid puzzle file (", 0), 0u) << ToUtf8(m_strError);
    EXPECT_FALSE(Load("broken.ipuz", kSmallIpuz.substr(0, 60)));
    EXPECT_EQ(m_strError.rfind(m_strPath + u": invalid puzzle file (", 0), 0u) << ToUtf8(m_strError);
    EXPECT_FALSE(Load("zeros.jpz", std::string(40, '\0')));
    EXPECT_EQ(m_strError, m_strPath + u": invalid puzzle file");

    const std::u16string strMissing = ModelPath(m_dir.File("nowhere.ipuz"));
    CCrossWordPuzzle puzzle;
    std::u16string strError;
    EXPECT_FALSE(puzzle.LoadFile(strMissing, strError));
    // The system's reason follows, as for a .puz file.
    EXPECT_EQ(strError.rfind(u"cannot open file '" + strMissing + u"' for reading: ", 0), 0u) << ToUtf8(strError);
}

TEST_F(SourceFileTest, SolutionFilesKeepEveryFormatsFillAndNeverTheGivenLetters)
{
    // The same grid and answers as .ipuz and as .puz: one solution file
    // serves both, since it goes by the size and the answers.
    ASSERT_TRUE(Load("small.ipuz", kSmallIpuz));
    auto pIpuz = std::move(m_pPuzzle);
    ASSERT_TRUE(Load("small.puz", SmallPuzzleBytes(EPuzzleFormat::Puz)));
    auto pPuz = std::move(m_pPuzzle);
    EXPECT_EQ(pIpuz->GetChecksum(), pPuz->GetChecksum());
    SetLetter(*pIpuz, 0, 0, u'A');
    SetLetter(*pIpuz, 1, 1, u'Q');
    const std::u16string strSolution = ModelPath(m_dir.File("small.sol"));
    ASSERT_TRUE(pIpuz->SaveSolution(strSolution));
    ASSERT_TRUE(pPuz->LoadSolution(strSolution));
    EXPECT_EQ(PlayerState(*pPuz), PlayerState(*pIpuz));
    EXPECT_EQ(pPuz->GetEmptyCount(), 2);

    // A given letter stays whatever the solution file holds for its square.
    CPuzzleSource source = SourceGrid({"AB", "CD"});
    source.At(1, 0).m_strFill = u"B";
    source.At(1, 0).m_bGiven = true;
    const auto pGiven = LoadSourceGrid(source);
    ASSERT_TRUE(pGiven->LoadSolution(strSolution));
    EXPECT_EQ(pGiven->GetSquare(0, 0).m_chLetter, u'A');
    EXPECT_EQ(pGiven->GetSquare(1, 1).m_chLetter, u'Q');
    EXPECT_TRUE(pGiven->GetSquare(1, 0).m_bFilled);
    EXPECT_EQ(pGiven->GetSquare(1, 0).m_chLetter, u'B');
    EXPECT_EQ(pGiven->GetEmptyCount(), 1);

    // A shaped grid keeps its missing squares through a round trip.
    const auto pShaped = LoadSourceGrid({"A ", "CD"});
    SetLetter(*pShaped, 1, 1, u'D');
    const std::u16string strShaped = ModelPath(m_dir.File("shaped.sol"));
    ASSERT_TRUE(pShaped->SaveSolution(strShaped));
    const auto pAgain = LoadSourceGrid({"A ", "CD"});
    ASSERT_TRUE(pAgain->LoadSolution(strShaped));
    EXPECT_EQ(PlayerState(*pAgain), PlayerState(*pShaped));
    EXPECT_TRUE(pAgain->IsMissing(1, 0));
    EXPECT_EQ(pAgain->GetEmptyCount(), 2);
}

TEST_F(SourceFileTest, TheProgressStoreKeepsEveryFormatsFillUnderAKeyOfItsOwn)
{
    CProgressStore store(ModelPath(m_dir.File("progress")));
    const struct {
        std::string bytes;
        const char* name;
    } cases[] = {
        {SmallPuzzleBytes(EPuzzleFormat::Puz), "p.puz"},
        {kSmallIpuz, "p.ipuz"},
        {SmallPuzzleBytes(EPuzzleFormat::Jpz), "p.jpz"},
        {kSmallXd, "p.xd"},
    };
    std::vector<std::string> keys;
    for (const auto& c : cases) {
        ASSERT_TRUE(Load(c.name, c.bytes)) << ToUtf8(m_strError);
        SetLetter(*m_pPuzzle, 1, 1, u'Q');
        ASSERT_TRUE(store.Save(*m_pPuzzle)) << c.name;
        keys.push_back(CProgressStore::KeyOf(*m_pPuzzle));
        // The same file again: a fresh puzzle takes the letter back.
        ASSERT_TRUE(Load(c.name, c.bytes));
        ASSERT_TRUE(store.Restore(*m_pPuzzle)) << c.name;
        EXPECT_EQ(m_pPuzzle->GetSquare(1, 1).m_chLetter, u'Q') << c.name;
        EXPECT_EQ(CProgressStore::KeyOf(*m_pPuzzle), keys.back()) << c.name;
    }
    // The same grid with another clue is another puzzle.
    std::string other = kSmallXd;
    other.replace(other.find("ab ~"), 2, "xy");
    ASSERT_TRUE(Load("other.xd", other));
    EXPECT_NE(CProgressStore::KeyOf(*m_pPuzzle), keys[3]);
    EXPECT_FALSE(store.Restore(*m_pPuzzle));

    // Stored progress never takes a given letter's place: the same puzzle,
    // played with a letter where the file later gives one.
    const auto pPlayed = LoadSourceGrid({"AB", "CD"});
    SetLetter(*pPlayed, 1, 1, u'Z');
    SetLetter(*pPlayed, 0, 0, u'A');
    ASSERT_TRUE(store.Save(*pPlayed));
    CPuzzleSource source = SourceGrid({"AB", "CD"});
    source.At(1, 1).m_strFill = u"D";
    source.At(1, 1).m_bGiven = true;
    const auto pGiven = LoadSourceGrid(source);
    ASSERT_TRUE(store.Restore(*pGiven));
    EXPECT_EQ(pGiven->GetSquare(0, 0).m_chLetter, u'A');
    EXPECT_EQ(pGiven->GetSquare(1, 1).m_chLetter, u'D');
    EXPECT_TRUE(pGiven->GetSquare(1, 1).m_bGiven);
}

// --- The real files of the corpus, with facts read from them by hand.

fs::path CorpusFile(const std::string& name)
{
    return fs::path(TRELLIS_CORPUS_DIR) / name;
}

class SourceCorpusLoadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!fs::is_directory(CorpusFile("ipuz")))
            GTEST_SKIP() << "no corpus at " << TRELLIS_CORPUS_DIR;
    }

    const CCrossWordPuzzle& Load(const std::string& name)
    {
        m_pPuzzle = std::make_unique<CCrossWordPuzzle>();
        std::u16string strError;
        EXPECT_TRUE(m_pPuzzle->LoadFile(ModelPath(CorpusFile(name)), strError)) << ToUtf8(strError);
        return *m_pPuzzle;
    }

    std::unique_ptr<CCrossWordPuzzle> m_pPuzzle;
};

// Words of the grid, clues, and clues that a word of the grid leads to.
struct CWordCounts {
    int nWords = 0;
    int nClues = 0;
    int nReachable = 0;
    int nBarsRight = 0;
    int nBarsBottom = 0;
    int nGiven = 0;
};

CWordCounts Count(const CCrossWordPuzzle& p)
{
    CWordCounts counts;
    for (const CSquare& square : p.GetSquares()) {
        counts.nWords += (square.m_nAcrossNumber != 0 ? 1 : 0) + (square.m_nDownNumber != 0 ? 1 : 0);
        counts.nBarsRight += square.m_bBarRight ? 1 : 0;
        counts.nBarsBottom += square.m_bBarBottom ? 1 : 0;
        counts.nGiven += square.m_bGiven ? 1 : 0;
    }
    for (const CClue* pClue : p.m_lstClues) {
        ++counts.nClues;
        counts.nReachable += pClue->m_nNumber != 0 ? 1 : 0;
    }
    return counts;
}

TEST_F(SourceCorpusLoadTest, EachFileLoadsWithItsGridWordsAndClues)
{
    const struct {
        const char* file;
        int nWidth, nHeight;
        long nMissing, nEmpty;
        int nWords, nClues, nReachable;
        bool bAnswers;
    } cases[] = {
        // 245 null squares around the guitar; every clue on its word.
        {"ipuz/db-shaped-example-guitar.ipuz", 17, 31, 245, 215, 57, 57, 57, true},
        // The "solution" repeats the labels: no answers.
        {"ipuz/db-11x11-barred.ipuz", 11, 11, 0, 121, 42, 42, 42, false},
        {"ipuz/db-homepage-no-solution.ipuz", 9, 9, 0, 60, 12, 12, 12, false},
        // 72 open squares, three of them given (F, U, N); clues "2-3" go by
        // their first label, those whose labels only marks show go nowhere.
        {"ipuz/sv-first.ipuz", 13, 13, 97, 69, 32, 31, 14, true},
        // Regions, not words: no clue belongs to a word of the grid.
        {"ipuz/cn-patchwork_quilt.ipuz", 9, 9, 0, 81, 51, 25, 0, true},
        // Clues without labels.
        {"ipuz/cn-Route_66.ipuz", 15, 15, 0, 162, 32, 32, 0, true},
        {"ipuz/kw-test-solved.ipuz", 5, 5, 0, 0, 10, 10, 10, true},
        {"jpz/kw-test-barred.jpz", 5, 5, 0, 24, 10, 10, 10, true},
        // No clues in the file at all.
        {"xd/ca-nyt1955-01-01.xd", 15, 15, 0, 187, 84, 0, 0, true},
        {"xd/xp-saulpw-008.xd", 15, 15, 0, 181, 78, 78, 78, true},
    };
    for (const auto& c : cases) {
        const CCrossWordPuzzle& p = Load(c.file);
        const CWordCounts counts = Count(p);
        EXPECT_EQ(p.m_nWidth, c.nWidth) << c.file;
        EXPECT_EQ(p.m_nHeight, c.nHeight) << c.file;
        EXPECT_EQ(p.GetMissingCount(), c.nMissing) << c.file;
        EXPECT_EQ(p.GetEmptyCount(), c.nEmpty) << c.file;
        EXPECT_EQ(counts.nWords, c.nWords) << c.file;
        EXPECT_EQ(counts.nClues, c.nClues) << c.file;
        EXPECT_EQ(counts.nReachable, c.nReachable) << c.file;
        EXPECT_EQ(p.KnowsAnswers() != FALSE, c.bAnswers) << c.file;
    }
}

TEST_F(SourceCorpusLoadTest, SpotChecksOfSquaresAndClues)
{
    {
        const CCrossWordPuzzle& p = Load("ipuz/db-shaped-example-guitar.ipuz");
        EXPECT_EQ(p.GetLabel(6, 0), u"1");
        EXPECT_EQ(Text(p.GetAcrossClue(6, 0)), "1:");
        EXPECT_TRUE(p.IsMissing(0, 0));
    }
    {
        // Ten bars each way, as "L" and "T" on the squares after them.
        const CCrossWordPuzzle& p = Load("ipuz/db-11x11-barred.ipuz");
        const CWordCounts counts = Count(p);
        EXPECT_EQ(counts.nBarsRight, 10);
        EXPECT_EQ(counts.nBarsBottom, 10);
        EXPECT_TRUE(p.GetSquare(2, 1).m_bBarRight);  // "13" has its bar on the left
        EXPECT_EQ(Text(p.GetAcrossClue(3, 1)), "13:");
        EXPECT_FALSE(p.IsSolved());
    }
    {
        const CCrossWordPuzzle& p = Load("ipuz/sv-first.ipuz");
        EXPECT_EQ(Count(p).nGiven, 3);
        EXPECT_EQ(p.GetSquare(5, 1).m_chLetter, u'F');
        EXPECT_EQ(Text(p.GetAcrossClue(4, 2)), "2-3:What bargain hunters enjoy");
    }
    {
        const CCrossWordPuzzle& p = Load("ipuz/cn-patchwork_quilt.ipuz");
        EXPECT_EQ(p.m_astrClueLists, (std::vector<std::u16string> {u"Colors", u"Patches"}));
        std::vector<std::string> texts;
        for (const CClue* pClue : p.GetOtherCluesAt(0, 0))
            texts.push_back(Text(pClue));
        EXPECT_EQ(texts,
                  (std::vector<std::string> {"1:In closer proximity", "1:First word of the Postal Service motto"}));
    }
    {
        const CCrossWordPuzzle& p = Load("ipuz/kw-test-solved.ipuz");
        EXPECT_TRUE(p.IsSolved());
    }
}

}  // namespace
}  // namespace trellis::test
