// SPDX-License-Identifier: MIT
// CPuzzleApp: the View menu's zoom and notes commands.
#include "app/AboutPuzzleDlg.h"
#include "app/NotesDlg.h"
#include "app/PuzzleApp.h"
#include "model/CrossWordPuzzle.h"
#include "window/PuzzleWnd.h"

#include <algorithm>
#include <iterator>

namespace {

// The square sizes zoom steps through, about a fifth apart, within the
// settings' range; a size between two steps goes to the next one.
constexpr int kZoomSteps[] = {2, 3, 4, 5, 6, 8, 10, 12, 14, 16, 18, 20, 24, 28, 32, 40, 48, 56, 64};
static_assert(kZoomSteps[0] == MIN_SIZE_SETTING && kZoomSteps[std::size(kZoomSteps) - 1] == MAX_SIZE_SETTING);

int ZoomedIn(int nSize)
{
    const int* pNext = std::upper_bound(std::begin(kZoomSteps), std::end(kZoomSteps), nSize);
    return pNext == std::end(kZoomSteps) ? MAX_SIZE_SETTING : *pNext;
}

int ZoomedOut(int nSize)
{
    const int* pAtOrAbove = std::lower_bound(std::begin(kZoomSteps), std::end(kZoomSteps), nSize);
    return pAtOrAbove == std::begin(kZoomSteps) ? MIN_SIZE_SETTING : *(pAtOrAbove - 1);
}

}  // namespace

void CPuzzleApp::ZoomTo(int nSquareSize)
{
    CPuzzleWnd& wndPuzzle = GetPuzzleWnd();
    if (nSquareSize == wndPuzzle.GetGrid().GetSquareSize() || !wndPuzzle.GetCross().ZoomTo(nSquareSize))
        return;
    // The same value as the Options dialog's square size, kept as it changes.
    WriteProfileInt(SECTION_OPTIONS, SETTING_SQUARE_SIZE.pszName, nSquareSize);
}

void CPuzzleApp::OnViewZoomIn()
{
    ZoomTo(ZoomedIn(GetPuzzleWnd().GetGrid().GetSquareSize()));
}

void CPuzzleApp::OnViewZoomOut()
{
    ZoomTo(ZoomedOut(GetPuzzleWnd().GetGrid().GetSquareSize()));
}

void CPuzzleApp::OnViewActualSize()
{
    ZoomTo(SETTING_SQUARE_SIZE.nDefault);
}

void CPuzzleApp::OnViewFit()
{
    if (const int nSize = GetPuzzleWnd().GetCross().GetFitSquareSize())
        ZoomTo(nSize);
}

void CPuzzleApp::OnViewNotes()
{
    if (!m_pPuzzle || !CAboutPuzzleDlg::HasNotes(m_pPuzzle->m_strNotes))
        return;
    CNotesDlg dlg;
    dlg.m_strNotes = CAboutPuzzleDlg::NotesText(m_pPuzzle->m_strNotes);
    dlg.DoModal();
}

void CPuzzleApp::OnUpdateViewZoomIn(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetPuzzleWnd().GetGrid().GetSquareSize() < MAX_SIZE_SETTING);
}

void CPuzzleApp::OnUpdateViewZoomOut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetPuzzleWnd().GetGrid().GetSquareSize() > MIN_SIZE_SETTING);
}

void CPuzzleApp::OnUpdateViewFit(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pPuzzle != nullptr);
}

void CPuzzleApp::OnUpdateViewNotes(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pPuzzle != nullptr && CAboutPuzzleDlg::HasNotes(m_pPuzzle->m_strNotes));
}
