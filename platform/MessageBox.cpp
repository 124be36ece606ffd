// SPDX-License-Identifier: MIT
#include "platform/MessageBox.h"

#include "platform/PlatformHooks.h"
#include "platform/ShellPrivate.h"
#include "platform/WndPrivate.h"

#include <QMessageBox>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

QMessageBox::Icon IconOf(UINT nType)
{
    switch (nType & MB_ICONMASK) {
    case MB_ICONSTOP:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

struct ButtonSet {
    std::vector<std::pair<QMessageBox::StandardButton, int>> buttons;  // in order, with the result each gives
    QMessageBox::StandardButton escape;
};

ButtonSet ButtonsOf(UINT nType)
{
    switch (nType & MB_TYPEMASK) {
    case MB_YESNO:
        // No escape: the user has to say yes or no.
        return {{{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}, QMessageBox::NoButton};
    default:
        return {{{QMessageBox::Ok, IDOK}}, QMessageBox::Ok};
    }
}

int ShowNative(const std::u16string& strText, UINT nType)
{
    const ButtonSet set = ButtonsOf(nType);
    QMessageBox box(IconOf(nType), shell::AppTitle(), ToQString(strText), QMessageBox::NoButton,
                    shell::ModalParent(nullptr));
    for (const auto& [button, result] : set.buttons)
        box.addButton(button);
    const size_t nDefault = std::min<size_t>((nType & MB_DEFMASK) >> 8, set.buttons.size() - 1);
    box.setDefaultButton(set.buttons[nDefault].first);
    if (set.escape != QMessageBox::NoButton)
        box.setEscapeButton(set.escape);
    box.exec();
    const auto pressed = box.standardButton(box.clickedButton());
    for (const auto& [button, result] : set.buttons)
        if (button == pressed)
            return result;
    // Closed without a button: only an OK box has an escape.
    return IDOK;
}

}  // namespace

int AfxMessageBox(const std::u16string& strText, UINT nType, UINT /*nIDHelp*/)
{
    int nResult = 0;
    PlatformHooks* pHooks = PlatformHooks::Installed();
    if (!pHooks || !pHooks->AnswerMessageBox(strText, nType, nResult))
        nResult = ShowNative(strText, nType);
    PlatformModalWindowClosed();
    return nResult;
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    return AfxMessageBox(std::u16string(lpszText ? lpszText : u""), nType, nIDHelp);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    return AfxMessageBox(shell::FindString(nIDPrompt), nType, nIDHelp);
}
