// SPDX-License-Identifier: MIT
#pragma once

// The crossword grid: draws the squares and the selected word, and turns taps
// into a selected square and word. It is always as large as the whole puzzle;
// its parent scrolls it by moving it.

#include "model/GridNavigator.h"
#include "platform/Platform.h"

#include <map>
#include <memory>
#include <string>

class CCrossWordPuzzle;
class CSquare;

// Sent to the parent whenever the selected word changes: wParam the direction
// (1 across, 0 down), lParam the word's first square (column low, row high).
constexpr UINT WM_WORDSELECTED = WM_USER + 1;
// Sent to the parent whenever a square becomes the selected one (also the
// same square again, after a letter): lParam the square, packed the same way.
// The parent scrolls it into view.
constexpr UINT WM_SQUARESELECTED = WM_USER + 2;

// The square those two messages carry in lParam.
inline CPoint UnpackSquare(LPARAM lParam)
{
    const DWORD dw = static_cast<DWORD>(lParam);
    return CPoint(static_cast<int>(LOWORD(dw)), static_cast<int>(HIWORD(dw)));
}

// The colour slots of the grid, in the order the settings and the Colors dialog use.
enum GridColor {
    GRID_FOREGROUND = 0,
    GRID_BACKGROUND = 1,
    GRID_FOREGROUND_INCORRECT = 2,
    GRID_FOREGROUND_SELECTED_WORD = 3,
    GRID_BACKGROUND_SELECTED_WORD = 4,
    GRID_BACKGROUND_SELECTED_SQUARE = 5,
    GRID_FOREGROUND_SELECTED_INCORRECT = 6,
    GRID_SOLID = 7,
    NUM_GRID_COLORS = 8
};

// One table for the built-in colours and the slot names (also used by "Reset Colors").
extern const COLORREF g_aDefaultGridColors[NUM_GRID_COLORS];
extern const LPCTSTR g_aGridColorNames[NUM_GRID_COLORS];

class CGridWnd : public CWnd {
public:
    CGridWnd();
    ~CGridWnd() override;

    void SetPuzzle(CCrossWordPuzzle* pPuzzle);
    void SetSquareSize(int nSize);
    void SetLetterFontSize(int nPoints);
    void SetNumberFontSize(int nPoints);
    void SetFontName(LPCTSTR lpszFace);

    CRect GetSquareRect(int nCol, int nRow) const;
    void InvalidateSquare(int nCol, int nRow);
    void DrawWord(CDC* pDC, BOOL bHighlight);

    // Moves the selected square on along the word after a letter was entered.
    void AdvanceCursor();

    // Keyboard moves (CGridNavigator says where to); each selects as a tap
    // does, so the word is drawn and announced the same way, and each does
    // nothing without a selection.
    void MoveSelection(int nDx, int nDy);
    void TurnSelection();
    void SelectNextWord(BOOL bForward);
    // FALSE, and nothing moves, when the selected square is the word's first.
    BOOL StepBack();

    // The square under a point of the client area; FALSE when the point hits none.
    BOOL HitTest(CPoint point, CPoint& ptSquare) const;
    // TRUE while a square inside the attached puzzle is selected.
    BOOL HasSelection() const;

    int m_nSquareSize;
    int m_nLineWidth;
    int m_nTopMargin;
    int m_nBottomMargin;
    int m_nLeftMargin;
    int m_nRightMargin;
    int m_nLetterFontSize;
    int m_nNumberFontSize;
    CString m_strFontName;
    BOOL m_bShowNumbers;
    CFont* m_pNumberFont;
    CFont* m_pLetterFont;
    CCrossWordPuzzle* m_pPuzzle;
    CPoint m_ptWordStart;
    CPoint m_ptSelected;
    int m_nDirection;
    COLORREF m_colors[NUM_GRID_COLORS];

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    int Pitch() const { return m_nSquareSize + m_nLineWidth; }
    void ResizeToPuzzle();
    void CreateFonts();
    void DropFont(CFont*& pFont);
    void SelectWord(int nDirection, CPoint ptStart);
    // Every change of the selected square after a load goes through here;
    // the host shows the first one itself, once it has reset its view.
    void SetSelectedSquare(CPoint pt);
    void Tap(CPoint point);
    CGridSelection Selection() const;
    // Makes the word and the square the selection, drawing the words at once
    // and announcing a new word; nothing when the selection is the same.
    void ChangeSelection(const CGridSelection& sel);
    void DrawGridLines(CDC* pDC, const CRect& rcClip);
    void DrawSquares(CDC* pDC, const CRect& rcClip);
    void DrawSquare(CDC* pDC, int nCol, int nRow, COLORREF crFore, COLORREF crForeIncorrect, COLORREF crBack,
                    COLORREF crSolid);
    void DrawCircle(CDC* pDC, const CRect& rc, COLORREF crColor);
    // A rebus answer in the largest letter size, down to a small one, that
    // fits the square's width.
    void DrawRebus(CDC* pDC, CRect& rc, const std::u16string& strText);
    CFont* RebusFont(int nPoints);
    // The columns or rows whose squares meet [nLow, nHigh) along one axis.
    void SquareSpan(int nLow, int nHigh, int nOrigin, int nCount, int& nFirst, int& nLast) const;

    // Fonts of rebus answers by size, made when first needed.
    std::map<int, std::unique_ptr<CFont>> m_rebusFonts;
};
