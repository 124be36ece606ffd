// SPDX-License-Identifier: MIT
// Taking steps of a solve back and doing them again: what each step restores,
// which steps are kept, and what the history holds for the largest grid.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "model/SolveHistory.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/TempDir.h"

using trellis::test::PuzzleFileWriter;
using trellis::test::TempDir;

namespace {

// The player's part of a square, and what a step must leave alone.
struct Play {
    char16_t chLetter;
    BOOL bFilled;
    BOOL bChecked;
    BOOL bShown;
    BOOL bWasIncorrect = FALSE;
    std::u16string strRebus = {};
};

Play PlayOf(const CSquare& square)
{
    return {square.m_chLetter, square.m_bFilled,       square.m_bChecked,
            square.m_bShown,   square.m_bWasIncorrect, square.m_strRebusEntry};
}

bool operator==(const Play& a, const Play& b)
{
    return a.chLetter == b.chLetter && a.bFilled == b.bFilled && a.bChecked == b.bChecked && a.bShown == b.bShown &&
           a.bWasIncorrect == b.bWasIncorrect && a.strRebus == b.strRebus;
}

std::ostream& operator<<(std::ostream& os, const Play& p)
{
    os << "'" << static_cast<char>(p.chLetter) << "' filled " << p.bFilled << " checked " << p.bChecked << " shown "
       << p.bShown << " was wrong " << p.bWasIncorrect << " rebus ";
    for (char16_t ch : p.strRebus)
        os << static_cast<char>(ch);
    return os;
}

void Put(CCrossWordPuzzle& puzzle, int c, int r, const Play& play)
{
    CSquare square = puzzle.GetSquare(c, r);
    square.m_chLetter = play.chLetter;
    square.m_bFilled = play.bFilled;
    square.m_bChecked = play.bChecked;
    square.m_bShown = play.bShown;
    square.m_bWasIncorrect = play.bWasIncorrect;
    square.m_strRebusEntry = play.strRebus;
    puzzle.SetSquare(c, r, square);
}

// The player's part of every square, in grid order.
std::vector<Play> Snapshot(const CCrossWordPuzzle& puzzle)
{
    std::vector<Play> all;
    for (const CSquare& square : puzzle.GetSquares())
        all.push_back(PlayOf(square));
    return all;
}

CGridSelection Selection(int c, int r, int nDirection = DIRECTION_ACROSS)
{
    CGridSelection sel;
    sel.m_nDirection = nDirection;
    sel.m_ptSelected = CPoint(c, r);
    sel.m_ptWordStart = CPoint(0, r);
    return sel;
}

class SolveHistoryTest : public ::testing::Test {
protected:
    void Load(const std::vector<std::string>& rows) { m_pPuzzle = PuzzleFileWriter(rows).Load(m_dir); }

    // One step at sel: each square is recorded, then given its new play.
    BOOL Step(CSolveHistory& history, const std::vector<std::pair<CPoint, Play>>& changes,
              const CGridSelection& sel = Selection(0, 0))
    {
        history.BeginStep(sel, changes.size());
        for (const auto& [pt, play] : changes) {
            history.Record(*m_pPuzzle, pt.x, pt.y);
            Put(*m_pPuzzle, pt.x, pt.y, play);
        }
        return history.EndStep(*m_pPuzzle);
    }

    // Every white square of the grid changed in one step, as Clear Puzzle and
    // Show Puzzle do.
    BOOL WholeGridStep(CSolveHistory& history, const std::function<Play(int c, int r)>& play)
    {
        history.BeginStep(Selection(0, 0), static_cast<std::size_t>(m_pPuzzle->m_nWidth) * m_pPuzzle->m_nHeight);
        for (int c = 0; c < m_pPuzzle->m_nWidth; ++c) {
            for (int r = 0; r < m_pPuzzle->m_nHeight; ++r) {
                if (m_pPuzzle->IsBlack(c, r))
                    continue;
                history.Record(*m_pPuzzle, c, r);
                Put(*m_pPuzzle, c, r, play(c, r));
            }
        }
        return history.EndStep(*m_pPuzzle);
    }

