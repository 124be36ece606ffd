// SPDX-License-Identifier: MIT
#include "app/WindowState.h"

#include <climits>

namespace {

int ReadValue(CWinApp& app, const CSetting& setting)
{
    return setting.Within(static_cast<int>(app.GetProfileInt(SECTION_WINDOW, setting.pszName, setting.nDefault)));
}

}  // namespace

void CWindowState::Read(CWinApp& app)
{
    // A value that cannot be a stored one tells an absent place.
    constexpr int kAbsent = INT_MIN;
    const int nLeft = static_cast<int>(app.GetProfileInt(SECTION_WINDOW, WINDOW_LEFT, kAbsent));
    const int nTop = static_cast<int>(app.GetProfileInt(SECTION_WINDOW, WINDOW_TOP, kAbsent));
    m_bPlaced = nLeft != kAbsent && nTop != kAbsent;
    m_ptTopLeft = m_bPlaced ? CPoint(nLeft, nTop) : CPoint(0, 0);
    m_sizePanes = CSize(ReadValue(app, SETTING_WINDOW_WIDTH), ReadValue(app, SETTING_WINDOW_HEIGHT));
    m_bMaximized = ReadValue(app, SETTING_WINDOW_MAXIMIZED);
    m_bFullMenus = ReadValue(app, SETTING_FULL_MENUS);
    m_bClueLists = ReadValue(app, SETTING_CLUE_LISTS);
    m_bListsBelow = ReadValue(app, SETTING_LISTS_BELOW);
    m_nListWidth = ReadValue(app, SETTING_LIST_WIDTH);
    m_nListHeight = ReadValue(app, SETTING_LIST_HEIGHT);
    const int nStatusLine = static_cast<int>(app.GetProfileInt(SECTION_WINDOW, SETTING_STATUS_LINE.pszName, -1));
    m_bStatusLine = nStatusLine == FALSE || nStatusLine == TRUE ? nStatusLine : m_bClueLists;
}

void CWindowState::Write(CWinApp& app) const
{
    if (m_bPlaced) {
        app.WriteProfileInt(SECTION_WINDOW, WINDOW_LEFT, m_ptTopLeft.x);
        app.WriteProfileInt(SECTION_WINDOW, WINDOW_TOP, m_ptTopLeft.y);
    }
    const std::pair<const CSetting&, int> values[] = {
        {SETTING_WINDOW_WIDTH, m_sizePanes.cx},   {SETTING_WINDOW_HEIGHT, m_sizePanes.cy},
        {SETTING_WINDOW_MAXIMIZED, m_bMaximized}, {SETTING_FULL_MENUS, m_bFullMenus},
        {SETTING_CLUE_LISTS, m_bClueLists},       {SETTING_LISTS_BELOW, m_bListsBelow},
        {SETTING_LIST_WIDTH, m_nListWidth},       {SETTING_LIST_HEIGHT, m_nListHeight},
        {SETTING_STATUS_LINE, m_bStatusLine},
    };
    for (const auto& [setting, nValue] : values)
        app.WriteProfileInt(SECTION_WINDOW, setting.pszName, nValue);
}
