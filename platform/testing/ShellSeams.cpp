// SPDX-License-Identifier: MIT
#include "platform/testing/TestingShell.h"

#include "platform/CeCommandBar.h"
#include "platform/CommandBarWidget.h"
#include "platform/FrameWnd.h"
#include "platform/MessageBox.h"
#include "platform/ShellPrivate.h"
#include "platform/WndPrivate.h"
#include "platform/testing/SeamHooks.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <deque>
#include <functional>
#include <memory>
#include <stdexcept>

namespace Testing {

// The innermost live script of each kind answers; an outer one waits its turn.
struct ScriptedMessageBoxes::State {
    std::deque<int> answers;
    std::vector<MessageBoxRecord> shown;
    State* pOuter = nullptr;
};

struct ScriptedFileDialogs::State {
    std::deque<std::optional<std::u16string>> answers;
    std::vector<FileDialogRecord> shown;
    State* pOuter = nullptr;
};

struct ScriptedPrintDialogs::State {
    std::deque<std::optional<PrintDialogAnswer>> answers;
    size_t nShown = 0;
    State* pOuter = nullptr;
};

struct TemporarySettings::State {
    QTemporaryDir dir;
    State* pOuter = nullptr;
};

namespace {
ScriptedMessageBoxes::State* g_pMessageBoxes = nullptr;
ScriptedFileDialogs::State* g_pFileDialogs = nullptr;
ScriptedPrintDialogs::State* g_pPrintDialogs = nullptr;
TemporarySettings::State* g_pSettings = nullptr;
}  // namespace

UINT MessageBoxRecord::Icon() const
{
    return nType & MB_ICONMASK;
}

UINT MessageBoxRecord::Buttons() const
{
    return nType & MB_TYPEMASK;
}

ScriptedMessageBoxes::ScriptedMessageBoxes() : m_pState(std::make_unique<State>())
{
    seams::InstallHooks();
    m_pState->pOuter = g_pMessageBoxes;
    g_pMessageBoxes = m_pState.get();
}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    g_pMessageBoxes = m_pState->pOuter;
}

void ScriptedMessageBoxes::Answer(int nResult)
{
    m_pState->answers.push_back(nResult);
}

const std::vector<MessageBoxRecord>& ScriptedMessageBoxes::Shown() const
{
    return m_pState->shown;
}

ScriptedFileDialogs::ScriptedFileDialogs() : m_pState(std::make_unique<State>())
{
    seams::InstallHooks();
    m_pState->pOuter = g_pFileDialogs;
    g_pFileDialogs = m_pState.get();
}

ScriptedFileDialogs::~ScriptedFileDialogs()
{
    g_pFileDialogs = m_pState->pOuter;
}

void ScriptedFileDialogs::Choose(const std::u16string& strPath)
{
    m_pState->answers.emplace_back(strPath);
}

void ScriptedFileDialogs::Cancel()
{
    m_pState->answers.emplace_back(std::nullopt);
}

const std::vector<FileDialogRecord>& ScriptedFileDialogs::Shown() const
{
    return m_pState->shown;
}

ScriptedPrintDialogs::ScriptedPrintDialogs() : m_pState(std::make_unique<State>())
{
    seams::InstallHooks();
    m_pState->pOuter = g_pPrintDialogs;
    g_pPrintDialogs = m_pState.get();
}

ScriptedPrintDialogs::~ScriptedPrintDialogs()
{
    g_pPrintDialogs = m_pState->pOuter;
}

void ScriptedPrintDialogs::PrintTo(const std::u16string& strPdfPath, double dWidth, double dHeight, int nFromPage,
                                   int nToPage)
{
    m_pState->answers.emplace_back(PrintDialogAnswer {strPdfPath, dWidth, dHeight, nFromPage, nToPage});
}

void ScriptedPrintDialogs::Cancel()
{
    m_pState->answers.emplace_back(std::nullopt);
}

size_t ScriptedPrintDialogs::Shown() const
{
    return m_pState->nShown;
}

TemporarySettings::TemporarySettings() : m_pState(std::make_unique<State>())
{
    // Without its folder the store would fall back to the user's own.
    if (!m_pState->dir.isValid())
        throw std::runtime_error("cannot create a temporary settings folder: " +
                                 m_pState->dir.errorString().toStdString());
    seams::InstallHooks();
    m_pState->pOuter = g_pSettings;
    g_pSettings = m_pState.get();
}

