// SPDX-License-Identifier: MIT
#include "app/ColorsDlg.h"

#include "model/Format.h"
#include "panes/GridWnd.h"

namespace {

// Leading blanks and a sign, then decimal digits up to the first other
// character; no digits gives 0. Only the low 8 bits are wanted, and unsigned
// arithmetic keeps them exact however long the number is.
BYTE LowByteOfNumber(const CString& strText)
{
    size_t i = 0;
    while (i < strText.size() && (strText[i] == u' ' || strText[i] == u'\t'))
        ++i;
    bool bNegative = false;
    if (i < strText.size() && (strText[i] == u'-' || strText[i] == u'+'))
        bNegative = strText[i++] == u'-';
    unsigned int nValue = 0;
    for (; i < strText.size() && strText[i] >= u'0' && strText[i] <= u'9'; ++i)
        nValue = nValue * 10u + static_cast<unsigned int>(strText[i] - u'0');
    if (bNegative)
        nValue = 0u - nValue;
    return static_cast<BYTE>(nValue & 0xFFu);
}

// The range of a colour component in the edits.
constexpr int kComponentMin = 0;
constexpr int kComponentMax = 255;

CString Decimal(int nValue)
{
    return FormatText(u"%d", nValue);
}

}  // namespace

BEGIN_MESSAGE_MAP(CColorsDlg, CDialog)
    ON_EN_CHANGE(IDC_RED, OnChangeRGB)
    ON_EN_CHANGE(IDC_GREEN, OnChangeRGB)
    ON_EN_CHANGE(IDC_BLUE, OnChangeRGB)
    ON_NOTIFY(UDN_DELTAPOS, IDC_SELECTOR, OnDeltaPosSelector)
    ON_BN_CLICKED(IDC_RESET_COLORS, OnResetColors)
END_MESSAGE_MAP()

CColorsDlg::CColorsDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
}

CColorsDlg::~CColorsDlg() = default;

void CColorsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SWATCH, m_wndSwatch);
    DDX_Text(pDX, IDC_BLUE, m_nBlue);
    DDV_MinMaxInt(pDX, m_nBlue, kComponentMin, kComponentMax);
    DDX_Text(pDX, IDC_GREEN, m_nGreen);
    DDV_MinMaxInt(pDX, m_nGreen, kComponentMin, kComponentMax);
    DDX_Text(pDX, IDC_RED, m_nRed);
    DDV_MinMaxInt(pDX, m_nRed, kComponentMin, kComponentMax);
}

BOOL CColorsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SelectColor(0);
    static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_SELECTOR))->SetRange(0, NUM_GRID_COLORS - 1);
    return TRUE;
}

COLORREF CColorsDlg::ColorFromEdits()
{
    CString strRed, strGreen, strBlue;
    GetDlgItemText(IDC_RED, strRed);
    GetDlgItemText(IDC_GREEN, strGreen);
    GetDlgItemText(IDC_BLUE, strBlue);
    return RGB(LowByteOfNumber(strRed), LowByteOfNumber(strGreen), LowByteOfNumber(strBlue));
}

void CColorsDlg::SetComponentRange(UINT nSpinID)
{
    static_cast<CSpinButtonCtrl*>(GetDlgItem(nSpinID))->SetRange(kComponentMin, kComponentMax);
}

void CColorsDlg::CommitColor()
{
    if (m_nCurrent != -1)
        m_colors[m_nCurrent] = ColorFromEdits();
    SetComponentRange(IDC_RED_SPIN);
    SetComponentRange(IDC_GREEN_SPIN);
    SetComponentRange(IDC_BLUE_SPIN);
}

void CColorsDlg::SelectColor(int nIndex)
{
    CommitColor();
    m_nCurrent = nIndex;
    SetDlgItemText(IDC_COLOR_NAME, m_apszNames[nIndex]);

    const COLORREF color = m_colors[nIndex];
    m_bFieldsValid = FALSE;
    SetDlgItemText(IDC_RED, Decimal(GetRValue(color)).c_str());
    SetDlgItemText(IDC_GREEN, Decimal(GetGValue(color)).c_str());
    SetDlgItemText(IDC_BLUE, Decimal(GetBValue(color)).c_str());
    m_bFieldsValid = TRUE;

    m_wndSwatch.SetColor(color);
}

void CColorsDlg::OnChangeRGB()
{
    // Every keystroke and spin step shows at once in the swatch.
    if (m_nCurrent == -1 || !m_bFieldsValid)
        return;
    const COLORREF color = ColorFromEdits();
    m_colors[m_nCurrent] = color;
    m_wndSwatch.SetColor(color);
}

void CColorsDlg::OnDeltaPosSelector(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* pUpDown = reinterpret_cast<NM_UPDOWN*>(pNMHDR);
    // Wraps round the slots both ways.
    const int nIndex = ((m_nCurrent + pUpDown->iDelta) % NUM_GRID_COLORS + NUM_GRID_COLORS) % NUM_GRID_COLORS;
    SelectColor(nIndex);
    *pResult = 0;
}

void CColorsDlg::OnResetColors()
{
    for (int i = 0; i < NUM_GRID_COLORS; ++i)
        m_colors[i] = DEFAULT_GRID_COLORS[i];
    // With no slot current, the commit inside SelectColor cannot copy the edits
    // over the value just reset.
    const int nCurrent = m_nCurrent;
    m_nCurrent = -1;
    SelectColor(nCurrent == -1 ? 0 : nCurrent);
}
