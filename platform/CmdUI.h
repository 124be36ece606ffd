// SPDX-License-Identifier: MIT
#pragma once

// An update request for one command: the target's update handler says whether
// the command is enabled. Menus and toolbars derive from it to apply
// the answer to their items; the base keeps the last answer.

#include "platform/WinDef.h"

class CCmdTarget;

class CCmdUI {
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    // 1 shows the item with a check mark, 0 without one.
    virtual void SetCheck(int nCheck = 1);

    // Asks pTarget's chain for an update handler. When none answers, the
    // command is disabled if bDisableIfNoHandler is set and no command handler
    // exists either. Returns TRUE when an update handler ran.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);

    UINT m_nID = 0;
    BOOL m_bEnableChanged = FALSE;

    // The last answers given through this object.
    BOOL m_bEnabled = TRUE;
    int m_nCheck = 0;
};