    TempDir m_dir;
    std::unique_ptr<CCrossWordPuzzle> m_pPuzzle;
};

const Play kEmpty {u' ', FALSE, FALSE, FALSE};

TEST_F(SolveHistoryTest, UndoAndRedoGiveEachFieldOfTheSquareBack)
{
    struct Case {
        const char* name;
        Play before;
        Play after;
    };
    const Case cases[] = {
        {"a letter typed", kEmpty, {u'Q', TRUE, FALSE, FALSE}},
        {"a letter typed and checked as entered", kEmpty, {u'Q', TRUE, TRUE, FALSE}},
        {"a checked letter typed over", {u'X', TRUE, TRUE, FALSE}, {u'Y', TRUE, FALSE, FALSE}},
        {"a check mark", {u'X', TRUE, FALSE, FALSE}, {u'X', TRUE, TRUE, FALSE}},
        {"a check mark on an empty square", kEmpty, {u' ', FALSE, TRUE, FALSE}},
        {"a letter shown", {u'X', TRUE, TRUE, FALSE}, {u'B', TRUE, TRUE, TRUE}},
        {"a shown letter cleared", {u'B', TRUE, FALSE, TRUE}, kEmpty},
        {"filled only", {u'B', FALSE, FALSE, FALSE}, {u'B', TRUE, FALSE, FALSE}},
        {"a wrong letter checked and found wrong", {u'X', TRUE, FALSE, FALSE}, {u'X', TRUE, TRUE, FALSE, TRUE}},
        {"a once wrong letter shown", {u'X', TRUE, TRUE, FALSE, TRUE}, {u'B', TRUE, TRUE, TRUE, TRUE}},
        {"a rebus entered", kEmpty, {u'S', TRUE, FALSE, FALSE, FALSE, u"STAR"}},
        {"a rebus entered over another",
         {u'M', TRUE, FALSE, FALSE, FALSE, u"MOON"},
         {u'S', TRUE, FALSE, FALSE, FALSE, u"STARLIGHT"}},
        {"a rebus shortened", {u'S', TRUE, FALSE, FALSE, FALSE, u"STAR"}, {u'S', TRUE, FALSE, FALSE, FALSE, u"ST"}},
        {"a rebus cleared", {u'S', TRUE, FALSE, FALSE, FALSE, u"STARLIGHT"}, kEmpty},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Load({"ABC", "D#E", "FGH"});
        const CSquare original = m_pPuzzle->GetSquare(1, 0);
        Put(*m_pPuzzle, 1, 0, c.before);
        CSolveHistory history;
        ASSERT_TRUE(Step(history, {{CPoint(1, 0), c.after}}, Selection(1, 0)));

        CGridSelection sel;
        std::vector<CPoint> told;
        auto tell = [&told](int nCol, int nRow) { told.emplace_back(nCol, nRow); };
        ASSERT_TRUE(history.Undo(*m_pPuzzle, sel, tell));
        EXPECT_EQ(PlayOf(m_pPuzzle->GetSquare(1, 0)), c.before);
        EXPECT_EQ(sel, Selection(1, 0));
        EXPECT_EQ(told, std::vector<CPoint> {CPoint(1, 0)});

        ASSERT_TRUE(history.Redo(*m_pPuzzle, sel, tell));
        const CSquare redone = m_pPuzzle->GetSquare(1, 0);
        EXPECT_EQ(PlayOf(redone), c.after);
        // What the file gave the square is never touched.
        EXPECT_EQ(redone.m_chSolution, original.m_chSolution);
        EXPECT_EQ(redone.m_nAcrossNumber, original.m_nAcrossNumber);
        EXPECT_EQ(redone.m_nDownNumber, original.m_nDownNumber);
        EXPECT_EQ(redone.m_bBlack, FALSE);
        // The counts follow the squares both ways.
        EXPECT_EQ(m_pPuzzle->GetEmptyCount(), c.after.bFilled ? 7 : 8);
    }
}

TEST_F(SolveHistoryTest, OnlyStepsThatChangedASquareAreKept)
{
    Load({"ABC", "D#E", "FGH"});
    Put(*m_pPuzzle, 0, 0, {u'A', TRUE, TRUE, FALSE});
    CSolveHistory history;
    // Clear Letter on an empty square, and a check mark where there is one.
    EXPECT_FALSE(Step(history, {{CPoint(1, 0), kEmpty}}));
    EXPECT_FALSE(Step(history, {{CPoint(0, 0), {u'A', TRUE, TRUE, FALSE}}}));
    EXPECT_FALSE(history.CanUndo());

    // A word of which one square changes keeps that square only.
    ASSERT_TRUE(Step(history, {{CPoint(0, 0), {u'A', TRUE, TRUE, FALSE}}, {CPoint(1, 0), {u'B', TRUE, TRUE, FALSE}}}));
    std::vector<CPoint> told;
    CGridSelection sel;
    ASSERT_TRUE(history.Undo(*m_pPuzzle, sel, [&told](int c, int r) { told.emplace_back(c, r); }));
    EXPECT_EQ(told, std::vector<CPoint> {CPoint(1, 0)});

    // Squares outside the grid and squares recorded without a step are not kept.
    history.BeginStep(Selection(0, 0), 2);
    history.Record(*m_pPuzzle, 3, 0);
    history.Record(*m_pPuzzle, -1, 0);
    EXPECT_FALSE(history.EndStep(*m_pPuzzle));
    history.Record(*m_pPuzzle, 2, 0);
    Put(*m_pPuzzle, 2, 0, {u'C', TRUE, FALSE, FALSE});
    EXPECT_FALSE(history.EndStep(*m_pPuzzle));
}

TEST_F(SolveHistoryTest, StepsGoBackNewestFirstAndANewStepEndsRedo)
{
    Load({"ABC", "D#E", "FGH"});
    const Play fresh = PlayOf(m_pPuzzle->GetSquare(0, 0));
    CSolveHistory history;
    const Play x {u'X', TRUE, FALSE, FALSE}, y {u'Y', TRUE, FALSE, FALSE}, z {u'Z', TRUE, FALSE, FALSE};
    ASSERT_TRUE(Step(history, {{CPoint(0, 0), x}}, Selection(0, 0)));
    ASSERT_TRUE(Step(history, {{CPoint(0, 0), y}, {CPoint(1, 0), y}}, Selection(1, 0)));
    ASSERT_TRUE(Step(history, {{CPoint(2, 2), z}}, Selection(2, 2)));
    EXPECT_EQ(history.GetUndoCount(), 3u);

    CGridSelection sel;
    ASSERT_TRUE(history.Undo(*m_pPuzzle, sel, nullptr));
    EXPECT_EQ(sel, Selection(2, 2));
    EXPECT_EQ(PlayOf(m_pPuzzle->GetSquare(2, 2)), fresh);
    ASSERT_TRUE(history.Undo(*m_pPuzzle, sel, nullptr));
    EXPECT_EQ(sel, Selection(1, 0));
    EXPECT_EQ(PlayOf(m_pPuzzle->GetSquare(0, 0)), x);
    EXPECT_EQ(PlayOf(m_pPuzzle->GetSquare(1, 0)), fresh);
    EXPECT_EQ(history.GetRedoCount(), 2u);

    // Redo takes the oldest undone step first.
    ASSERT_TRUE(history.Redo(*m_pPuzzle, sel, nullptr));
    EXPECT_EQ(sel, Selection(1, 0));
    EXPECT_EQ(PlayOf(m_pPuzzle->GetSquare(0, 0)), y);
    EXPECT_EQ(history.GetRedoCount(), 1u);

    // A new step drops what was left to redo; a step that changes nothing does not.
    EXPECT_FALSE(Step(history, {{CPoint(0, 0), y}}));
    EXPECT_TRUE(history.CanRedo());
    ASSERT_TRUE(Step(history, {{CPoint(0, 2), x}}, Selection(0, 2)));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_FALSE(history.Redo(*m_pPuzzle, sel, nullptr));
    EXPECT_EQ(sel, Selection(1, 0));  // untouched by a Redo that did nothing
    EXPECT_EQ(PlayOf(m_pPuzzle->GetSquare(2, 2)), fresh);

    // Everything back to the start, then nothing more.
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(history.Undo(*m_pPuzzle, sel, nullptr)) << i;
    EXPECT_FALSE(history.Undo(*m_pPuzzle, sel, nullptr));
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r)
            EXPECT_FALSE(m_pPuzzle->GetSquare(c, r).m_bFilled) << c << "," << r;

