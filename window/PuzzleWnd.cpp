// SPDX-License-Identifier: MIT
#include "window/PuzzleWnd.h"

#include "model/CrossWordPuzzle.h"
#include "model/Format.h"
#include "model/GridNavigator.h"
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

// A black square (which only a diagramless puzzle lets Show reach) is
// shown as the player's black mark.
void ShowSquare(CSquare& square)
{
    if (square.m_bBlack) {
        square.m_chLetter = u' ';
        square.m_bFilled = FALSE;
        square.m_bMarkedBlack = true;
        square.m_strRebusEntry.clear();
        return;
    }
    square.m_chLetter = square.m_chSolution;
    square.m_bFilled = TRUE;
    square.m_bShown = TRUE;
    square.m_bMarkedBlack = false;
    square.m_strRebusEntry.clear();
}

void ClearSquare(CSquare& square)
{
    square.m_chLetter = u' ';
    square.m_bFilled = FALSE;
    square.m_bShown = FALSE;
    square.m_bMarkedBlack = false;
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
    ON_COMMAND(ID_UNDO, OnUndo)
    ON_COMMAND(ID_REDO, OnRedo)
    ON_UPDATE_COMMAND_UI(ID_UNDO, OnUpdateUndo)
    ON_UPDATE_COMMAND_UI(ID_REDO, OnUpdateRedo)
    ON_COMMAND(ID_PAUSE, OnPause)
    ON_UPDATE_COMMAND_UI(ID_PAUSE, OnUpdatePause)
    ON_COMMAND(ID_MARK_BLACK, OnMarkBlack)
    ON_UPDATE_COMMAND_UI(ID_MARK_BLACK, OnUpdateMarkBlack)
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
    if (pPuzzle == nullptr)
        m_history.Clear();
    // What the bar showed belongs to the old puzzle or the old selection; the
    // grid reports its new selected word, whose clue comes in if it has one.
    m_wndClue.ClearClue();
    // The lists take the new clues before the grid reports its first word.
    if (m_pClueLists != nullptr)
        m_pClueLists->SetPuzzle(pPuzzle);
    // The clock stands while the window is minimised, whatever the puzzle.
    if (pPuzzle != nullptr)
        pPuzzle->m_timer.SetMinimized(m_bMinimized);
    m_wndCross.SetPuzzle(pPuzzle);
    if (m_pStatusLine != nullptr)
        m_pStatusLine->SetPuzzle(pPuzzle);
    FollowClock();
}

void CPuzzleWnd::FollowClock()
{
    if (m_pPuzzle != nullptr)
        m_pPuzzle->m_timer.SetSolved(m_pPuzzle->IsSolved());
    if (m_pStatusLine != nullptr)
        m_pStatusLine->TimerChanged();
}

BOOL CPuzzleWnd::IsPaused() const
{
    return m_pPuzzle != nullptr && m_pPuzzle->m_timer.IsPaused();
}

void CPuzzleWnd::OnPause()
{
    if (m_pPuzzle == nullptr)
        return;
    m_pPuzzle->m_timer.SetPaused(!m_pPuzzle->m_timer.IsPaused());
    // The letters go, or come back, all at once.
    GetGrid().Invalidate(FALSE);
    FollowClock();
    // The time is kept as it stands now.
    if (m_pSolveHost != nullptr)
        m_pSolveHost->SolveChanged();
}

void CPuzzleWnd::OnUpdatePause(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pPuzzle != nullptr);
    pCmdUI->SetCheck(IsPaused() ? 1 : 0);
}

void CPuzzleWnd::SetMinimized(BOOL bMinimized)
{
    m_bMinimized = bMinimized ? TRUE : FALSE;
    if (m_pPuzzle != nullptr)
        m_pPuzzle->m_timer.SetMinimized(m_bMinimized);
    FollowClock();
}

void CPuzzleWnd::OnUpdateMarkBlack(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pPuzzle != nullptr && m_pPuzzle->m_bDiagramless && !IsPaused());
}

