// SPDX-License-Identifier: MIT
// Choosing the key of a locked puzzle when several give its checksum: the
// letter pairs of the clues, and the key whose answers read as words.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "model/KeyChoice.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/PuzzleState.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using trellis::test::PuzzleFileWriter;
using trellis::test::TempDir;
using trellis::test::WhiteAnswers;

namespace {

std::unique_ptr<CCrossWordPuzzle> LoadCorpus(const std::string& name)
{
    auto puzzle = std::make_unique<CCrossWordPuzzle>();
    std::u16string strError;
    if (!puzzle->LoadPuzzle((fs::path(TRELLIS_CORPUS_DIR) / "puz" / name).u16string(), strError))
        return nullptr;
    return puzzle;
}

}  // namespace

TEST(LetterPairs, CountsThePairsInsideWordsInEitherCase)
{
    CLetterPairs pairs;
    pairs.AddText(u"Tea, eat; ate.");
    pairs.AddText(u"T E A");  // letters apart make no pair
    // "te" twice (Tea, ate), "ea" twice (Tea, eat), "at" twice (eat, ate).
    EXPECT_DOUBLE_EQ(pairs.LogLikelihood('T', 'E'), pairs.LogLikelihood('e', 'a'));
    EXPECT_DOUBLE_EQ(pairs.LogLikelihood('A', 'T'), pairs.LogLikelihood('E', 'A'));
    EXPECT_GT(pairs.LogLikelihood('T', 'E'), pairs.LogLikelihood('E', 'T'));
    // Pairs the texts never hold are rare, not impossible, and all alike.
    EXPECT_LT(pairs.LogLikelihood('Q', 'Z'), pairs.LogLikelihood('A', 'T'));
    EXPECT_DOUBLE_EQ(pairs.LogLikelihood('Q', 'Z'), pairs.LogLikelihood('E', 'T'));
    // 6 pairs counted, half a count each of 676 pairs on top: (2 + 0.5) / (6 + 338).
    EXPECT_NEAR(pairs.LogLikelihood('T', 'E'), std::log(2.5 / 344.0), 1e-12);
    EXPECT_NEAR(pairs.LogLikelihood('Q', 'Z'), std::log(0.5 / 344.0), 1e-12);
    // Anything but a letter is never a likely pair.
    EXPECT_DOUBLE_EQ(pairs.LogLikelihood('1', 'E'), pairs.LogLikelihood('Q', 'Z'));
}

// A grid of words locked with 4271: offered wrong keys as well, the one that
// gives the words wins, wherever it stands; with no clues to learn from,
// every key scores alike and the first one offered is taken.
TEST(ChooseKey, TakesTheKeyWhoseAnswersReadLikeTheClues)
{
    TempDir dir;
    const std::vector<std::string> rows = {"HEART", "EM#ER", "ABUSE", "RE#IN", "TREND"};
    auto locked = PuzzleFileWriter(rows)
                      .Clues({"Organ that pumps blood", "Center of affairs", "Glowing coal", "Sticky tree sap",
                              "Fashion direction", "Printer's measure", "Emergency room, briefly", "Mistreat",
                              "About, on a memo", "Popular", "Current fashion"})
                      .Locked(4271)
                      .Load(dir);
    // The white squares' letters column by column, as the file keeps them.
    std::string scrambled;
    for (int c = 0; c < locked->m_nWidth; ++c)
        for (int r = 0; r < locked->m_nHeight; ++r)
            if (!locked->IsBlack(c, r))
                scrambled.push_back(static_cast<char>(locked->GetSquare(c, r).m_chSolution));
    ASSERT_EQ(scrambled.size(), 23u);
    ASSERT_NE(scrambled.substr(0, 5), "HEART");

    // Every across and down word by its squares' places in that order:
    // column 0 holds 0 to 4, column 1 5 to 9, column 2 (two black squares)
    // 10 to 12, column 3 13 to 17 and column 4 18 to 22.
    const std::vector<std::vector<std::size_t>> words = {
        {0, 5, 10, 13, 18},
        {1, 6},
        {14, 19},
        {2, 7, 11, 15, 20},
        {3, 8},
        {16, 21},
        {4, 9, 12, 17, 22},
        {0, 1, 2, 3, 4},
        {5, 6, 7, 8, 9},
        {13, 14, 15, 16, 17},
        {18, 19, 20, 21, 22},
    };
    CLetterPairs pairs;
    for (const CClue* pClue : locked->m_lstClues)
        pairs.AddText(pClue->m_strText);
    EXPECT_EQ(ChooseKey(scrambled, {1234, 4271, 9876}, words, pairs), 4271);
    EXPECT_EQ(ChooseKey(scrambled, {4271, 1234}, words, pairs), 4271);
    EXPECT_EQ(ChooseKey(scrambled, {1234, 9876}, words, CLetterPairs()), 1234);
    EXPECT_EQ(ChooseKey(scrambled, {}, words, pairs), -1);

    // The puzzle's own choice goes by its clues and its grid's words.
    EXPECT_EQ(locked->ChooseKey({1234, 4271, 9876}), 4271);
    EXPECT_EQ(locked->ChooseKey({}), -1);
}

// nyt_diagramless.puz: 3285 and 7230 both give the checksum. Read with 3285
// the first row across is VISTA ("Panorama") and the first words down VERB
// ("Action word"), INS ("___ and outs") and SCI ("Biol. or chem."); with 7230
// they are YJSBE, YTYQ, JVT and SNJ.
TEST(ChooseKey, OfTheTwoKeysOfTheLockedDiagramlessTheOneThatGivesWords)
{
    auto puzzle = LoadCorpus("nyt_diagramless.puz");
    if (!puzzle)
        GTEST_SKIP() << "no corpus file nyt_diagramless.puz";
    ASSERT_EQ(puzzle->FindKeys(), (std::vector<int> {3285, 7230}));
    EXPECT_EQ(puzzle->ChooseKey(puzzle->FindKeys()), 3285);
    EXPECT_EQ(puzzle->ChooseKey({7230, 3285}), 3285);
    ASSERT_TRUE(puzzle->Unlock(3285));
    EXPECT_EQ(WhiteAnswers(*puzzle).substr(0, 5), "VISTA");
}

// The other locked files have one key each, found and taken as it is; each
// gives the words of its clues (nyt_sun_rebus.puz: STUART, "Portraitist of
// George Washington"; nyt_locked.puz: PANDORASBOX; nyt_weekday_with_notes.puz:
// PASODOBLE).
TEST(ChooseKey, ALockedFileWithOneKeyIsUnlockedByIt)
{
    const std::map<std::string, std::pair<int, std::string>> files = {
        {"nyt_sun_rebus.puz", {2173, "STUART"}},
        {"nyt_locked.puz", {7844, "PANDORASBOX"}},
        {"nyt_weekday_with_notes.puz", {7562, "PASODOBLE"}},
    };
    for (const auto& [name, expected] : files) {
        SCOPED_TRACE(name);
        auto puzzle = LoadCorpus(name);
        if (!puzzle)
            GTEST_SKIP() << "no corpus file " << name;
        const std::vector<int> keys = puzzle->FindKeys();
        EXPECT_EQ(keys, std::vector<int> {expected.first});
        ASSERT_TRUE(puzzle->Unlock(puzzle->ChooseKey(keys)));
        EXPECT_EQ(WhiteAnswers(*puzzle).substr(0, expected.second.size()), expected.second);
    }
}