    history.Clear();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.GetBytes(), 0u);
}

TEST_F(SolveHistoryTest, ClearPuzzleOnTheLargestGridIsOneStepOfLessThanOneGridCopy)
{
    const std::string row(255, 'M');
    Load(std::vector<std::string>(255, row));
    const std::size_t nSquares = 255u * 255u;
    // Every kind of square state, spread over the grid.
    const Play kinds[] = {
        {u'M', TRUE, FALSE, FALSE}, {u'Q', TRUE, TRUE, FALSE}, {u'M', TRUE, FALSE, TRUE}, kEmpty,
        {u' ', FALSE, TRUE, FALSE},
    };
    for (int c = 0; c < 255; ++c)
        for (int r = 0; r < 255; ++r)
            Put(*m_pPuzzle, c, r, kinds[(c * 7 + r) % 5]);
    const std::vector<Play> before = Snapshot(*m_pPuzzle);

    CSolveHistory history;
    ASSERT_TRUE(WholeGridStep(history, [](int, int) { return kEmpty; }));
    EXPECT_EQ(history.GetUndoCount(), 1u);
    // Less than one copy of the grid's squares: only the player's part of
    // the squares that changed is kept.
    EXPECT_LT(history.GetBytes(), nSquares * sizeof(CSquare));
    EXPECT_GT(history.GetBytes(), 0u);
    const std::vector<Play> cleared = Snapshot(*m_pPuzzle);

    std::size_t nTold = 0;
    CGridSelection sel;
    ASSERT_TRUE(history.Undo(*m_pPuzzle, sel, [&nTold](int, int) { ++nTold; }));
    EXPECT_TRUE(Snapshot(*m_pPuzzle) == before);
    // The empty squares were not changed by the clear, so they are not told.
    EXPECT_EQ(nTold, nSquares - nSquares / 5);
    EXPECT_EQ(m_pPuzzle->GetEmptyCount(), static_cast<long>(2 * nSquares / 5));

    ASSERT_TRUE(history.Redo(*m_pPuzzle, sel, nullptr));
    EXPECT_TRUE(Snapshot(*m_pPuzzle) == cleared);
    EXPECT_EQ(m_pPuzzle->GetEmptyCount(), static_cast<long>(nSquares));
}

