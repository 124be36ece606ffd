// SPDX-License-Identifier: MIT
#pragma once

// The native widget of CCeCommandBar: menu bar, toolbar buttons and the close
// adornment in one row across the top of the frame. Where the row is too narrow
// for all of them, the buttons move to a second row under the menus, so that
// every button stays in reach. F10 opens the first menu; Escape in a menu
// closes it and hands the keyboard back (SetOnMenuLeft). Internal to platform/.

#include <QWidget>

#include <functional>

class QMenu;
class QMenuBar;
class QToolBar;
class QToolButton;

class CommandBarWidget : public QWidget {
public:
    explicit CommandBarWidget(QWidget* pParent);

    QMenuBar* MenuBar() const { return m_pMenuBar; }
    QToolBar* ToolBar() const { return m_pToolBar; }
    QToolButton* CloseButton() const { return m_pClose; }

    // Called when the close adornment is pressed.
    void SetOnClose(std::function<void()> onClose) { m_onClose = std::move(onClose); }
    // Called once a menu closed by Escape has left the keyboard in the bar.
    void SetOnMenuLeft(std::function<void()> onMenuLeft) { m_onMenuLeft = std::move(onMenuLeft); }

    // A menu of the bar, whose Escape is watched.
    void WatchMenu(QMenu* pMenu);
    // Opens the first menu with its first enabled item active, as F10 does.
    void OpenFirstMenu();

    // Shows or hides the parts by their contents and places them again.
    void Relayout();
    bool IsTwoRows() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int nWidth) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    struct Placement {
        QRect menuBar, toolBar, close;
        int nHeight = 0;
        bool bTwoRows = false;
    };
    Placement Place(int nWidth) const;

    QMenuBar* m_pMenuBar;
    QToolBar* m_pToolBar;
    QToolButton* m_pClose;
    std::function<void()> m_onClose;
    std::function<void()> m_onMenuLeft;
};
