// SPDX-License-Identifier: MIT
#include "window/PuzzleWnd.h"

#include "model/CrossWordPuzzle.h"
#include "model/Format.h"
#include "res/resource.h"
#include "window/SolveHost.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kDividerColor = RGB(0, 128, 0);

void CheckSquare(CSquare& square)
{
    square.m_bChecked = TRUE;
}

void ShowSquare(CSquare& square)
{
    square.m_chLetter = square.m_chSolution;
    square.m_bFilled = TRUE;
    square.m_bShown = TRUE;
    square.m_strRebusEntry.clear();
}

void ClearSquare(CSquare& square)
{
    square.m_chLetter = u' ';
    square.m_bFilled = FALSE;
    square.m_bShown = FALSE;
    square.m_strRebusEntry.clear();
}

}  // namespace

BEGIN_MESSAGE_MAP(CPuzzleWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_MESSAGE(WM_WORDSELECTED, OnWordSelected)
    ON_MESSAGE(WM_SQUARESELECTED, OnSquareSelected)
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEWHEEL()
    ON_COMMAND(ID_CHECK_WORD, OnCheckWord)
    ON_COMMAND(ID_SHOW_LETTER, OnShowLetter)
    ON_COMMAND(ID_SHOW_WORD, OnShowWord)
    ON_COMMAND(ID_SHOW_PUZZLE, OnShowPuzzle)
    ON_COMMAND(ID_CHECK_LETTER, OnCheckLetter)
    ON_COMMAND(ID_CHECK_PUZZLE, OnCheckPuzzle)
    ON_COMMAND(ID_CLEAR_LETTER, OnClearLetter)
    ON_COMMAND(ID_CLEAR_WORD, OnClearWord)
    ON_COMMAND(ID_CLEAR_PUZZLE, OnClearPuzzle)
    ON_UPDATE_COMMAND_UI(ID_CHECK_WORD, OnUpdateAnswerCommand)
    ON_UPDATE_COMMAND_UI(ID_SHOW_LETTER, OnUpdateAnswerCommand)
    ON_UPDATE_COMMAND_UI(ID_SHOW_WORD, OnUpdateAnswerCommand)
    ON_UPDATE_COMMAND_UI(ID_SHOW_PUZZLE, OnUpdateAnswerCommand)
    ON_UPDATE_COMMAND_UI(ID_CHECK_LETTER, OnUpdateAnswerCommand)
    ON_UPDATE_COMMAND_UI(ID_CHECK_PUZZLE, OnUpdateAnswerCommand)
    ON_UPDATE_COMMAND_UI(ID_CLEAR_LETTER, OnUpdateSolveCommand)
    ON_UPDATE_COMMAND_UI(ID_CLEAR_WORD, OnUpdateSolveCommand)
    ON_UPDATE_COMMAND_UI(ID_CLEAR_PUZZLE, OnUpdateSolveCommand)
END_MESSAGE_MAP()

CPuzzleWnd::CPuzzleWnd() = default;

CPuzzleWnd::~CPuzzleWnd() = default;

BOOL CPuzzleWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style &= ~WS_BORDER;
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, nullptr,
                                       reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1)), nullptr);
    return TRUE;
}

int CPuzzleWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    struct {
        CWnd& wnd;
        LPCTSTR pszName;
        UINT nID;
    } panes[] = {
        {m_wndCross, u"cross", IDC_CROSS_WND},
        {m_wndClue, u"clue", IDC_CLUE_WND},
        {m_wndInput, u"input", IDC_INPUT_WND},
    };
    CRect rcEmpty(0, 0, 0, 0);
    for (auto& pane : panes) {
        if (!pane.wnd.Create(nullptr, pane.pszName, WS_CHILD | WS_VISIBLE, rcEmpty, this, pane.nID, nullptr))
            return -1;
    }
    return 0;
}