TEST_F(SolveHistoryTest, TheOldestStepsGoWhenTheLimitIsReached)
{
    const std::string row(255, 'M');
    Load(std::vector<std::string>(255, row));
    CSolveHistory history;
    // Show Puzzle and Clear Puzzle in turn, far more than the limit holds.
    for (int i = 0; i < 40; ++i) {
        const Play play = i % 2 == 0 ? Play {u'M', TRUE, FALSE, TRUE} : kEmpty;
        ASSERT_TRUE(WholeGridStep(history, [play](int, int) { return play; })) << i;
        ASSERT_LE(history.GetBytes(), CSolveHistory::kDefaultMaxBytes) << i;
    }
    const std::size_t nKept = history.GetUndoCount();
    EXPECT_GE(nKept, 2u);
    EXPECT_LT(nKept, 40u);
    // The steps kept still undo, the newest first: a clear, then a show.
    CGridSelection sel;
    ASSERT_TRUE(history.Undo(*m_pPuzzle, sel, nullptr));
    EXPECT_EQ(PlayOf(m_pPuzzle->GetSquare(254, 254)), (Play {u'M', TRUE, FALSE, TRUE}));
    ASSERT_TRUE(history.Undo(*m_pPuzzle, sel, nullptr));
    EXPECT_EQ(PlayOf(m_pPuzzle->GetSquare(0, 0)), kEmpty);
    EXPECT_EQ(history.GetUndoCount(), nKept - 2);
}

TEST_F(SolveHistoryTest, AStepLargerThanTheLimitIsNotKept)
{
    const std::string row(40, 'M');
    Load(std::vector<std::string>(40, row));
    // Room for a letter, but not for 1,600 letters of two bytes each.
    constexpr std::size_t kLimit = 2048;
    CSolveHistory history(kLimit);
    ASSERT_TRUE(Step(history, {{CPoint(0, 2), {u'M', TRUE, FALSE, FALSE}}}));
    ASSERT_EQ(history.GetUndoCount(), 1u);
    // It changed the squares all the same; the steps before it cannot be
    // undone past it, so they go with it.
    EXPECT_TRUE(WholeGridStep(history, [](int, int) { return Play {u'M', TRUE, FALSE, TRUE}; }));
    EXPECT_LE(history.GetBytes(), kLimit);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(PlayOf(m_pPuzzle->GetSquare(39, 39)), (Play {u'M', TRUE, FALSE, TRUE}));
}

}  // namespace