TemporarySettings::~TemporarySettings()
{
    g_pSettings = m_pState->pOuter;
}

std::u16string TemporarySettings::Folder() const
{
    return ToU16(m_pState->dir.path());
}

void TemporarySettings::WriteRaw(const std::u16string& strSection, const std::u16string& strEntry,
                                 const std::u16string& strValue)
{
    // Only this store: refuse to write anywhere if an inner one is active.
    if (g_pSettings != m_pState.get())
        return;
    std::unique_ptr<QSettings> pSettings = shell::OpenProfile();
    if (!pSettings)
        return;
    pSettings->setValue(ToQString(strSection) + u'/' + ToQString(strEntry), ToQString(strValue));
    pSettings->sync();
}

namespace seams {

bool AnswerMessageBox(const std::u16string& strText, UINT nType, int& nResult)
{
    ScriptedMessageBoxes::State* pState = g_pMessageBoxes;
    if (!pState)
        return false;
    pState->shown.push_back({strText, nType});
    if (!pState->answers.empty()) {
        nResult = pState->answers.front();
        pState->answers.pop_front();
        return true;
    }
    switch (nType & MB_TYPEMASK) {
    case MB_YESNO:
        nResult = IDNO;
        break;
    default:
        nResult = IDOK;
        break;
    }
    return true;
}

bool AnswerFileDialog(const FileDialogRequest& request, std::optional<std::u16string>& path)
{
    ScriptedFileDialogs::State* pState = g_pFileDialogs;
    if (!pState)
        return false;
    pState->shown.push_back({request.bOpen ? TRUE : FALSE, request.strDefExt, request.strFileName, request.dwFlags,
                             request.filters, request.strInitialDir});
    path.reset();
    if (!pState->answers.empty()) {
        path = pState->answers.front();
        pState->answers.pop_front();
    }
    return true;
}

bool AnswerPrintDialog(std::optional<PrintDialogAnswer>& answer)
{
    ScriptedPrintDialogs::State* pState = g_pPrintDialogs;
    if (!pState)
        return false;
    ++pState->nShown;
    answer.reset();
    if (!pState->answers.empty()) {
        answer = pState->answers.front();
        pState->answers.pop_front();
    }
    return true;
}

std::u16string SettingsFolder()
{
    return g_pSettings ? ToU16(g_pSettings->dir.path()) : std::u16string();
}

}  // namespace seams

// Command bar helpers.

namespace {

CommandBarWidget* BarOf(CFrameWnd& frame)
{
    // The bar's native widget is the one it made (no meta-object to look it up by).
    CCeCommandBar* pBar = frame.GetCommandBar();
    return pBar ? static_cast<CommandBarWidget*>(PlatformWidget(pBar)) : nullptr;
}

QList<QMenu*> MenusOf(CFrameWnd& frame)
{
    QList<QMenu*> menus;
    if (CommandBarWidget* pBar = BarOf(frame))
        for (QAction* pAction : pBar->MenuBar()->actions())
            if (QMenu* pMenu = pAction->menu())
                menus << pMenu;
    return menus;
}

// The item nID and the menu holding it.
std::pair<QMenu*, QAction*> FindMenuItem(CFrameWnd& frame, UINT nID)
{
    for (QMenu* pMenu : MenusOf(frame))
        for (QAction* pAction : pMenu->actions())
            if (!pAction->isSeparator() && pAction->data().toUInt() == nID)
                return {pMenu, pAction};
    return {nullptr, nullptr};
}

QAction* FindButton(CFrameWnd& frame, UINT nID)
{
    if (CommandBarWidget* pBar = BarOf(frame))
        for (QAction* pAction : pBar->ToolBar()->actions())
            if (!pAction->isSeparator() && pAction->data().toUInt() == nID)
                return pAction;
    return nullptr;
}

// What opening a menu runs, without a pop-up window (and its keyboard grab).
void OpenAndClose(QMenu* pMenu)
{
    Q_EMIT pMenu->aboutToShow();
    Q_EMIT pMenu->aboutToHide();
}

// The bar hands commands to the event loop; deliver them before returning.
void DeliverCommands()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

std::u16string TextOf(const QAction* pAction)
{
    return pAction->isSeparator() ? std::u16string() : ToU16(shell::MenuLabelOf(pAction->text()));
}

}  // namespace