void CPuzzleWnd::OnSize(UINT /*nType*/, int cx, int cy)
{
    // Heights below zero (a client area lower than the bars) become zero.
    auto height = [](int n) { return std::max(0, n); };
    const int nClue = m_nClueHeight;
    // A switched-off pad is neither hidden nor destroyed: it gets no room.
    const int nInput = m_bShowInput ? m_nInputHeight : 0;
    m_wndCross.MoveWindow(0, 0, cx, height(cy - nClue - nInput), TRUE);
    m_wndClue.MoveWindow(0, cy - nClue - nInput + 1, cx, height(nClue), TRUE);
    if (m_bShowInput)
        m_wndInput.MoveWindow(0, cy - nInput + 1, cx, height(nInput), TRUE);
    else
        m_wndInput.MoveWindow(0, 0, 0, 0, TRUE);
}

BOOL CPuzzleWnd::SetClueHeight(int nHeight)
{
    return SETTING_CLUE_HEIGHT.Store(nHeight, m_nClueHeight);
}

void CPuzzleWnd::RecalcLayout()
{
    CRect rc;
    GetClientRect(&rc);
    OnSize(0, rc.Width(), rc.Height());
}

void CPuzzleWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CBrush brush(kDividerColor);
    dc.FillRect(&rc, &brush);
}

void CPuzzleWnd::SetPuzzle(CCrossWordPuzzle* pPuzzle)
{
    m_pPuzzle = pPuzzle;
    // What the bar showed belongs to the old puzzle or the old selection; the
    // grid reports its new selected word, whose clue comes in if it has one.
    m_wndClue.ClearClue();
    m_wndCross.SetPuzzle(pPuzzle);
}

LRESULT CPuzzleWnd::OnWordSelected(WPARAM wParam, LPARAM lParam)
{
    ShowClue(wParam == 0 ? DIRECTION_DOWN : DIRECTION_ACROSS, UnpackSquare(lParam), GetGrid().GetSelectedSquare());
    return 0;
}

BOOL CPuzzleWnd::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (!(nFlags & MK_CONTROL))
        return CWnd::OnMouseWheel(nFlags, zDelta, pt);
    // A turn back starts afresh; small turns add up to a notch.
    if ((m_nZoomWheel > 0 && zDelta < 0) || (m_nZoomWheel < 0 && zDelta > 0))
        m_nZoomWheel = 0;
    m_nZoomWheel += zDelta;
    CWnd* pFrame = GetParent();
    // The zoom commands are the View menu's, carried out where that menu's are.
    while (pFrame && (m_nZoomWheel >= WHEEL_DELTA || m_nZoomWheel <= -WHEEL_DELTA)) {
        const bool bIn = m_nZoomWheel > 0;
        m_nZoomWheel += bIn ? -WHEEL_DELTA : WHEEL_DELTA;
        pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(bIn ? ID_VIEW_ZOOM_IN : ID_VIEW_ZOOM_OUT, CN_COMMAND), 0);
    }
    return TRUE;
}

LRESULT CPuzzleWnd::OnSquareSelected(WPARAM /*wParam*/, LPARAM lParam)
{
    // The clues of the other lists go with the square, not with the word.
    if (m_pPuzzle != nullptr && m_pPuzzle->HasOtherLists())
        ShowClue(GetGrid().GetDirection(), GetGrid().GetWordStart(), UnpackSquare(lParam));
    return 0;
}

