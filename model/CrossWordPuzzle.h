// SPDX-License-Identifier: MIT
#pragma once

// The one loaded crossword: texts of the puzzle file, the grid of squares
// (row-major, column first in every call), the word numbers and the clues.
// A passive store: it sends no notifications.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Clue.h"
#include "model/Object.h"
#include "model/SolveTimer.h"
#include "model/Square.h"
#include "model/Types.h"

class CPuzzleBytes;
struct CPuzzleSource;

// Puzzle and solution files larger than this are refused unread.
constexpr unsigned long kMaxInputFileBytes = 16UL * 1024 * 1024;

// The whole of a puzzle file of any format, up to kMaxInputFileBytes. FALSE
// leaves the message for the user in strError.
BOOL ReadPuzzleFileBytes(const std::u16string& strPath, std::string& bytes, std::u16string& strError);

class CCrossWordPuzzle : public CObject {
    DECLARE_SERIAL(CCrossWordPuzzle)

public:
    CCrossWordPuzzle();
    CCrossWordPuzzle(const CCrossWordPuzzle&) = delete;
    CCrossWordPuzzle& operator=(const CCrossWordPuzzle&) = delete;
    ~CCrossWordPuzzle() override;

    // Reads a puzzle file. FALSE leaves a message in strError and a partly
    // filled object that the caller discards.
    BOOL LoadPuzzle(const std::u16string& strPath, std::u16string& strError);
    // Reads a puzzle file of any of the four formats, chosen by what its
    // bytes hold (plain text named .puz is left to the .puz reader, since
    // only the newer formats' readers take text). FALSE as LoadPuzzle.
    BOOL LoadFile(const std::u16string& strPath, std::u16string& strError);
    // LoadFile for a file whose bytes are already in memory; strPath names
    // it in messages and, by its extension, settles plain text as above.
    BOOL LoadBytes(std::string_view bytes, const std::u16string& strPath, std::u16string& strError);
    // Builds the puzzle from a file of the newer formats, already read:
    // the grid with its missing squares, bars, shading and given letters,
    // the answers (rebus answers into m_astrRebus), the saved fill as the
    // player's letters, and the clue lists as the file names them. The
    // object must be fresh; m_strFileName is the caller's to set.
    void LoadSource(const CPuzzleSource& source);
    // The same, taking the texts, labels and clue squares over from the source.
    void LoadSource(CPuzzleSource&& source);

    // A copy of the square; a default (black) square outside the grid.
    CSquare GetSquare(int nCol, int nRow) const;
    // Stores a copy at m_nWidth * nRow + nCol, growing the grid with black
    // squares when that lies beyond its end.
    void SetSquare(int nCol, int nRow, const CSquare& square);
    // The grid, row-major. Squares change only through SetSquare, which
    // keeps the counts below.
    const std::vector<CSquare>& GetSquares() const { return m_aSquares; }

    // TRUE for every position outside the grid: callers use it as the edge.
    // A missing square is black too.
    BOOL IsBlack(int nCol, int nRow) const;
    // Black as the player sees it: on a diagramless puzzle only the squares
    // the player marked black (and the edge); elsewhere IsBlack.
    BOOL IsBlackToPlayer(int nCol, int nRow) const;
    // A square that is no part of the grid; FALSE outside it.
    BOOL IsMissing(int nCol, int nRow) const;
    // TRUE when the word through (nCol, nRow) cannot go on to the next
    // square across (or down): that square or the next is black or outside
    // the grid, or a bar stands between them.
    BOOL IsWordEnd(int nCol, int nRow, BOOL bAcross) const;
    // The text drawn in the square's corner: the file's own label, or the
    // number of the word that starts there; empty for none.
    std::u16string GetLabel(int nCol, int nRow) const;
    // Squares that are no part of the grid, kept up to date as the counts below.
    long GetMissingCount() const { return m_nMissing; }
    BOOL IsFilled(int nCol, int nRow) const;
    BOOL IsIncorrect(int nCol, int nRow) const;
    // The same for a square of this puzzle: checked and not holding its
    // answer, a rebus entry judged whole. An empty checked square counts; a
    // black mark is wrong on a white square.
    BOOL IsIncorrect(const CSquare& square) const;
    // Filled with its answer: a rebus entry must be the whole answer, a
    // single letter the answer grid's letter (for a rebus square its first
    // letter, as the file format intends) or a one-character rebus answer.
    BOOL HoldsAnswer(const CSquare& square) const;
    // The square's answer has the character: its letter, or any character of
    // its rebus answer. So digits and symbols are taken where they belong.
    BOOL AnswerHas(const CSquare& square, WCHAR ch) const;
    // Every white square that the player can change holds a letter that
    // Show gave it (no letter typed, none given by the file left out).
    BOOL IsAllShown() const;

