// SPDX-License-Identifier: MIT
#include "platform/CmdTarget.h"
#include "platform/CmdUI.h"

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->pfn; ++e) {
            if (e->nMessage == nMessage && e->nCode == nCode && e->nID == nID)
                return e;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // Commands and control notifications are WM_COMMAND entries; a WM_NOTIFY
    // arrives with the message in the high word.
    UINT nMessage = WM_COMMAND;
    UINT nEntryCode = static_cast<UINT>(nCode);
    if (nCode != CN_UPDATE_COMMAND_UI) {
        const UINT nHigh = HIWORD(static_cast<UINT>(nCode));
        if (nHigh != 0)
            nMessage = nHigh;
        nEntryCode = LOWORD(static_cast<UINT>(nCode));
    }
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(nMessage, nEntryCode, nID);
    if (!pEntry)
        return FALSE;
    if (pHandlerInfo) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pfn = pEntry->pfn;
        return TRUE;
    }
    pEntry->pfn(this, nID, 0, pExtra);
    return TRUE;
}

void CCmdUI::Enable(BOOL bOn)
{
    m_bEnabled = bOn ? TRUE : FALSE;
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    m_nCheck = nCheck;
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler)
{
    if (!pTarget)
        return FALSE;
    m_bEnableChanged = FALSE;
    const BOOL bHandled = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (!bHandled && bDisableIfNoHandler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info = {nullptr, nullptr};
        if (!pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info))
            Enable(FALSE);
    }
    return bHandled;
}