void CPuzzleWnd::OnMarkBlack()
{
    CGridWnd& grid = GetGrid();
    if (m_pPuzzle == nullptr || !m_pPuzzle->m_bDiagramless || IsPaused() || !grid.HasSelection())
        return;
    const CPoint pt = grid.GetSelectedSquare();
    const bool bMark = !m_pPuzzle->GetSquare(pt.x, pt.y).m_bMarkedBlack;
    const BOOL bCheck =
        m_pSolveHost != nullptr && m_pSolveHost->GetSolveMode() == SOLVE_CHECK_AS_ENTERED && KnowsAnswers();
    m_pPuzzle->m_timer.Begin();
    TakeStep(1, [&] {
        ChangeSquare(pt.x, pt.y, [&](CSquare& square) {
            if (bMark) {
                square.m_chLetter = u' ';
                square.m_bFilled = FALSE;
                square.m_bShown = FALSE;
                square.m_strRebusEntry.clear();
            }
            square.m_bMarkedBlack = bMark;
            square.m_bChecked = bMark && bCheck;
        });
    });
    // A mark ends the word there: the cursor goes on to the next square, as
    // after a letter; a mark taken away leaves it where it is.
    const CPoint step = CGridNavigator::Step(grid.GetDirection());
    const CPoint ptNext(pt.x + step.x, pt.y + step.y);
    grid.SelectAfterMark(bMark && CGridNavigator(*m_pPuzzle).IsInside(ptNext) ? ptNext : pt);
    CheckSolved();
}

LRESULT CPuzzleWnd::OnWordSelected(WPARAM wParam, LPARAM lParam)
{
    if (m_pClueLists != nullptr)
        m_pClueLists->ShowSelection();
    ShowClue(wParam == 0 ? DIRECTION_DOWN : DIRECTION_ACROSS, UnpackSquare(lParam), GetGrid().GetSelectedSquare());
    return 0;
}

// The selected square moved: the crossing word may be another, and the
// clues of the other lists go with the square, not with the word.
LRESULT CPuzzleWnd::OnSquareSelected(WPARAM /*wParam*/, LPARAM lParam)
{
    if (m_pClueLists != nullptr)
        m_pClueLists->ShowSelection();
    if (m_pPuzzle != nullptr && m_pPuzzle->HasOtherLists())
        ShowClue(GetGrid().GetDirection(), GetGrid().GetWordStart(), UnpackSquare(lParam));
    return 0;
}

void CPuzzleWnd::ShowClue(int nDirection, CPoint ptStart, CPoint ptSquare)
{
    if (m_pPuzzle == nullptr || ptStart.x >= m_pPuzzle->m_nWidth || ptStart.y >= m_pPuzzle->m_nHeight)
        return;
    // The clue of a diagramless puzzle goes by the number the player's own
    // diagram gives the word: the file's numbers would give the diagram away.
    if (m_pPuzzle->m_bDiagramless) {
        const int nNumber = CGridNavigator(*m_pPuzzle).NumberOf(ptStart, nDirection);
        const CClue* pClue = nNumber != 0 ? m_pPuzzle->GetClue(nNumber, nDirection == DIRECTION_ACROSS) : nullptr;
        if (pClue == nullptr)
            m_wndClue.ClearClue();
        else
            m_wndClue.SetClue(pClue->m_nNumber, pClue->m_bAcross ? u'A' : u'D', pClue->m_strText.c_str());
        return;
    }
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

void CPuzzleWnd::CheckSolved()
{
    if (m_pSolveHost != nullptr)
        m_pSolveHost->CheckSolved();
}

void CPuzzleWnd::SolveChanged()
{
    FollowClock();
    if (m_pSolveHost != nullptr)
        m_pSolveHost->SolveChanged();
}

void CPuzzleWnd::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    const int nSolveMode = m_pSolveHost ? m_pSolveHost->GetSolveMode() : SETTING_SOLVE_MODE.nDefault;
    // Letters by their Unicode properties, never by the process locale.
    const WCHAR ch = static_cast<WCHAR>(nChar & 0xFFFF);
    // While the clock is paused the letters are hidden: nothing goes in.
    if (m_pPuzzle == nullptr || IsPaused())
        return;
    if (ch == u'.' && m_pPuzzle->m_bDiagramless) {
        OnMarkBlack();
        return;
    }
    if (!IsCharAlphaW(ch))
        return;
    CGridWnd& grid = GetGrid();
    // With nothing selected there is no square to take the letter.
    if (!grid.HasSelection())
        return;
    // The solve's clock runs from the first letter.
    m_pPuzzle->m_timer.Begin();
    const WCHAR chLetter = CharUpperW(ch);
    // Letters of a locked puzzle cannot be checked: its answers are unknown.
    const BOOL bCheck = nSolveMode == SOLVE_CHECK_AS_ENTERED && KnowsAnswers();
    const CPoint pt = grid.GetSelectedSquare();
    // The letter is the step; where the cursor goes next is not.
    TakeStep(1, [&] {
        ChangeSquare(pt.x, pt.y, [&](CSquare& square) {
            square.m_chLetter = chLetter;
            square.m_bFilled = TRUE;
            square.m_bChecked = bCheck;
            square.m_bShown = FALSE;
            square.m_bMarkedBlack = false;
            square.m_strRebusEntry.clear();
        });
    });
    grid.AdvanceCursor();
    CheckSolved();
}