    // While the puzzle is locked, a full grid is judged by the checksum of
    // the letters, since the answers are not known. Without that checksum
    // to take, it costs the same on every grid size.
    BOOL IsSolved() const;
    // White squares without a letter, and white squares without their
    // answer (empty or wrong), as stored; kept up to date by every change.
    long GetEmptyCount() const { return m_nEmpty; }
    long GetUnsolvedCount() const { return m_nUnsolved; }
    // Check and Show can be offered: the answers are known and not locked.
    BOOL KnowsAnswers() const { return !m_bLocked && m_bHasSolution; }
    // Of the answers as the file holds them, also after unlocking.
    DWORD GetChecksum() const;
    // A 64-bit digest of the size, the black squares and every answer as the
    // file holds them, also after unlocking. Unlike the checksum, a change of
    // any one answer changes it.
    std::uint64_t GetAnswerDigest() const;
    void NumberSquares();
    // Appends a clue that the puzzle owns to m_lstClues.
    CClue* AddClue(std::u16string strText, int nNumber, BOOL bAcross);

    // Unscrambles the answers with a key from 0 to 9999. FALSE, and nothing
    // changes, when the puzzle is not locked or the key gives other answers.
    BOOL Unlock(int nKey);
    // Every key that gives answers with the stored checksum.
    std::vector<int> FindKeys() const;
    // Of those keys, the one whose answers read most like the words of the
    // puzzle's own clues; -1 for none.
    int ChooseKey(const std::vector<int>& keys) const;
    // The whole answer of a rebus square, or nullptr for any other square.
    const std::u16string* GetRebus(const CSquare& square) const;

    BOOL IsInAcrossWord(int nCol, int nRow) const;
    BOOL IsInDownWord(int nCol, int nRow) const;
    CPoint GetAcrossStart(int nCol, int nRow) const;
    CPoint GetDownStart(int nCol, int nRow) const;
    CClue* GetAcrossClue(int nCol, int nRow) const;
    CClue* GetDownClue(int nCol, int nRow) const;
    // The across or down clue with that number, or nullptr.
    CClue* GetClue(int nNumber, BOOL bAcross) const { return FindClue(nNumber, bAcross); }
    // The clues of the lists that are neither across nor down (regions,
    // colours, ...) whose squares include (nCol, nRow), in list order.
    std::vector<const CClue*> GetOtherCluesAt(int nCol, int nRow) const;
    // Some clue list is neither across nor down.
    BOOL HasOtherLists() const;

    // Report their failures through the message sink (model/MessageSink.h).
    BOOL SaveSolution(const std::u16string& strPath);
    BOOL LoadSolution(const std::u16string& strPath);
    void Serialize(CArchive& ar) override;

    // The fields of a solution file, written.
    void StorePlayerState(CArchive& ar) const;
    // Reads the fields of a solution file into a copy of the squares: their
    // letters and filled flags from the file, a shown letter or a rebus entry
    // taken back to the letter the file holds, every other mark as it is.
    // FALSE, with the path the file names, when the file belongs to another
    // puzzle (its size or checksum differ). Throws CArchiveException for a
    // damaged file; the puzzle never changes.
    BOOL LoadPlayerState(CArchive& ar, std::vector<CSquare>& squares, std::u16string& strPuzzlePath) const;
    // Takes the player's part of every square from a grid of this size.
    void SetPlayerState(const std::vector<CSquare>& squares);
    // Whether the file is a solution file, by its content alone: its size
    // fields, the path and exactly one record for each square. strPuzzlePath
    // then holds the path of the puzzle it was saved for.
    static BOOL IsSolutionFile(const std::u16string& strPath, std::u16string& strPuzzlePath);

