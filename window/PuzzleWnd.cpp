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

// Posted to itself: the completion check of a step taken inside another action.
constexpr UINT WM_CHECKSOLVED = WM_USER + 10;

// Longer than any rebus answer of a real puzzle; more is refused.
constexpr std::size_t kMaxRebusEntry = 24;

// A black square (which only a diagramless puzzle lets Show reach) is
// shown as the player's black mark.
void ShowSquare(CSquare& square)
{
    if (square.m_bBlack) {
        square.m_chLetter = u' ';
        square.m_bFilled = FALSE;
        square.m_bMarkedBlack = true;
        square.m_strRebusEntry.clear();
        square.m_bPencil = false;
        return;
    }
    square.m_chLetter = square.m_chSolution;
    square.m_bFilled = TRUE;
    square.m_bShown = TRUE;
    square.m_bMarkedBlack = false;
    square.m_strRebusEntry.clear();
    square.m_bPencil = false;
}

// What the square holds, as the entry starts with it and judges a change by.
std::u16string EntryTextOf(const CCrossWordPuzzle& puzzle, const CSquare& square)
{
    if (!square.m_bFilled)
        return {};
    if (!square.m_strRebusEntry.empty())
        return square.m_strRebusEntry;
    const std::u16string* pRebus = puzzle.GetRebus(square);
    if (square.m_bShown && pRebus != nullptr)
        return *pRebus;
    return square.m_chLetter == 0 || square.m_chLetter == u' ' ? std::u16string()
                                                               : std::u16string(1, square.m_chLetter);
}

