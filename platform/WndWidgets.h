// SPDX-License-Identifier: MIT
#pragma once

// The two Qt widgets of a plain window: the frame (border, scroll bars) and,
// inside it, the client area that shows the backing image and turns Qt input
// into messages.

#include "platform/WndPrivate.h"

#include <QEvent>
#include <QWidget>

// Posted to a client area: run a pending paint, or deliver a posted message.
class PlatformEvent : public QEvent {
public:
    static QEvent::Type PaintType();
    static QEvent::Type MessageType();

    PlatformEvent(QEvent::Type type, UINT message = 0, WPARAM wParam = 0, LPARAM lParam = 0);
    ~PlatformEvent() override;

    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class FrameWidget : public QWidget {
public:
    FrameWidget(CWndImpl* pImpl, QWidget* pParent, Qt::WindowFlags flags);
    ~FrameWidget() override;

    CWndImpl* impl;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // A top-level window minimised or brought back hears of it as WM_SIZE.
    void changeEvent(QEvent* e) override;

private:
    // Keeps where the desktop's frame stands round a top-level window.
    void NoteFrame();
};

class ClientWidget : public QWidget {
public:
    ClientWidget(CWndImpl* pImpl, QWidget* pParent);

    CWndImpl* impl;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void Mouse(UINT message, QMouseEvent* e, bool toWindowUnderPointer);
};

// The key flags (MK_LBUTTON, MK_SHIFT, MK_CONTROL) of the mouse messages.
UINT PlatformMouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

// Depth of Qt event handling inside the platform's widgets; a window
// destroyed from inside a handler has its widgets deleted later.
int PlatformEventDepth();

// Counts one level of that nesting for as long as it lives.
class PlatformDepthGuard {
public:
    PlatformDepthGuard();
    ~PlatformDepthGuard();
    PlatformDepthGuard(const PlatformDepthGuard&) = delete;
    PlatformDepthGuard& operator=(const PlatformDepthGuard&) = delete;
};