    std::u16string m_strFileName;
    std::u16string m_strTitle;
    std::u16string m_strAuthor;
    std::u16string m_strCopyright;
    // The file's notes (rules of a contest, hints), lines apart by "\n";
    // empty when it has none.
    std::u16string m_strNotes;
    int m_nWidth;
    int m_nHeight;
    std::vector<std::u16string> m_astrSolution;
    std::vector<std::u16string> m_astrState;
    std::vector<std::u16string> m_astrClues;
    // In numbering order (for the newer formats, in the order of their lists).
    std::vector<CClue*> m_lstClues;
    // A locked puzzle's answers are scrambled; the file keeps the checksum
    // of the real ones, taken column by column over the white squares.
    BOOL m_bLocked;
    WORD m_wAnswerChecksum;
    // The rebus answers that squares refer to (CSquare::m_nRebus).
    std::vector<std::u16string> m_astrRebus;
    // FALSE for a file that gives no answers: the player can solve it, but
    // it cannot be checked, shown or judged solved.
    BOOL m_bHasSolution;
    // The names of the clue lists, as the file gives them (CClue::m_nList):
    // "Across" and "Down" for a .puz file, any names and any number of lists
    // for the newer formats.
    std::vector<std::u16string> m_astrClueLists;
    // The direction of each of those lists: 1 across, 0 down, 2 neither.
    // Only across and down clues belong to the grid's words; the others
    // name their squares (CClue::m_aCells).
    std::vector<int> m_anClueListDirection;
    // The labels the file draws in the squares, row-major; empty when the
    // grid shows the word numbers (every .puz file).
    std::vector<std::u16string> m_astrLabels;
    // The time the file kept ("LTIM"): seconds spent solving, -1 when it
    // keeps none, and whether the timer was stopped.
    long m_nTimerSeconds;
    BOOL m_bTimerStopped;
    // This session's clock, which goes on from the time the file kept.
    CSolveTimer m_timer;
    // The seconds spent solving, the file's and this session's.
    long GetElapsedSeconds() const;
    // The time to keep in a file: as the file had it until the player's
    // first letter (-1 for none), the solving time from then on.
    long GetKeptTimerSeconds() const;
    BOOL IsKeptTimerStopped() const;
    // A diagramless puzzle: the black squares are the player's to find.
    BOOL m_bDiagramless;

protected:
    // LoadPuzzle once the file's bytes are in memory.
    BOOL ReadPuzzleBytes(std::string_view bytes, std::u16string& strError);
    BOOL ReadSize(CPuzzleBytes& file, std::u16string& strError);
    BOOL ReadSolutionGrid(CPuzzleBytes& file, std::u16string& strError);
    BOOL ReadStateGrid(CPuzzleBytes& file, std::u16string& strError);
    BOOL ReadStrings(CPuzzleBytes& file, std::u16string& strError);
    BOOL ReadString(CPuzzleBytes& file, std::u16string& str);
    // The grids stay in the file's bytes, which the reader holds until the
    // squares are built: *ppGrid points at the row-major bytes.
    BOOL ReadGrid(CPuzzleBytes& file, const BYTE** ppGrid, std::u16string& strError);
    void BuildPuzzle(const CPuzzleBytes& file, std::u16string& strError);
    void ReadExtras(CPuzzleBytes& file);
    void BuildSquares(const CPuzzleBytes& file);
    std::u16string InvalidFileText() const;

private:
    // Index of (nCol, nRow) in m_aSquares, or -1 outside the grid.
    long IndexOf(int nCol, int nRow) const;
    // The stored square, or nullptr outside the grid or beyond the array.
    const CSquare* SquareAt(int nCol, int nRow) const;
    // Every change of one square goes through here, so the counts stay true.
    void StoreSquare(std::size_t nIndex, const CSquare& square);
    // What one square adds to the empty and the unsolved count. Black squares
    // count for nothing, whatever their record holds, except that a
    // diagramless puzzle is not solved while a black square holds a letter:
    // the player's diagram would be wrong.
    static long CountAsEmpty(const CSquare& square);
    long CountAsUnsolved(const CSquare& square) const;
    // The letter or rebus entry is the answer, filled or not.
    BOOL IsRightLetter(const CSquare& square) const;
    // The writers of the whole grid (the reader, the solution file) write
    // the squares themselves and count once at the end: counting each
    // change costs a large grid's load a tenth more.
    void CountSquares();
    // Numbers the squares that start words (by the rule of the .puz files,
    // with bars ending words) and tells onWord each word's number and direction.
    void NumberWords(const std::function<void(int, BOOL)>& onWord);
    // The same with the callback inlined, for the numbering of every load.
    template <class OnWordFn> void ForEachWord(OnWordFn onWord);
    BOOL IsInWord(int nCol, int nRow, BOOL bAcross) const;
    CPoint GetWordStart(int nCol, int nRow, BOOL bAcross) const;
    CClue* FindClue(int nNumber, BOOL bAcross) const;
    void DeleteClues();
    // Makes room for nCount more clues in one block, and in m_lstClues.
    void ReserveClues(std::size_t nCount);
    // The answers (or the player's letters, all filled) of the white squares,
    // column by column, as bytes of the file's code page; FALSE when a square
    // is empty or a character has no such byte.
    BOOL ColumnBytes(BOOL bAnswers, std::string& bytes) const;

    BOOL m_bUnlocked;
    DWORD m_dwFileChecksum;  // GetChecksum before unlocking
    std::uint64_t m_nFileAnswerDigest;  // GetAnswerDigest before unlocking

    std::vector<CSquare> m_aSquares;
    long m_nEmpty;
    long m_nUnsolved;
    long m_nMissing;
    // Some square has (or had) a bar: the numbering looks for bars.
    BOOL m_bAnyBars;
    // The clues that m_lstClues points at, in blocks that never grow past
    // the room they were made with, so the clues never move while the puzzle
    // lives. A reader that knows how many clues come makes one block for all
    // (ReserveClues); a clue added later starts a new block when needed.
    std::vector<std::vector<CClue>> m_aClueStore;
};
