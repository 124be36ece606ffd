// SPDX-License-Identifier: MIT
// Commands as menus and accelerators issue them, and the texts of menu items.

#include "platform/CmdUI.h"
#include "platform/ShellPrivate.h"
#include "platform/WndPrivate.h"

#include <QMetaObject>
#include <QPointer>
#include <QWidget>

namespace shell {

void PostCommand(CWnd* pTarget, UINT nID)
{
    QPointer<QWidget> pWidget = PlatformWidget(pTarget);
    if (!pWidget)
        return;
    QMetaObject::invokeMethod(
        pWidget,
        [pTarget, pWidget, nID] {
            if (!pWidget || PlatformWndFromWidget(pWidget) != pTarget || !pTarget->GetSafeHwnd())
                return;
            // What the user saw enabled may have changed since: ask again.
            CCmdUI state;
            state.m_nID = nID;
            state.DoUpdate(pTarget, TRUE);
            if (state.m_bEnabled)
                pTarget->SendMessage(WM_COMMAND, MAKEWPARAM(nID, CN_COMMAND), 0);
        },
        Qt::QueuedConnection);
}

QList<QKeySequence> KeySequencesOf(const AcceleratorResource& accel)
{
    QList<int> keys;
    const WORD key = accel.key;
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        keys << key;  // Qt's codes are the same
    else if (key == VK_OEM_PLUS)
        keys << Qt::Key_Plus << Qt::Key_Equal;
    else if (key == VK_OEM_MINUS)
        keys << Qt::Key_Minus;
    else if (key == VK_INSERT)
        keys << Qt::Key_Insert;
    int modifiers = 0;
    if (accel.fVirt & FCONTROL)
        modifiers |= Qt::ControlModifier;
    if (accel.fVirt & FSHIFT)
        modifiers |= Qt::ShiftModifier;
    if (accel.fVirt & FALT)
        modifiers |= Qt::AltModifier;
    QList<QKeySequence> sequences;
    for (int nKey : keys)
        sequences << QKeySequence(nKey | modifiers);
    return sequences;
}

QString MenuLabelOf(const QString& strText)
{
    const qsizetype nTab = strText.indexOf(u'\t');
    const QString strLabel = nTab < 0 ? strText : strText.left(nTab);
    QString strShown;
    for (qsizetype i = 0; i < strLabel.size(); ++i) {
        if (strLabel[i] == u'&' && i + 1 < strLabel.size())
            ++i;  // the letter after the mark is shown, underlined
        else if (strLabel[i] == u'&')
            continue;
        strShown += strLabel[i];
    }
    return strShown;
}

QString MenuKeysOf(const QString& strText)
{
    const qsizetype nTab = strText.indexOf(u'\t');
    return nTab < 0 ? QString() : strText.mid(nTab + 1);
}

}  // namespace shell
