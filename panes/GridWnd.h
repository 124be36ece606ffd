// SPDX-License-Identifier: MIT
#pragma once

// The crossword grid: draws the squares and the selected word, and turns taps
// into a selected square and word. It is always as large as the whole puzzle;
// its parent scrolls it by moving it.

#include "model/GridNavigator.h"
#include "panes/Settings.h"
#include "platform/Platform.h"

#include <array>
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

class CGridWnd : public CWnd {
public:
    CGridWnd();
    ~CGridWnd() override;

    void SetPuzzle(CCrossWordPuzzle* pPuzzle);
    CCrossWordPuzzle* GetPuzzle() const { return m_pPuzzle; }

    // The display settings. A size the dialogs could not produce is refused:
    // the setter returns FALSE and nothing changes. The fonts follow the
    // square size: the font sizes are those at the default square size, and
    // scale with it.
    BOOL SetSquareSize(int nSize);
    // A new square size shown at once: the window takes its new size and the
    // fonts theirs, and the selection stays (SetPuzzle would reset it).
    void ApplySquareSize();
    // The size in tenths of a point of a font of nPoints at the square size.
    int FontTenths(int nPoints) const;
    BOOL SetLetterFontSize(int nPoints);
    BOOL SetNumberFontSize(int nPoints);
    void SetFontName(LPCTSTR lpszFace);
    // Any non-zero value shows the numbers.
    void SetShowNumbers(BOOL bShow) { m_bShowNumbers = bShow ? TRUE : FALSE; }
    // A colour keeps its low 24 bits; a slot outside 0 to 8 is ignored. The
    // grid shows it at its next paint.
    void SetColor(int nSlot, COLORREF color);
    int GetSquareSize() const { return m_nSquareSize; }
    int GetLineWidth() const { return m_nLineWidth; }
    int GetLetterFontSize() const { return m_nLetterFontSize; }
    int GetNumberFontSize() const { return m_nNumberFontSize; }
    const CString& GetFontName() const { return m_strFontName; }
    BOOL GetShowNumbers() const { return m_bShowNumbers; }
    // The colour of a slot; black for a slot outside 0 to 8.
    COLORREF GetColor(int nSlot) const;

    // The selection: the selected square, the first square of the selected
    // word and its direction (DIRECTION_NONE with nothing selected).
    CPoint GetSelectedSquare() const { return m_ptSelected; }
    CPoint GetWordStart() const { return m_ptWordStart; }
    int GetDirection() const { return m_nDirection; }
    CGridSelection GetSelection() const;
    // Makes sel the selection as a tap would (drawn and announced) and
    // scrolls its square into view; nothing for a selection the puzzle
    // does not have.
    void Select(const CGridSelection& sel);

    CRect GetSquareRect(int nCol, int nRow) const;
    // The window's size for the attached puzzle at a square size; (0, 0)
    // with no puzzle.
    CSize GetExtentAt(int nSquareSize) const;
    void InvalidateSquare(int nCol, int nRow);
    void DrawWord(CDC* pDC, BOOL bHighlight);

    // Moves the selected square on along the word after a letter was entered.
    void AdvanceCursor();

    // The rebus entry open in a square: its text is drawn there whole, in a
    // frame, in place of what the square holds. Each change repaints the square.
    void ShowEntry(CPoint ptSquare, const std::u16string& strText);
    void HideEntry();
    BOOL IsEntryShown() const { return m_bEntry; }

    // Keyboard moves (CGridNavigator says where to); each selects as a tap
    // does, so the word is drawn and announced the same way, and each does
    // nothing without a selection.
    void MoveSelection(int nDx, int nDy);
    void TurnSelection();
    void SelectNextWord(BOOL bForward);
    // FALSE, and nothing moves, when the selected square is the word's first.
    BOOL StepBack();
    // Selects the word of that direction starting at the square, with the
    // square selected, drawn and announced as a tap that selects it is.
    // Nothing for a square outside the grid or a black one.
    void SelectWordAt(int nDirection, CPoint ptStart);

    // The player's diagram changed (a black mark made, taken away or
    // undone): the words are drawn again, and the selected word is
    // announced again, since its squares and its number follow the marks.
    void DiagramChanged();
    // After a black mark: selects the square as a tap coming from another
    // square would, keeping the direction where the square has a word of it.
    void SelectAfterMark(CPoint pt);