void CPuzzleWnd::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    CGridWnd& grid = GetGrid();
    if (m_pPuzzle == nullptr || !grid.HasSelection() || IsPaused())
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
        // Space marks black on a diagramless puzzle, where a word's
        // direction is the player's to decide.
        if (m_pPuzzle->m_bDiagramless)
            OnMarkBlack();
        else
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

template <class Change> void CPuzzleWnd::TakeStep(std::size_t nSquares, Change change)
{
    m_history.BeginStep(GetGrid().GetSelection(), nSquares);
    change();
    if (m_bDiagramChanged) {
        m_bDiagramChanged = FALSE;
        GetGrid().DiagramChanged();
    }
    if (m_history.EndStep(*m_pPuzzle))
        SolveChanged();
}

template <class Change> void CPuzzleWnd::ChangeSquare(int nCol, int nRow, Change change)
{
    m_history.Record(*m_pPuzzle, nCol, nRow);
    CSquare square = m_pPuzzle->GetSquare(nCol, nRow);
    // The file's given letters stay as they are, whatever the command.
    if (square.m_bGiven)
        return;
    const bool bWasMarked = square.m_bMarkedBlack;
    change(square);
    m_bDiagramChanged = m_bDiagramChanged || square.m_bMarkedBlack != bWasMarked;
    m_pPuzzle->SetSquare(nCol, nRow, square);
    GetGrid().InvalidateSquare(nCol, nRow);
    if (m_pClueLists != nullptr)
        m_pClueLists->SquareChanged(nCol, nRow);
}

template <class Change> void CPuzzleWnd::ChangeSelectedSquare(Change change)
{
    CGridWnd& grid = GetGrid();
    if (m_pPuzzle != nullptr && grid.HasSelection())
        TakeStep(1, [&] { ChangeSquare(grid.GetSelectedSquare().x, grid.GetSelectedSquare().y, change); });
}

template <class Change> void CPuzzleWnd::ChangeSelectedWord(Change change)
{
    const CGridWnd& grid = GetGrid();
    const int nDirection = grid.GetDirection();
    if (m_pPuzzle == nullptr || nDirection == DIRECTION_NONE)
        return;
    // From the word's first square to the next black square, bar or the
    // edge (on a diagramless puzzle, the player's word).
    const CPoint ptStart = grid.GetWordStart();
    if (m_pPuzzle->IsBlackToPlayer(ptStart.x, ptStart.y))
        return;
    const int nLength = CGridNavigator(*m_pPuzzle).WordLength(ptStart, nDirection);
    const CPoint step = CGridNavigator::Step(nDirection);
    TakeStep(static_cast<std::size_t>(nLength), [&] {
        CPoint pt = ptStart;
        for (int nLeft = nLength; nLeft > 0; --nLeft) {
            ChangeSquare(pt.x, pt.y, change);
            pt.Offset(step.x, step.y);
        }
    });
}

