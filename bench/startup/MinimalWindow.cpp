// SPDX-License-Identifier: MIT
// The least a Qt Widgets program does to put a window on the screen: one
// plain window of the main frame's size, filled with one colour. Its start-up
// is the floor that trellis's start-up is measured against.
#include <QApplication>
#include <QPalette>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0, 128, 0));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.resize(240, 300);
    window.show();
    return app.exec();
}
