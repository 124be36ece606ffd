// SPDX-License-Identifier: MIT
#pragma once

// The clue lists: every clue of the puzzle under "Across" and under "Down"
// (or the names the file gives these lists; lists of neither direction are
// the clue bar's to show),
// side by side when there is room and one above the other when not. The
// selected word's clue is drawn in the grid's selected-word colours and kept
// in view, the clue of the word crossing it at the selected square is tinted
// lightly, and a clue whose squares all hold letters is drawn muted. A click
// on a clue selects its word in the grid, from its first square.
//
// On a diagramless puzzle the lists give nothing of the diagram away: the
// selected and crossing clues are those the player's own diagram numbers, a
// click on a clue selects no word, and no clue is muted.
//
// The lists follow the grid: the puzzle window tells them when the selection
// moves and which squares change. While the pane is hidden they follow
// nothing; whoever shows it again calls ShowSelection.

#include "model/ClueIndex.h"
#include "model/GridNavigator.h"
#include "platform/Platform.h"

#include <array>

class CCrossWordPuzzle;
class CGridWnd;

class CClueListWnd : public CWnd {
public:
    CClueListWnd();
    ~CClueListWnd() override;

    // The grid whose selection the lists show and set, and whose colours
    // they draw in.
    void SetGrid(CGridWnd* pGrid) { m_pGrid = pGrid; }
    // Reads the clues of the puzzle (none for null); the selection comes
    // with the next ShowSelection.
    void SetPuzzle(CCrossWordPuzzle* pPuzzle);
    // Shows the grid's selection: its word's clue selected and in view, and
    // the crossing clue marked and in view.
    void ShowSelection();
    // A letter of the square changed: its across and down clues are drawn
    // again, muted or not.
    void SquareChanged(int nCol, int nRow);
    // Any number of squares changed at once (a solution was loaded): every
    // clue in view is drawn again.
    void AllSquaresChanged();

    CListBox& GetList(int nDirection) { return m_aLists[ListOf(nDirection)]; }
    const CClueIndex& GetIndex() const { return m_index; }
    // The crossing clue: its list's direction and its entry, or NO_ENTRY.
    int GetCrossingDirection() const { return m_nCrossDirection; }
    int GetCrossingEntry() const { return m_nCrossEntry; }
    // The rectangle of a list's heading, in client coordinates, and its text.
    CRect GetHeadingRect(int nDirection) const;
    const CString& GetHeading(int nDirection) const { return m_astrHeadings[ListOf(nDirection)]; }

    // Room the lists need at the least, each way, to show a few words.
    static constexpr int MIN_LIST_WIDTH = 120;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    void OnAcrossSelChange();
    void OnDownSelChange();

    DECLARE_MESSAGE_MAP()

private:
    // Index into m_aLists: across first, as the pane shows them.
    static int ListOf(int nDirection) { return nDirection == DIRECTION_ACROSS ? 0 : 1; }
    static int DirectionOf(int nList) { return nList == 0 ? DIRECTION_ACROSS : DIRECTION_DOWN; }
    int DirectionOfControl(int nIDCtl) const;
    // The user chose an entry in one list: its word becomes the grid's.
    void Choose(int nDirection);
    void RedrawEntry(int nDirection, int nEntry);
    void MeasureNumbers();
    int HeadingHeight() const;
    BOOL Follows() const;
    // The entry of the word of that direction through the square, as the
    // player sees the grid; NO_ENTRY for none.
    int EntryOfWord(int nDirection, CPoint pt) const;

    CGridWnd* m_pGrid = nullptr;
    CCrossWordPuzzle* m_pPuzzle = nullptr;
    // The lists' headings, across first: the names the puzzle's file gives.
    std::array<CString, 2> m_astrHeadings {CString(u"Across"), CString(u"Down")};
    CClueIndex m_index;
    std::array<CListBox, 2> m_aLists;
    CFont m_fontText;
    CFont m_fontNumber;
    CFont m_fontHeading;
    int m_nNumberWidth = 0;  // the widest clue number's
    int m_nCrossDirection = DIRECTION_NONE;
    int m_nCrossEntry = CClueIndex::NO_ENTRY;
};
