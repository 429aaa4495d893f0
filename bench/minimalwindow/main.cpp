// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// The yardstick for corvane's start-up time and memory: the least a Qt
// Widgets program does to put a fixed-size window with one label on screen.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal Qt Widgets window"));
    // The same client size as corvane's main window (9255 x 9450 twips).
    window.setFixedSize(617, 630);
    QLabel label(QStringLiteral("Minimal"), &window);
    label.move(20, 20);
    window.show();
    return app.exec();
}