template <class Change> void CPuzzleWnd::ChangePuzzle(BOOL bFilledOnly, Change change)
{
    if (m_pPuzzle == nullptr)
        return;
    // At most every square, less the empty ones when only the filled count.
    const std::size_t nSquares =
        m_pPuzzle->GetSquares().size() - (bFilledOnly ? static_cast<std::size_t>(m_pPuzzle->GetEmptyCount()) : 0);
    // A diagramless puzzle's black squares are the player's too: they take
    // the commands, as far as the player marked or filled them for Check.
    const BOOL bDiagramless = m_pPuzzle->m_bDiagramless;
    TakeStep(bDiagramless ? m_pPuzzle->GetSquares().size() : nSquares, [&] {
        for (int nCol = 0; nCol < m_pPuzzle->m_nWidth; nCol++) {
            for (int nRow = 0; nRow < m_pPuzzle->m_nHeight; nRow++) {
                const CSquare square = m_pPuzzle->GetSquare(nCol, nRow);
                if ((!square.m_bBlack || bDiagramless) && (!bFilledOnly || square.m_bFilled || square.m_bMarkedBlack))
                    ChangeSquare(nCol, nRow, change);
            }
        }
    });
}

BOOL CPuzzleWnd::ChangeAsOneStep(const std::function<BOOL()>& change)
{
    if (m_pPuzzle == nullptr)
        return change();
    BOOL bResult = FALSE;
    // Every square is recorded: which of them the change writes is its own
    // business. Those it leaves as they were are dropped again.
    TakeStep(m_pPuzzle->GetSquares().size(), [&] {
        for (int nCol = 0; nCol < m_pPuzzle->m_nWidth; nCol++)
            for (int nRow = 0; nRow < m_pPuzzle->m_nHeight; nRow++)
                m_history.Record(*m_pPuzzle, nCol, nRow);
        bResult = change();
    });
    // Any letter may have changed: the lists mute the clues anew.
    if (bResult && m_pClueLists != nullptr)
        m_pClueLists->AllSquaresChanged();
    return bResult;
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
    pCmdUI->Enable(m_pPuzzle != nullptr && !IsPaused());
}

void CPuzzleWnd::OnUndo()
{
    RetraceStep(&CSolveHistory::Undo);
}

void CPuzzleWnd::OnRedo()
{
    RetraceStep(&CSolveHistory::Redo);
}

void CPuzzleWnd::RetraceStep(BOOL (CSolveHistory::*pRetrace)(CCrossWordPuzzle&, CGridSelection&,
                                                             const CSolveHistory::SquareChanged&))
{
    CGridWnd& grid = GetGrid();
    CGridSelection sel;
    // The lists follow the letters as they do for any other step.
    const auto changed = [&grid, this](int c, int r) {
        grid.InvalidateSquare(c, r);
        if (m_pClueLists != nullptr)
            m_pClueLists->SquareChanged(c, r);
    };
    if (m_pPuzzle == nullptr || !(m_history.*pRetrace)(*m_pPuzzle, sel, changed))
        return;
    grid.Select(sel);
    // Marks taken back or made again change the player's words.
    if (m_pPuzzle->m_bDiagramless)
        grid.DiagramChanged();
    SolveChanged();
}

void CPuzzleWnd::OnUpdateUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pPuzzle != nullptr && m_history.CanUndo() && !IsPaused());
}

void CPuzzleWnd::OnUpdateRedo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pPuzzle != nullptr && m_history.CanRedo() && !IsPaused());
}

BOOL CPuzzleWnd::KnowsAnswers() const
{
    return m_pPuzzle != nullptr && m_pPuzzle->KnowsAnswers();
}

// Check and Show need the answers, which a locked puzzle, or a file without
// them, does not give.
void CPuzzleWnd::OnUpdateAnswerCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(KnowsAnswers() && !IsPaused());
}