    // The square under a point of the client area; FALSE when the point hits none.
    BOOL HitTest(CPoint point, CPoint& ptSquare) const;
    // TRUE while a square inside the attached puzzle is selected.
    BOOL HasSelection() const;

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
    // Makes the word and the square the selection, drawing the words at once
    // and announcing a new word; nothing when the selection is the same.
    void ChangeSelection(const CGridSelection& sel);
    void DrawGridLines(CDC* pDC, const CRect& rcClip);
    void DrawSquares(CDC* pDC, const CRect& rcClip);
    // bShade: the square's own colour, where it has one, takes crBack's place.
    void DrawSquare(CDC* pDC, int nCol, int nRow, COLORREF crFore, COLORREF crForeIncorrect, COLORREF crBack,
                    COLORREF crSolid, BOOL bShade = TRUE);
    // The lines around each square of a grid with missing squares.
    void DrawFrames(CDC* pDC, const CRect& rcClip);
    // The bars on the square's edges, as far as they reach into it.
    void DrawBars(CDC* pDC, int nCol, int nRow, const CRect& rc);
    // How far a bar reaches into each of its two squares.
    int BarThickness() const;
    // The mark of a letter the file gives.
    void DrawGivenMark(CDC* pDC, const CRect& rc, COLORREF crColor);
    // The letter: the whole rebus entry or shown rebus answer, or the one
    // letter; in the incorrect colour when checked wrong, lighter when pencilled.
    void DrawLetter(CDC* pDC, const CSquare& square, CRect& rc, COLORREF crFore, COLORREF crForeIncorrect,
                    COLORREF crBack);
    // The marks of the player's solve: a triangle in the top right corner
    // of a letter that Show revealed (the file's given letters have theirs
    // in the bottom right), and a dot in the bottom left corner of a square
    // that a check once found wrong, however it was mended since.
    void DrawRevealedMark(CDC* pDC, const CRect& rc);
    void DrawWasWrongMark(CDC* pDC, const CRect& rc, COLORREF crColor);
    // The open rebus entry: a frame inside the square and the text typed so far.
    void DrawEntry(CDC* pDC, CRect& rc, COLORREF crFore);
    // The stored square, or nullptr outside the grid.
    const CSquare* SquareAt(int nCol, int nRow) const;
    // While the player has paused the clock the letters are not shown.
    BOOL HidesLetters() const;
    // Drawn black: the squares the player marked on a diagramless puzzle,
    // the black squares on any other.
    BOOL IsDrawnBlack(const CSquare& square) const;
    // A diagramless puzzle shows the number of a square only once the square
    // was revealed.
    BOOL ShowsLabel(const CSquare& square) const;
    // A black mark selected on a diagramless puzzle, which the arrows reach:
    // a frame in the selected square's colour round it.
    void DrawSelectedMark(CDC* pDC);
    void DrawCircle(CDC* pDC, const CRect& rc, COLORREF crColor);
    // A rebus answer in the largest letter size, down to a small one, that
    // fits the square's width.
    void DrawRebus(CDC* pDC, CRect& rc, const std::u16string& strText);
    CFont* RebusFont(int nTenths);
    // The columns or rows whose squares meet [nLow, nHigh) along one axis.
    void SquareSpan(int nLow, int nHigh, int nOrigin, int nCount, int& nFirst, int& nLast) const;

    int m_nSquareSize = SETTING_SQUARE_SIZE.nDefault;
    int m_nLineWidth = 2;
    int m_nTopMargin = 2;
    int m_nBottomMargin = 2;
    int m_nLeftMargin = 2;
    int m_nRightMargin = 2;
    int m_nLetterFontSize = SETTING_LETTER_FONT_SIZE.nDefault;
    int m_nNumberFontSize = SETTING_NUMBER_FONT_SIZE.nDefault;
    CString m_strFontName = DEFAULT_FONT_NAME;
    BOOL m_bShowNumbers = SETTING_SHOW_NUMBERS.nDefault;
    CFont* m_pNumberFont = nullptr;
    CFont* m_pLetterFont = nullptr;
    CCrossWordPuzzle* m_pPuzzle = nullptr;
    CPoint m_ptWordStart;
    CPoint m_ptSelected;
    int m_nDirection = DIRECTION_NONE;
    std::array<COLORREF, NUM_GRID_COLORS> m_colors = DEFAULT_GRID_COLORS;
    // Fonts of rebus answers by size in tenths of a point, made when first needed.
    std::map<int, std::unique_ptr<CFont>> m_rebusFonts;
    // The rebus entry, while one is open.
    BOOL m_bEntry = FALSE;
    CPoint m_ptEntry;
    std::u16string m_strEntry;
};

// A pencilled letter's colour: halfway between the letter's colour and the
// square's, so it stands back from the inked letters in any colours chosen.
COLORREF PencilColor(COLORREF crFore, COLORREF crBack);
