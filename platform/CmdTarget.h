// SPDX-License-Identifier: MIT
#pragma once

// Message tables. Each class that handles messages or commands declares a
// table with DECLARE_MESSAGE_MAP() and fills it in its source file between
// BEGIN_MESSAGE_MAP(CClass, CBase) and END_MESSAGE_MAP(). A table is searched
// first, then its base class's table, and so on. Each entry holds a small
// function, instantiated per handler, that unpacks wParam/lParam into the
// handler's typed arguments, so a handler with the wrong signature does not
// compile.

#include "platform/WinDef.h"

class CCmdTarget;
class CCmdUI;

using AFX_PTHUNK = LRESULT (*)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam, void* pExtra);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // WM_ message; WM_COMMAND or WM_NOTIFY for commands and notifications
    UINT nCode;  // notification code, CN_COMMAND or CN_UPDATE_COMMAND_UI
    UINT nID;  // command or control id (0 for window messages)
    AFX_PTHUNK pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Filled in instead of calling the handler when OnCmdMsg is asked only whether one exists.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    AFX_PTHUNK pfn;
};

// pExtra of OnCmdMsg for a WM_NOTIFY.
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;

class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Routes a command (CN_COMMAND or a control notification code), an update
    // request (CN_UPDATE_COMMAND_UI, pExtra the CCmdUI) or a notification
    // (MAKELONG(code, WM_NOTIFY), pExtra an AFX_NOTIFY) through the table.
    // Returns TRUE when a handler took it. Override to offer it to others.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The entry for a message in this object's table chain, or null.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

// Unpacking of command and notification handlers.
namespace AfxThunk {
template <class T, auto F> LRESULT Command(CCmdTarget* p, WPARAM, LPARAM, void*)
{
    (static_cast<T*>(p)->*F)();
    return 0;
}
template <class T, auto F> LRESULT UpdateUI(CCmdTarget* p, WPARAM, LPARAM, void* pExtra)
{
    (static_cast<T*>(p)->*F)(static_cast<CCmdUI*>(pExtra));
    return 0;
}
template <class T, auto F> LRESULT Notify(CCmdTarget* p, WPARAM, LPARAM, void* pExtra)
{
    AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
    (static_cast<T*>(p)->*F)(pNotify->pNMHDR, pNotify->pResult);
    return 0;
}
template <class T, auto F> LRESULT Message(CCmdTarget* p, WPARAM wParam, LPARAM lParam, void*)
{
    return (static_cast<T*>(p)->*F)(wParam, lParam);
}
}  // namespace AfxThunk

#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();                                                               \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                                                  \
    {                                                                                                                  \
        return GetThisMessageMap();                                                                                    \
    }                                                                                                                  \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap()                                                             \
    {                                                                                                                  \
        using ThisClass [[maybe_unused]] = theClass;                                                                   \
        using TheBaseClass = baseClass;                                                                                \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                              \
    {                                                                                                                  \
        0, 0, 0, nullptr                                                                                               \
    }                                                                                                                  \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};                      \
    return &messageMap;                                                                                                \
    }

#define ON_COMMAND(id, memberFxn)                                                                                      \
    {WM_COMMAND, static_cast<UINT>(CN_COMMAND), static_cast<UINT>(id),                                                 \
     &AfxThunk::Command<ThisClass, &ThisClass::memberFxn>},
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                                            \
    {WM_COMMAND, static_cast<UINT>(CN_UPDATE_COMMAND_UI), static_cast<UINT>(id),                                       \
     &AfxThunk::UpdateUI<ThisClass, &ThisClass::memberFxn>},
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                                         \
    {WM_COMMAND, static_cast<UINT>(wNotifyCode), static_cast<UINT>(id),                                                \
     &AfxThunk::Command<ThisClass, &ThisClass::memberFxn>},
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                                          \
    {WM_NOTIFY, static_cast<UINT>(LOWORD(static_cast<UINT>(wNotifyCode))), static_cast<UINT>(id),                      \
     &AfxThunk::Notify<ThisClass, &ThisClass::memberFxn>},
#define ON_MESSAGE(message, memberFxn)                                                                                 \
    {static_cast<UINT>(message), 0, 0, &AfxThunk::Message<ThisClass, &ThisClass::memberFxn>},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
