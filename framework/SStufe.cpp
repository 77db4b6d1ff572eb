// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/SStufe.h"

#include <QCoreApplication>

namespace {

constexpr int kClientWidth = 6510;
constexpr int kButtonSpacing = 840;

} // namespace

LevelDialog::LevelDialog(const Layout& layout) : Form(QString::fromLatin1(layout.name))
{
    setClientSizeTwips(kClientWidth, layout.clientHeight);
    QLabel* label = addLabel(QStringLiteral("Label1"), {layout.labelLeft, layout.labelTop, 6495, 615},
                             QStringLiteral("Du kannst wählen:"));
    platform::setControlFont(label, QStringLiteral("Arial"), 27.75, true);
    label->setAlignment(Qt::AlignCenter);
    for (int index = 0; index < layout.captions.size(); ++index) {
        const int left = index == 0 ? layout.firstLeft : layout.otherLeft;
        QPushButton* button = addButton(QStringLiteral("Stufe") + QString::number(index),
                                        {left, layout.firstTop + kButtonSpacing * index, 5775, 675},
                                        layout.captions.at(index), [this, index] { Stufe_Click(index); });
        platform::setControlFont(button, QStringLiteral("Arial"), 15.75, true);
        Stufe.push_back(button);
    }
    Stufe.back()->hide();
}

void LevelDialog::Form_Load()
{
    setCaption(QCoreApplication::applicationName());
    setTopmost(true);
    setCenteredWhenShown(true);
}

// The dialog only hides, so the exercise can still read the Tag.
void LevelDialog::Stufe_Click(int Index)
{
    platform::setTag(Stufe.front(), QString::number(Index));
    hide();
}

SStufe::SStufe()
    : LevelDialog({"SStufe", 3765, 0, 285, 360, 375, 1125,
                   {QStringLiteral("Wörter mit drei Silben"), QStringLiteral("Wörter mit vier oder mehr Silben"),
                    QStringLiteral("alle Wörter"), QStringLiteral("Wörter mit vier oder mehr Silben")}})
{
}

SStufe2::SStufe2()
    : LevelDialog({"SStufe2", 5490, 8, 248, 368, 383, 1088,
                   {QStringLiteral("Wörter mit drei Silben"), QStringLiteral("Wörter mit vier oder mehr Silben"),
                    QStringLiteral("alle Wörter"), QStringLiteral("Eigene Wortlisten"),
                    QStringLiteral("Eigene Wortlisten"), QStringLiteral("Eigene Wortlisten")}})
{
}
