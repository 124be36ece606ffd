// SPDX-License-Identifier: MIT
// CPuzzleApp: the option and about commands.
#include "app/AboutDlg.h"
#include "app/AboutPuzzleDlg.h"
#include "app/ColorsDlg.h"
#include "app/FontDlg.h"
#include "app/OptionsDlg.h"
#include "app/PuzzleApp.h"
#include "app/UnlockDlg.h"
#include "model/CrossWordPuzzle.h"
#include "model/Format.h"
#include "window/PuzzleWnd.h"

#include <algorithm>

void CPuzzleApp::OnAppAbout()
{
    CAboutDlg dlg;
    dlg.DoModal();
}

void CPuzzleApp::OnAboutPuzzle()
{
    if (!m_pPuzzle)
        return;
    CAboutPuzzleDlg dlg;
    dlg.m_strTitle = m_pPuzzle->m_strTitle;
    dlg.m_strAuthor = m_pPuzzle->m_strAuthor;
    dlg.m_strCopyright = m_pPuzzle->m_strCopyright;
    dlg.m_strFile = CAboutPuzzleDlg::FileNameOf(m_pPuzzle->m_strFileName);
    dlg.m_strNotes = CAboutPuzzleDlg::NotesText(m_pPuzzle->m_strNotes);
    dlg.DoModal();
}

void CPuzzleApp::OnOptionsGeneral()
{
    CPuzzleWnd& wndPuzzle = GetPuzzleWnd();
    CGridWnd& wndGrid = wndPuzzle.GetGrid();

    COptionsDlg dlg;
    dlg.m_nClueHeight = wndPuzzle.GetClueHeight();
    dlg.m_nSolveMode = m_nSolveMode;
    dlg.m_nSquareSize = wndGrid.GetSquareSize();
    dlg.m_bNumbers = wndGrid.GetShowNumbers();
    dlg.m_bInputWindow = wndPuzzle.GetShowInput();
    dlg.m_bAutoSave = m_bAutoSave;
    if (dlg.DoModal() == IDOK) {
        m_nSolveMode = dlg.m_nSolveMode;
        wndGrid.SetSquareSize(dlg.m_nSquareSize);
        wndGrid.SetShowNumbers(dlg.m_bNumbers);
        wndPuzzle.SetShowInput(dlg.m_bInputWindow);
        wndPuzzle.SetClueHeight(dlg.m_nClueHeight);
        const BOOL bWasOn = m_bAutoSave;
        SetAutoSave(dlg.m_bAutoSave);
        // Turned on: what is on the grid now is kept from now on.
        if (m_bAutoSave && !bWasOn)
            SolveChanged();
        // Handing the puzzle over again rebuilds the grid at the new size.
        if (m_pPuzzle)
            wndPuzzle.SetPuzzle(m_pPuzzle);
        wndPuzzle.RecalcLayout();
    }
    // Written on Cancel too.
    SaveSettings();
}

void CPuzzleApp::OnOptionsFont()
{
    CPuzzleWnd& wndPuzzle = GetPuzzleWnd();
    CGridWnd& wndGrid = wndPuzzle.GetGrid();

    CFontDlg dlg;
    dlg.m_strFontName = wndGrid.GetFontName();
    dlg.m_nNumberFontSize = wndGrid.GetNumberFontSize();
    dlg.m_nLetterFontSize = wndGrid.GetLetterFontSize();
    if (dlg.DoModal() != IDOK)
        return;
    wndGrid.SetNumberFontSize(dlg.m_nNumberFontSize);
    wndGrid.SetLetterFontSize(dlg.m_nLetterFontSize);
    wndGrid.SetFontName(dlg.m_strFontName.c_str());
    // The grid makes its fonts again when it is handed the puzzle.
    if (m_pPuzzle)
        wndPuzzle.SetPuzzle(m_pPuzzle);
    wndPuzzle.RecalcLayout();
    // The sizes go with the next Options or Colors dialog; the face, which
    // those never wrote, is kept now.
    WriteProfileString(SECTION_OPTIONS, SETTING_FONT_NAME, wndGrid.GetFontName().GetString());
}

void CPuzzleApp::OnOptionsColors()
{
    CGridWnd& wndGrid = GetPuzzleWnd().GetGrid();

    CColorsDlg dlg;
    for (int i = 0; i < NUM_GRID_COLORS; ++i) {
        dlg.m_colors[i] = wndGrid.GetColor(i);
        dlg.m_apszNames[i] = GRID_COLOR_NAMES[i];
    }
    if (dlg.DoModal() == IDOK) {
        // The grid shows them when it is repainted as the dialog goes away.
        for (int i = 0; i < NUM_GRID_COLORS; ++i)
            wndGrid.SetColor(i, dlg.m_colors[i]);
    }
    // Written on Cancel too.
    SaveSettings();
}

void CPuzzleApp::OnUpdateUnlockPuzzle(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pPuzzle != nullptr && m_pPuzzle->m_bLocked);
}

void CPuzzleApp::OnUnlockPuzzle()
{
    if (!m_pPuzzle || !m_pPuzzle->m_bLocked)
        return;
    CUnlockDlg dlg;
    if (dlg.DoModal() != IDOK)
        return;
    const CString& strKey = dlg.m_strKey;
    int nKey = 0;
    // Several keys can give the checksum: the one whose answers read as
    // words is taken, and the player told which.
    BOOL bChosen = FALSE;
    if (strKey.IsEmpty()) {
        const std::vector<int> keys = m_pPuzzle->FindKeys();
        nKey = m_pPuzzle->ChooseKey(keys);
        if (nKey < 0) {
            AfxMessageBox(u"The key could not be found.", MB_OK | MB_ICONSTOP);
            return;
        }
        bChosen = keys.size() > 1;
    } else if (strKey.GetLength() != 4 || strKey.find_first_not_of(u"0123456789") != CString::npos) {
        AfxMessageBox(u"The key has four digits.", MB_OK | MB_ICONSTOP);
        return;
    } else {
        for (const char16_t ch : strKey)
            nKey = nKey * 10 + (ch - u'0');
    }
    if (!m_pPuzzle->Unlock(nKey)) {
        AfxMessageBox(u"That is not the key of this puzzle.", MB_OK | MB_ICONSTOP);
        return;
    }
    // The kept progress learns that the puzzle is open now.
    SolveChanged();
    if (bChosen) {
        // Four digits, as the key is typed.
        std::u16string strFound = FormatText(u"%d", nKey);
        strFound.insert(0, 4 - std::min<std::size_t>(4, strFound.size()), u'0');
        AfxMessageBox(FormatText(u"The puzzle was unlocked with the key %s.", strFound), MB_OK | MB_ICONINFORMATION);
    }
}