std::vector<std::u16string> MenuTitles(CFrameWnd& frame)
{
    std::vector<std::u16string> titles;
    for (QMenu* pMenu : MenusOf(frame))
        titles.push_back(ToU16(shell::MenuLabelOf(pMenu->title())));
    return titles;
}

std::vector<std::u16string> MenuItemTexts(CFrameWnd& frame, size_t nPopup)
{
    std::vector<std::u16string> texts;
    const QList<QMenu*> menus = MenusOf(frame);
    if (nPopup < static_cast<size_t>(menus.size()))
        for (QAction* pAction : menus[static_cast<qsizetype>(nPopup)]->actions())
            texts.push_back(TextOf(pAction));
    return texts;
}

std::u16string MenuItemKeys(CFrameWnd& frame, UINT nID)
{
    const QAction* pAction = FindMenuItem(frame, nID).second;
    return pAction ? ToU16(shell::MenuKeysOf(pAction->text())) : std::u16string();
}

namespace {

// The letter Qt underlines in a menu text (after a single "&") and takes as
// its key, in upper case; 0 for none.
char16_t MnemonicOf(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return static_cast<char16_t>(text[i + 1].toUpper().unicode());
        ++i;
    }
    return 0;
}

}  // namespace

std::vector<char16_t> MenuTitleMnemonics(CFrameWnd& frame)
{
    std::vector<char16_t> keys;
    for (QMenu* pMenu : MenusOf(frame))
        keys.push_back(MnemonicOf(pMenu->title()));
    return keys;
}

std::vector<char16_t> MenuMnemonics(CFrameWnd& frame, size_t nPopup)
{
    std::vector<char16_t> keys;
    const QList<QMenu*> menus = MenusOf(frame);
    if (nPopup < static_cast<size_t>(menus.size()))
        for (QAction* pAction : menus[static_cast<qsizetype>(nPopup)]->actions())
            if (!pAction->isSeparator())
                keys.push_back(MnemonicOf(pAction->text()));
    return keys;
}

bool IsMenuItemEnabled(CFrameWnd& frame, UINT nID)
{
    const auto [pMenu, pAction] = FindMenuItem(frame, nID);
    if (!pAction)
        return false;
    OpenAndClose(pMenu);
    return pAction->isEnabled();
}

bool IsMenuItemChecked(CFrameWnd& frame, UINT nID)
{
    const auto [pMenu, pAction] = FindMenuItem(frame, nID);
    if (!pAction)
        return false;
    OpenAndClose(pMenu);
    return pAction->isCheckable() && pAction->isChecked();
}

bool ChooseMenuItem(CFrameWnd& frame, UINT nID)
{
    const auto [pMenu, pAction] = FindMenuItem(frame, nID);
    if (!pAction)
        return false;
    // As a click does: the menu opens, closes, then the item fires.
    OpenAndClose(pMenu);
    const bool bEnabled = pAction->isEnabled();
    if (bEnabled) {
        pAction->trigger();
        DeliverCommands();
    }
    return bEnabled;
}

std::vector<UINT> ToolBarButtons(CFrameWnd& frame)
{
    std::vector<UINT> buttons;
    if (CommandBarWidget* pBar = BarOf(frame))
        for (QAction* pAction : pBar->ToolBar()->actions())
            buttons.push_back(pAction->isSeparator() ? 0 : pAction->data().toUInt());
    return buttons;
}

bool IsToolBarButtonEnabled(CFrameWnd& frame, UINT nID)
{
    QAction* pAction = FindButton(frame, nID);
    return pAction && pAction->isEnabled();
}

bool IsToolBarButtonChecked(CFrameWnd& frame, UINT nID)
{
    QAction* pAction = FindButton(frame, nID);
    return pAction && pAction->isCheckable() && pAction->isChecked();
}

bool ClickToolBarButton(CFrameWnd& frame, UINT nID)
{
    QAction* pAction = FindButton(frame, nID);
    CommandBarWidget* pBar = BarOf(frame);
    if (!pAction || !pBar)
        return false;
    auto* pButton = qobject_cast<QAbstractButton*>(pBar->ToolBar()->widgetForAction(pAction));
    if (!pButton || !pButton->isEnabled())
        return false;
    pButton->click();
    DeliverCommands();
    return true;
}

