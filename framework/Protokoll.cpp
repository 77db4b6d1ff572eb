// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Protokoll.h"

#include "framework/DesignPictures.h"
#include "framework/ExerciseState.h"
#include "framework/ProtokollRecords.h"

#include "platform/forms/end.h"
#include "platform/services.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr int kMarks = 10;
constexpr int kMarkSize = 480;

QLabel* bigLabel(QLabel* label)
{
    platform::setControlFont(label, QStringLiteral("Arial"), 21.75, true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton* buttonFont(QPushButton* button)
{
    platform::setControlFont(button, QStringLiteral("Arial"), 14.25);
    return button;
}

// The application title names the exercise in the records.
QString programTitle()
{
    return QCoreApplication::applicationName();
}

} // namespace

Protokoll::Protokoll(ExerciseState& state, platform::Form& mainWindow)
    : Form(QStringLiteral("Protokoll")), state_(state), mainWindow_(mainWindow)
{
    setCaption(QStringLiteral("Protokoll"));
    setClientSizeTwips(6495, 6705);
    LangProtokoll = addPicture(QStringLiteral("LangProtokoll"), {0, 120, 6495, 5295});
    Anzeige = bigLabel(addLabel(QStringLiteral("Anzeige"), {0, 120, 6495, 615},
                                QStringLiteral("von 10 Aufgaben"), LangProtokoll));
    Label1 = bigLabel(addLabel(QStringLiteral("Label1"), {720, 840, 2055, 615},
                               QStringLiteral("richtig"), LangProtokoll));
    Label2 = bigLabel(addLabel(QStringLiteral("Label2"), {3720, 840, 2055, 615},
                               QStringLiteral("falsch"), LangProtokoll));
    Richtig = bigLabel(addLabel(QStringLiteral("Richtig"), {1320, 4560, 855, 615},
                                QStringLiteral("10"), LangProtokoll));
    Falsch = bigLabel(addLabel(QStringLiteral("Falsch"), {4320, 4560, 855, 615},
                               QStringLiteral("10"), LangProtokoll));
    ARichtig = addMarks(QStringLiteral("ARichtig"), 1200, designPicturePath(DesignPicture::Richtig));
    AFalsch = addMarks(QStringLiteral("AFalsch"), 4200, designPicturePath(DesignPicture::Falsch));
    LangProtokoll->hide();
    Weiter = buttonFont(addButton(QStringLiteral("Weiter"), {3360, 5700, 2175, 735},
                                  QStringLiteral("Weiter"), [this] { Weiter_Click(); }));
    Wiederholen = buttonFont(addButton(QStringLiteral("Wiederholen"), {1800, 5700, 2775, 735},
                                       QStringLiteral("Wiederholen"), [this] { Wiederholen_Click(); }));
    Wiederholen->hide();
    Ende = addButton(QStringLiteral("Ende"), {960, 5700, 2055, 735}, QString(),
                     [this] { Ende_Click(); });
    Ende->setIcon(platform::loadPicture(designPicturePath(DesignPicture::Ende)));
    Ende->setIconSize(Ende->size());
}

std::vector<QLabel*> Protokoll::addMarks(const QString& name, int left, const QString& picture)
{
    std::vector<QLabel*> marks;
    for (int index = 1; index <= kMarks; ++index) {
        const int column = (index - 1) % 2;
        const int row = (index - 1) / 2;
        QLabel* mark = addPicture(name + QString::number(index),
                                  {left + 600 * column, 1560 + 600 * row, kMarkSize, kMarkSize},
                                  LangProtokoll);
        platform::setPicture(mark, picture);
        mark->setScaledContents(true);
        mark->hide();
        marks.push_back(mark);
    }
    return marks;
}

void Protokoll::Form_Load()
{
    centerOnScreen();
    if (state_.options.exerciseOnTop(state_.launcherStarted()))
        setTopmost(true);
}

// Only the dialog's own buttons end it, so the block counters are always settled.
bool Protokoll::Form_QueryUnload(platform::UnloadMode mode)
{
    return mode != platform::UnloadMode::Code;
}

void Protokoll::ProtokollInit()
{
    LangProtokoll->show();
    Anzeige->setText(QStringLiteral("von ") + QString::number(GesamteA) + QStringLiteral(" Aufgaben"));
    const int right = std::clamp(RichtigeA, 0, kMarks);
    const int wrong = std::clamp(FalscheA, 0, kMarks);
    for (int i = 0; i < kMarks; ++i) {
        ARichtig[static_cast<size_t>(i)]->setVisible(i < right);
        AFalsch[static_cast<size_t>(i)]->setVisible(i < wrong);
    }
    Richtig->setText(QString::number(RichtigeA));
    Falsch->setText(QString::number(FalscheA));
    if (state_.TaskMode)
        ProtokollRecords::append(state_.DataDir,
                                 ProtokollRecords::blockRecord(programTitle(),
                                                               platform::services().clock->now(),
                                                               FalscheA, RichtigeA));
    if (FalscheA > state_.AllowedErrors) {
        Weiter->hide();
        Ende->hide();
        Wiederholen->show();
    }
}

void Protokoll::ProtokollExit()
{
    ProtokollRecords::append(state_.DataDir,
                             ProtokollRecords::abortRecord(programTitle(),
                                                           platform::services().clock->now(),
                                                           state_.TasksDone, state_.WrongFirst));
}

void Protokoll::Ende_Click()
{
    unload();
    mainWindow_.unload();
    platform::End();
}

void Protokoll::Weiter_Click()
{
    state_.TasksDone = 0;
    state_.WrongFirst = 0;
    unload();
}

void Protokoll::Wiederholen_Click()
{
    Weiter_Click();
}