void CPuzzleWnd::ShowClue(int nDirection, CPoint ptStart, CPoint ptSquare)
{
    if (m_pPuzzle == nullptr || ptStart.x >= m_pPuzzle->m_nWidth || ptStart.y >= m_pPuzzle->m_nHeight)
        return;
    const CClue* pClue = nDirection == DIRECTION_DOWN ? m_pPuzzle->GetDownClue(ptStart.x, ptStart.y)
                                                      : m_pPuzzle->GetAcrossClue(ptStart.x, ptStart.y);
    std::vector<const CClue*> others;
    if (m_pPuzzle->HasOtherLists())
        others = m_pPuzzle->GetOtherCluesAt(ptSquare.x, ptSquare.y);
    if (pClue == nullptr && others.empty()) {
        // A word that the file gives no clue shows none, rather than the
        // last word's; a square that starts no word changes nothing.
        const CSquare start = m_pPuzzle->GetSquare(ptStart.x, ptStart.y);
        if ((nDirection == DIRECTION_DOWN ? start.m_nDownNumber : start.m_nAcrossNumber) != 0)
            m_wndClue.ClearClue();
        return;
    }
    const WCHAR chDirection = pClue != nullptr && pClue->m_bAcross ? u'A' : u'D';
    if (others.empty() && pClue->m_strLabel == FormatText(u"%d", pClue->m_nNumber)) {
        m_wndClue.SetClue(pClue->m_nNumber, chDirection, pClue->m_strText.c_str());
        return;
    }
    // One clue a line: the word's under its label, then those of the other
    // lists under their list's name.
    std::u16string strText;
    if (pClue != nullptr)
        strText = FormatText(u"%s%c: %s", pClue->m_strLabel, chDirection, pClue->m_strText);
    for (const CClue* pOther : others) {
        const std::size_t nList = static_cast<std::size_t>(pOther->m_nList);
        const std::u16string strList =
            nList < m_pPuzzle->m_astrClueLists.size() ? m_pPuzzle->m_astrClueLists[nList] : u"";
        if (!strText.empty())
            strText += u'\n';
        strText += pOther->m_strLabel.empty()
                       ? FormatText(u"%s: %s", strList, pOther->m_strText)
                       : FormatText(u"%s %s: %s", strList, pOther->m_strLabel, pOther->m_strText);
    }
    m_wndClue.SetClueText(strText.c_str());
}

void CPuzzleWnd::CheckSolved()
{
    if (m_pSolveHost != nullptr)
        m_pSolveHost->CheckSolved();
}

void CPuzzleWnd::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    const int nSolveMode = m_pSolveHost ? m_pSolveHost->GetSolveMode() : SETTING_SOLVE_MODE.nDefault;
    // Letters by their Unicode properties, never by the process locale.
    const WCHAR ch = static_cast<WCHAR>(nChar & 0xFFFF);
    if (!IsCharAlphaW(ch) || m_pPuzzle == nullptr)
        return;
    CGridWnd& grid = GetGrid();
    // With nothing selected there is no square to take the letter.
    if (!grid.HasSelection())
        return;
    const WCHAR chLetter = CharUpperW(ch);
    // Letters of a locked puzzle cannot be checked: its answers are unknown.
    const BOOL bCheck = nSolveMode == SOLVE_CHECK_AS_ENTERED && KnowsAnswers();
    const CPoint pt = grid.GetSelectedSquare();
    ChangeSquare(pt.x, pt.y, [&](CSquare& square) {
        square.m_chLetter = chLetter;
        square.m_bFilled = TRUE;
        square.m_bChecked = bCheck;
        square.m_bShown = FALSE;
        square.m_strRebusEntry.clear();
    });
    grid.AdvanceCursor();
    CheckSolved();
}

void CPuzzleWnd::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    CGridWnd& grid = GetGrid();
    if (m_pPuzzle == nullptr || !grid.HasSelection())
        return;
    // The characters some of these keys also type (space, tab, backspace)
    // are no letters, so letter entry drops them.
    switch (nChar) {
    case VK_LEFT:
        grid.MoveSelection(-1, 0);
        break;
    case VK_RIGHT:
        grid.MoveSelection(1, 0);
        break;
    case VK_UP:
        grid.MoveSelection(0, -1);
        break;
    case VK_DOWN:
        grid.MoveSelection(0, 1);
        break;
    case VK_SPACE:
        grid.TurnSelection();
        break;
    case VK_TAB:
        grid.SelectNextWord(GetKeyState(VK_SHIFT) >= 0);
        break;
    case VK_DELETE:
        OnClearLetter();
        break;
    case VK_BACK: {
        // An empty square: clear the one before it in the word instead. A
        // given letter cannot be cleared, so Backspace passes it by.
        const CPoint pt = grid.GetSelectedSquare();
        if (m_pPuzzle->GetSquare(pt.x, pt.y).m_bGiven)
            grid.StepBack();
        else if (m_pPuzzle->IsFilled(pt.x, pt.y) || grid.StepBack())
            OnClearLetter();
        break;
    }
    default:
        break;
    }
}