bool HasCloseButton(CFrameWnd& frame)
{
    CommandBarWidget* pBar = BarOf(frame);
    return pBar && !pBar->CloseButton()->isHidden();
}

bool PressCloseButton(CFrameWnd& frame)
{
    if (!HasCloseButton(frame))
        return false;
    BarOf(frame)->CloseButton()->click();
    DeliverCommands();
    return true;
}

bool CloseFromDesktop(CFrameWnd& frame)
{
    QWidget* pWidget = PlatformWidget(&frame);
    if (!pWidget || !pWidget->isWindow() || !pWidget->isVisible())
        return false;
    pWidget->close();
    DeliverCommands();
    return true;
}

bool ToolBarWrapped(CFrameWnd& frame)
{
    CommandBarWidget* pBar = BarOf(frame);
    return pBar && pBar->IsTwoRows();
}

void RunIdle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    shell::RunIdle();
}

}  // namespace Testing

// Native dialogs answered from the event loop.

namespace Testing {

namespace {

// Runs answer on the next modal window of type T once a user could answer it:
// open and active, its keyboard focus where the window put it. The window
// system activates a window some time after it shows; an answer before that
// would have the activation reach the closed window and move its focus.
template <class T> void WhenModalOpens(std::function<void(T*)> answer)
{
    QTimer::singleShot(0, [answer] {
        T* pModal = qobject_cast<T*>(QApplication::activeModalWidget());
        if (pModal && pModal->isActiveWindow())
            answer(pModal);
        else
            WhenModalOpens<T>(answer);  // not open, or not active yet
    });
}

int ResultOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return 0;
    }
}

UINT IconOf(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Critical:
        return MB_ICONSTOP;
    case QMessageBox::Question:
        return MB_ICONQUESTION;
    case QMessageBox::Warning:
        return MB_ICONEXCLAMATION;
    case QMessageBox::Information:
        return MB_ICONINFORMATION;
    default:
        return 0;
    }
}

}  // namespace

void AnswerNextNativeMessageBox(int nButton, NativeMessageBox* pSeen)
{
    WhenModalOpens<QMessageBox>([nButton, pSeen](QMessageBox* pBox) {
        if (pSeen) {
            pSeen->strTitle = ToU16(pBox->windowTitle());
            pSeen->strText = ToU16(pBox->text());
            pSeen->nIcon = IconOf(pBox->icon());
            pSeen->nDefault = pBox->defaultButton() ? ResultOf(pBox->standardButton(pBox->defaultButton())) : 0;
            pSeen->buttons.clear();
        }
        QAbstractButton* pPress = nullptr;
        for (QAbstractButton* pButton : pBox->buttons()) {
            const int nResult = ResultOf(pBox->standardButton(pButton));
            if (pSeen)
                pSeen->buttons.push_back(nResult);
            if (nResult == nButton)
                pPress = pButton;
        }
        if (pPress)
            pPress->click();
        else
            pBox->done(0);  // no such button: close it rather than hang
    });
}

void AnswerNextNativeFileDialog(const std::u16string* pTypedPath, NativeFileDialog* pSeen)
{
    const std::optional<QString> typed = pTypedPath ? std::optional<QString>(ToQString(*pTypedPath)) : std::nullopt;
    WhenModalOpens<QFileDialog>([typed, pSeen](QFileDialog* pDlg) {
        if (pSeen) {
            pSeen->bSave = pDlg->acceptMode() == QFileDialog::AcceptSave;
            pSeen->strTitle = ToU16(pDlg->windowTitle());
            pSeen->filters.clear();
            for (const QString& filter : pDlg->nameFilters())
                pSeen->filters.push_back(ToU16(filter));
        }
        // The dialog puts the focus in its name field: the path goes over
        // what the field holds, then Return.
        auto* pField = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (!typed || !pField || pField->window() != pDlg) {
            pDlg->reject();
            return;
        }
        pField->selectAll();
        pField->insert(*typed);
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent key(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QApplication::sendEvent(pField, &key);
        }
    });
}

}  // namespace Testing
