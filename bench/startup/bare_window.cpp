// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardsticks: a bare Qt window of the size of a suite program's main window, empty, or with
// the argument "label" with one label of text, which loads the fonts as every program does.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    if (app.arguments().contains(QStringLiteral("label")))
        (new QLabel(QStringLiteral("Hallo!\nWähle ein Programm aus:"), &window))->move(20, 20);
    window.show();
    return app.exec();
}