template <class Change> void CPuzzleWnd::ChangeSquare(int nCol, int nRow, Change change)
{
    CSquare square = m_pPuzzle->GetSquare(nCol, nRow);
    // The file's given letters stay as they are, whatever the command.
    if (square.m_bGiven)
        return;
    change(square);
    m_pPuzzle->SetSquare(nCol, nRow, square);
    GetGrid().InvalidateSquare(nCol, nRow);
}

template <class Change> void CPuzzleWnd::ChangeSelectedSquare(Change change)
{
    CGridWnd& grid = GetGrid();
    if (m_pPuzzle != nullptr && grid.HasSelection())
        ChangeSquare(grid.GetSelectedSquare().x, grid.GetSelectedSquare().y, change);
}

template <class Change> void CPuzzleWnd::ChangeSelectedWord(Change change)
{
    const CGridWnd& grid = GetGrid();
    const int nDirection = grid.GetDirection();
    if (m_pPuzzle == nullptr || nDirection == DIRECTION_NONE)
        return;
    // From the word's first square to the next black square, bar or the edge.
    const CPoint ptStart = grid.GetWordStart();
    if (m_pPuzzle->IsBlack(ptStart.x, ptStart.y))
        return;
    const CPoint step = CGridNavigator::Step(nDirection);
    CPoint pt = ptStart;
    for (int nLeft = CGridNavigator(*m_pPuzzle).WordLength(ptStart, nDirection); nLeft > 0; --nLeft) {
        ChangeSquare(pt.x, pt.y, change);
        pt.Offset(step.x, step.y);
    }
}

template <class Change> void CPuzzleWnd::ChangePuzzle(BOOL bFilledOnly, Change change)
{
    if (m_pPuzzle == nullptr)
        return;
    for (int nCol = 0; nCol < m_pPuzzle->m_nWidth; nCol++) {
        for (int nRow = 0; nRow < m_pPuzzle->m_nHeight; nRow++) {
            const CSquare square = m_pPuzzle->GetSquare(nCol, nRow);
            if (!square.m_bBlack && (!bFilledOnly || square.m_bFilled))
                ChangeSquare(nCol, nRow, change);
        }
    }
}

void CPuzzleWnd::OnCheckLetter()
{
    if (KnowsAnswers())
        ChangeSelectedSquare(CheckSquare);
}

void CPuzzleWnd::OnCheckWord()
{
    if (KnowsAnswers())
        ChangeSelectedWord(CheckSquare);
}

void CPuzzleWnd::OnCheckPuzzle()
{
    if (KnowsAnswers())
        ChangePuzzle(TRUE, CheckSquare);
}

void CPuzzleWnd::OnShowLetter()
{
    if (!KnowsAnswers() || !GetGrid().HasSelection())
        return;
    ChangeSelectedSquare(ShowSquare);
    CheckSolved();
}

void CPuzzleWnd::OnShowWord()
{
    if (!KnowsAnswers())
        return;
    ChangeSelectedWord(ShowSquare);
    CheckSolved();
}

void CPuzzleWnd::OnShowPuzzle()
{
    if (!KnowsAnswers())
        return;
    ChangePuzzle(FALSE, ShowSquare);
    CheckSolved();
}

void CPuzzleWnd::OnClearLetter()
{
    ChangeSelectedSquare(ClearSquare);
}

void CPuzzleWnd::OnClearWord()
{
    ChangeSelectedWord(ClearSquare);
}

void CPuzzleWnd::OnClearPuzzle()
{
    ChangePuzzle(FALSE, ClearSquare);
}

void CPuzzleWnd::OnUpdateSolveCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pPuzzle != nullptr);
}

BOOL CPuzzleWnd::KnowsAnswers() const
{
    return m_pPuzzle != nullptr && m_pPuzzle->KnowsAnswers();
}

// Check and Show need the answers, which a locked puzzle, or a file without
// them, does not give.
void CPuzzleWnd::OnUpdateAnswerCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(KnowsAnswers());
}