void ClearSquare(CSquare& square)
{
    square.m_chLetter = u' ';
    square.m_bFilled = FALSE;
    square.m_bShown = FALSE;
    square.m_bMarkedBlack = false;
    square.m_strRebusEntry.clear();
    square.m_bPencil = false;
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
    ON_COMMAND(ID_PENCIL, OnPencil)
    ON_UPDATE_COMMAND_UI(ID_PENCIL, OnUpdatePencil)
    ON_COMMAND(ID_REBUS_ENTRY, OnRebusEntry)
    ON_UPDATE_COMMAND_UI(ID_REBUS_ENTRY, OnUpdateRebusEntry)
    ON_MESSAGE(WM_CHECKSOLVED, OnCheckSolvedLater)
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
    // An entry still open belongs to the puzzle that goes: whoever took it
    // away kept what the entry held first, if it could.
    m_bEntryOpen = FALSE;
    m_strEntry.clear();
    GetGrid().HideEntry();
    m_bCheckPending = FALSE;
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
    const BOOL bCheck = ChecksAsEntered();
    m_pPuzzle->m_timer.Begin();
    TakeStep(grid.GetSelection(), 1, [&] {
        ChangeSquare(pt.x, pt.y, [&](CSquare& square) {
            if (bMark) {
                square.m_chLetter = u' ';
                square.m_bFilled = FALSE;
                square.m_bShown = FALSE;
                square.m_strRebusEntry.clear();
                square.m_bPencil = false;
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
    // A tap or a click on a clue elsewhere ends the entry; the move is under
    // way, so the completion check waits for it.
    if (m_bEntryOpen && UnpackSquare(lParam) != m_entrySel.m_ptSelected && CloseRebusEntry(TRUE))
        PostCheckSolved();
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
    m_bCheckPending = FALSE;
    if (m_pSolveHost != nullptr)
        m_pSolveHost->CheckSolved();
}

void CPuzzleWnd::PostCheckSolved()
{
    m_bCheckPending = TRUE;
    PostMessage(WM_CHECKSOLVED);
}

// Only while it still waits: a check since (a Show command's) did its work.
LRESULT CPuzzleWnd::OnCheckSolvedLater(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (m_bCheckPending && m_pPuzzle != nullptr)
        CheckSolved();
    return 0;
}

void CPuzzleWnd::SolveChanged()
{
    FollowClock();
    if (m_pSolveHost != nullptr)
        m_pSolveHost->SolveChanged();
}

BOOL CPuzzleWnd::ChecksAsEntered() const
{
    const int nSolveMode = m_pSolveHost ? m_pSolveHost->GetSolveMode() : SETTING_SOLVE_MODE.nDefault;
    // Letters of a locked puzzle cannot be checked: its answers are unknown.
    return nSolveMode == SOLVE_CHECK_AS_ENTERED && KnowsAnswers();
}

void CPuzzleWnd::WriteLetters(CSquare& square, const std::u16string& strText, BOOL bCheck) const
{
    square.m_chLetter = strText[0];
    square.m_bFilled = TRUE;
    square.m_bChecked = bCheck;
    square.m_bShown = FALSE;
    square.m_strRebusEntry = strText.size() > 1 ? strText : std::u16string();
    square.m_bPencil = m_bPencilMode != FALSE;
    square.m_bMarkedBlack = false;
}

void CPuzzleWnd::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    // Letters by their Unicode properties, never by the process locale.
    const WCHAR ch = static_cast<WCHAR>(nChar & 0xFFFF);
    if (m_bEntryOpen) {
        AddToEntry(ch);
        return;
    }
    // While the clock is paused the letters are hidden: nothing goes in.
    if (m_pPuzzle == nullptr || IsPaused())
        return;
    if (ch == u'.' && m_pPuzzle->m_bDiagramless) {
        OnMarkBlack();
        return;
    }
    CGridWnd& grid = GetGrid();
    // With nothing selected there is no square to take the letter.
    if (!grid.HasSelection())
        return;
    const CPoint pt = grid.GetSelectedSquare();
    // A digit or a symbol goes in only where the answer has it; where the
    // answer is letters, nothing but letters does.
    WCHAR chLetter = 0;
    if (IsCharAlphaW(ch))
        chLetter = CharUpperW(ch);
    else if (IsCharGraphW(ch) && m_pPuzzle->AnswerHas(m_pPuzzle->GetSquare(pt.x, pt.y), ch))
        chLetter = ch;
    else
        return;
    const BOOL bCheck = ChecksAsEntered();
    // The solve's clock runs from the first letter.
    m_pPuzzle->m_timer.Begin();
    // The letter is the step; where the cursor goes next is not.
    TakeStep(grid.GetSelection(), 1, [&] {
        ChangeSquare(pt.x, pt.y, [&](CSquare& square) { WriteLetters(square, std::u16string(1, chLetter), bCheck); });
    });
    grid.AdvanceCursor();
    CheckSolved();
}

void CPuzzleWnd::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    CGridWnd& grid = GetGrid();
    if (m_pPuzzle == nullptr || !grid.HasSelection() || IsPaused())
        return;
    if (OnEntryKey(nChar))
        return;
    // An open entry goes into its square before a move.
    const bool bMove = nChar == VK_LEFT || nChar == VK_RIGHT || nChar == VK_UP || nChar == VK_DOWN || nChar == VK_TAB;
    const BOOL bEntered = bMove && CloseRebusEntry(TRUE);
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
    case VK_ESCAPE:
        OpenRebusEntry();
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
    if (bEntered)
        CheckSolved();
}

BOOL CPuzzleWnd::OnEntryKey(UINT nChar)
{
    if (!m_bEntryOpen)
        return FALSE;
    switch (nChar) {
    case VK_RETURN:
        FinishRebusEntry();
        return TRUE;
    case VK_ESCAPE:
        CloseRebusEntry(FALSE);
        return TRUE;
    case VK_BACK:
        if (!m_strEntry.empty())
            m_strEntry.pop_back();
        GetGrid().ShowEntry(m_entrySel.m_ptSelected, m_strEntry);
        return TRUE;
    case VK_SPACE:
    case VK_DELETE:
        // Neither turns the word nor clears the square under the entry.
        return TRUE;
    default:
        return FALSE;
    }
}

void CPuzzleWnd::OpenRebusEntry()
{
    CGridWnd& grid = GetGrid();
    if (m_bEntryOpen || m_pPuzzle == nullptr || !grid.HasSelection() || IsPaused())
        return;
    const CPoint pt = grid.GetSelectedSquare();
    const CSquare square = m_pPuzzle->GetSquare(pt.x, pt.y);
    // A black square takes no letters (on a diagramless puzzle, one the
    // player marked: the hidden ones must not tell themselves), and the
    // file's given ones stay.
    if (m_pPuzzle->IsBlackToPlayer(pt.x, pt.y) || square.m_bGiven)
        return;
    m_entrySel = grid.GetSelection();
    m_strEntry = EntryTextOf(*m_pPuzzle, square);
    m_bEntryOpen = TRUE;
    grid.ShowEntry(pt, m_strEntry);
}

void CPuzzleWnd::AddToEntry(WCHAR ch)
{
    // Letters, digits and symbols; spaces and control characters (those of
    // Return, Escape and Backspace among them) are no part of an answer.
    if (!IsCharGraphW(ch) || m_strEntry.size() >= kMaxRebusEntry)
        return;
    m_strEntry.push_back(IsCharAlphaW(ch) ? CharUpperW(ch) : ch);
    GetGrid().ShowEntry(m_entrySel.m_ptSelected, m_strEntry);
}

BOOL CPuzzleWnd::CloseRebusEntry(BOOL bKeep)
{
    if (!m_bEntryOpen)
        return FALSE;
    m_bEntryOpen = FALSE;
    GetGrid().HideEntry();
    const std::u16string strText = std::move(m_strEntry);
    m_strEntry.clear();
    if (!bKeep || m_pPuzzle == nullptr)
        return FALSE;
    const CPoint pt = m_entrySel.m_ptSelected;
    const CSquare before = m_pPuzzle->GetSquare(pt.x, pt.y);
    // The same text in the same hand changes nothing: a shown or checked
    // square keeps its marks.
    if (strText == EntryTextOf(*m_pPuzzle, before) && (strText.empty() || before.m_bPencil == (m_bPencilMode != FALSE)))
        return FALSE;
    const BOOL bCheck = ChecksAsEntered();
    if (!strText.empty())
        m_pPuzzle->m_timer.Begin();
    return TakeStep(m_entrySel, 1, [&] {
        ChangeSquare(pt.x, pt.y, [&](CSquare& square) {
            if (strText.empty())
                ClearSquare(square);
            else
                WriteLetters(square, strText, bCheck);
        });
    });
}

void CPuzzleWnd::FinishRebusEntry()
{
    const BOOL bAny = !m_strEntry.empty();
    const BOOL bChanged = CloseRebusEntry(TRUE);
    if (bAny)
        GetGrid().AdvanceCursor();
    if (bChanged)
        CheckSolved();
}

void CPuzzleWnd::OnRebusEntry()
{
    if (m_bEntryOpen)
        FinishRebusEntry();
    else
        OpenRebusEntry();
}

void CPuzzleWnd::OnUpdateRebusEntry(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pPuzzle != nullptr && !IsPaused());
}

void CPuzzleWnd::OnPencil()
{
    m_bPencilMode = !m_bPencilMode;
}

// A mode of its own, before a puzzle is loaded too.
void CPuzzleWnd::OnUpdatePencil(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_bPencilMode ? 1 : 0);
}

BOOL CPuzzleWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // Only a command carried out, not a question about one; the check waits
    // for the command, which may be a Show that checks by itself.
    if (nCode == CN_COMMAND && pHandlerInfo == nullptr && nID != ID_REBUS_ENTRY && m_bEntryOpen &&
        CloseRebusEntry(TRUE))
        PostCheckSolved();
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

template <class Change> BOOL CPuzzleWnd::TakeStep(const CGridSelection& sel, std::size_t nSquares, Change change)
{
    m_history.BeginStep(sel, nSquares);
    change();
    if (m_bDiagramChanged) {
        m_bDiagramChanged = FALSE;
        GetGrid().DiagramChanged();
    }
    if (!m_history.EndStep(*m_pPuzzle))
        return FALSE;
    SolveChanged();
    return TRUE;
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
        TakeStep(grid.GetSelection(), 1,
                 [&] { ChangeSquare(grid.GetSelectedSquare().x, grid.GetSelectedSquare().y, change); });
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
    TakeStep(grid.GetSelection(), static_cast<std::size_t>(nLength), [&] {
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
    TakeStep(GetGrid().GetSelection(), bDiagramless ? m_pPuzzle->GetSquares().size() : nSquares, [&] {
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
    TakeStep(GetGrid().GetSelection(), m_pPuzzle->GetSquares().size(), [&] {
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

// A Check command that finds a letter wrong leaves a mark that outlasts the
// letter. Letters checked as they are typed leave none: every typo mended at
// once would keep one.
void CPuzzleWnd::CheckSquare(CSquare& square) const
{
    square.m_bChecked = TRUE;
    if (square.m_bFilled && m_pPuzzle->IsIncorrect(square))
        square.m_bWasIncorrect = TRUE;
}

void CPuzzleWnd::OnCheckLetter()
{
    if (KnowsAnswers())
        ChangeSelectedSquare([this](CSquare& square) { CheckSquare(square); });
}

void CPuzzleWnd::OnCheckWord()
{
    if (KnowsAnswers())
        ChangeSelectedWord([this](CSquare& square) { CheckSquare(square); });
}

void CPuzzleWnd::OnCheckPuzzle()
{
    if (KnowsAnswers())
        ChangePuzzle(TRUE, [this](CSquare& square) { CheckSquare(square); });
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
