// SPDX-License-Identifier: MIT
#pragma once

// The native widget of CCeCommandBar: menu bar, toolbar buttons and the close
// adornment in one row across the top of the frame. Where the row is too narrow
// for all of them, the buttons move to a second row under the menus, so that
// every button stays in reach. Internal to platform/.

#include <QWidget>

#include <functional>

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
};
