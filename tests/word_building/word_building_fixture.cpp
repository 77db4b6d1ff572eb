// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/word_building/word_building_fixture.h"

#include "platform/forms/twips.h"
#include "platform/services.h"

#include <QColor>
#include <QDir>
#include <QImage>

using word_building::Form1;
using word_building::WordBuildingLevel;

Form1& WordBuildingTest::start(const QString& arguments, int levelButton)
{
    stop();
    writeOptions();
    testing_support::answerLevelDialog<SStufe>("SStufe", {levelButton}, onLevelDialog);
    return ExerciseTest::start(arguments, *variant);
}

void WordBuildingTest::revealAll() const
{
    for (int i = 1; i <= variant->slotCount && !form->task.Aktuell.isEmpty(); ++i)
        clickSlot(i);
}

QStringList WordBuildingTest::tags() const
{
    QStringList result;
    for (QPushButton* picture : form->Bild)
        result << platform::tag(picture);
    return result;
}

QRect WordBuildingTest::slotTwips(int i) const
{
    const QRect r = form->Karte.at(static_cast<std::size_t>(i - 1))->geometry();
    return {platform::pixelsToTwips(r.x()), platform::pixelsToTwips(r.y()), platform::pixelsToTwips(r.width()),
            platform::pixelsToTwips(r.height())};
}

int WordBuildingTest::rightPicture() const
{
    for (int k = 1; k <= 3; ++k) {
        const QString tag = tags().at(k - 1);
        if (form->Level == WordBuildingLevel::OwnPictures
                ? tag == form->task.Wortname.toUpper()
                : (tag == form->task.Wortname.toUpper() || tag == QString::number(form->WelchesWort)))
            return k;
    }
    return 0;
}

void WordBuildingTest::solve(bool wrongFirst) const
{
    revealAll();
    if (wrongFirst)
        pick(wrongPicture());
    pick(rightPicture());
}

bool WordBuildingTest::solveTasks(int count, const std::function<void(Protokoll&)>& onResult, int wrongTask) const
{
    bool shown = false;
    for (int task = 1; task <= count; ++task) {
        solve(task == wrongTask);
        if (task == count)
            testing_support::whenShown("Protokoll", [&](platform::Form& dialog) {
                shown = true;
                onResult(static_cast<Protokoll&>(dialog));
            });
        click(form->Command1);
    }
    return shown;
}

Form1& WordBuildingTest::startLogged(const QString& pupil)
{
    options.ProtSave = 1;
    QDir().mkpath(logFolder());
    return start(QString("Q /p=\"%1\" /n=\"%2\"").arg(logFolder(), pupil));
}

QString WordBuildingTest::solveTwoTasksAndEnd() const
{
    solve();
    click(form->Command1);
    const QString second = form->task.Wortname;
    solve(true);
    click(form->Command1);
    click(form->Ende);
    return second;
}

int WordBuildingTest::wrongPicture() const
{
    return rightPicture() == 1 ? 2 : 1;
}

void WordBuildingTest::addOwnPictures(const QStringList& names) const
{
    int shade = 10;
    for (const QString& name : names) {
        QImage image(20, 20, QImage::Format_RGB32);
        image.fill(QColor(shade, 100, 200));
        shade += 40;
        const QString folder = programDir() + "/" + ownFolder;
        QDir().mkpath(folder);
        ASSERT_TRUE(image.save(folder + "/" + name + ".bmp", "BMP"));
    }
}

void WordBuildingTest::expectLevelChoices(const QStringList& buttons, const QString& ownButton,
                                          const QStringList& items, const QString& ownItem, int helpMapId)
{
    for (const bool own : {false, true}) {
        SCOPED_TRACE(own ? "option 8 on" : "option 8 off");
        options.optEigeneBilder = own ? 1 : 0;
        QStringList shownButtons;
        onLevelDialog = [&](SStufe& dialog) {
            for (QPushButton* b : dialog.Stufe)
                if (!b->isHidden())
                    shownButtons << b->text();
        };
        start();
        QStringList menu;
        for (QAction* a : form->dasmenu->actions())
            if (a->isVisible())
                menu << (a->isSeparator() ? "-" : a->text());
        EXPECT_EQ(shownButtons, own ? buttons + QStringList{ownButton} : buttons);
        EXPECT_EQ(menu, QStringList({"&Hilfe", "-"}) + (own ? items + QStringList{ownItem} : items));
        EXPECT_EQ(form->dasmenu->title(), "Lehrer&menü");
    }
    form->Hilfe->trigger();
    ASSERT_EQ(help->opened.size(), 1u);
    EXPECT_EQ(help->opened[0].second, helpMapId);
}
