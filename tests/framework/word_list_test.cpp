// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/ExerciseState.h"
#include "framework/ListAuswahl.h"

#include "tests/support/fixture.h"

#include <QDir>
#include <QTest>

using testing_support::SuiteTest;
using testing_support::whenShown;

namespace {

class WordListTest : public SuiteTest {
protected:
    WordListTest()
    {
        state.DataDir = dataDir();
        QDir().mkpath(dataDir());
        state.ListSource = WordListSource::OwnLists;
    }
    QString ownLists() const { return dataDir() + QStringLiteral("/Listen"); }

    static void clickList(ListAuswahl& dialog, const QString& name)
    {
        const auto items = dialog.Datei->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        const QRect place = dialog.Datei->visualItemRect(items.first());
        QTest::mouseClick(dialog.Datei->viewport(), Qt::LeftButton, {}, place.center());
    }
    void run(const std::function<void(ListAuswahl&)>& act)
    {
        ListAuswahl dialog(state);
        whenShown(QStringLiteral("ListAuswahl"), [&](platform::Form&) { act(dialog); });
        dialog.showModal();
    }

    ExerciseState state;
};

} // namespace

TEST_F(WordListTest, ReadsAtMostHundredWordsOfTheClickedList)
{
    QStringList words;
    for (int i = 1; i <= 120; ++i)
        words.append(QStringLiteral("Wort") + QString::number(i));
    writeFile(ownLists() + QStringLiteral("/Tiere"), words);
    writeFile(ownLists() + QStringLiteral("/NEU"), {});
    run([](ListAuswahl& dialog) { clickList(dialog, QStringLiteral("Tiere")); });
    EXPECT_EQ(state.ListCount, 100);
    EXPECT_EQ(state.Liste, words.mid(0, 100));
}

TEST_F(WordListTest, DropsBlankLinesAndBlanksAroundWords)
{
    writeBytes(ownLists() + QStringLiteral("/Haus"), "  \r\n  Haus  \r\n\r\nBa-na-ne\r\nK\xE4se\r\n");
    writeBytes(ownLists() + QStringLiteral("/Utf8"), "Gr\xC3\xBC" "n\n");
    run([](ListAuswahl& dialog) { clickList(dialog, QStringLiteral("Haus")); });
    EXPECT_EQ(state.Liste, (QStringList{QStringLiteral("Haus"), QStringLiteral("Ba-na-ne"),
                                        QStringLiteral("Käse")}));
    run([](ListAuswahl& dialog) { clickList(dialog, QStringLiteral("Utf8")); });
    EXPECT_EQ(state.Liste, QStringList{QStringLiteral("Grün")});
}

TEST_F(WordListTest, PlaceholderAndEmptyListsKeepTheDialogOpen)
{
    writeFile(ownLists() + QStringLiteral("/leer"), {QStringLiteral("   "), QString()});
    for (const QString& name : {QStringLiteral("neu"), QStringLiteral("Neu"), QStringLiteral("NEU")}) {
        QDir(ownLists()).removeRecursively();
        writeFile(ownLists() + QLatin1Char('/') + name, {QStringLiteral("Hund")});
        writeFile(ownLists() + QStringLiteral("/leer"), {QStringLiteral("   "), QString()});
        messages->shown.clear();
        run([&](ListAuswahl& dialog) {
            clickList(dialog, name);
            clickList(dialog, QStringLiteral("leer"));
            EXPECT_TRUE(dialog.isVisible());
            QTest::mouseClick(dialog.Command1, Qt::LeftButton);
        });
        EXPECT_EQ(messages->texts(), (QStringList{QStringLiteral("Diese Wörterliste ist leer!"),
                                                  QStringLiteral("In der Liste sind keine Einträge!")}));
        EXPECT_EQ(state.ListCount, 0);
    }
}

TEST_F(WordListTest, CloseBoxDoesNothing)
{
    writeFile(ownLists() + QStringLiteral("/Tiere"), {QStringLiteral("Hund")});
    state.ListCount = 5;
    run([](ListAuswahl& dialog) {
        dialog.close();
        EXPECT_TRUE(dialog.isVisible());
        QTest::mouseClick(dialog.Command1, Qt::LeftButton);
    });
    EXPECT_EQ(state.ListCount, 0);
}

TEST_F(WordListTest, EmptyOwnListsShowTheHintAndF6StartsTheEditor)
{
    processes->onRun = [this](const QString&) {
        writeFile(ownLists() + QStringLiteral("/Neue Liste"), {QStringLiteral("Maus")});
    };
    run([&](ListAuswahl& dialog) {
        EXPECT_TRUE(dialog.Datei->isHidden());
        EXPECT_TRUE(dialog.Label1->text().startsWith(QStringLiteral("Deine Lehrerin")));
        QTest::mouseClick(dialog.Command2, Qt::LeftButton);
        EXPECT_TRUE(dialog.Label1->text().contains(QStringLiteral("die Taste F6")));
        EXPECT_TRUE(dialog.Command2->isHidden());
        QTest::keyClick(&dialog, Qt::Key_F6);
        EXPECT_TRUE(dialog.Datei->isVisible());
        EXPECT_EQ(dialog.Label1->text(), QStringLiteral("Du kannst eine Wörterliste durch Anklicken auswählen:"));
        clickList(dialog, QStringLiteral("Neue Liste"));
    });
    ASSERT_EQ(processes->started.size(), 1u);
    EXPECT_TRUE(processes->started[0].commandLine.endsWith(QStringLiteral("/Kartello.exe")));
    EXPECT_EQ(state.Liste, QStringList{QStringLiteral("Maus")});
}

TEST_F(WordListTest, FurtherListsComeFromTheProgramFolderWithoutF6)
{
    state.ListSource = WordListSource::MoreLists;
    writeFile(programDir() + QStringLiteral("/WeitereListen/Obst"), {QStringLiteral("Apfel")});
    run([](ListAuswahl& dialog) {
        EXPECT_EQ(dialog.caption(), QStringLiteral("Auswahl einer Wortliste durch Klick"));
        QTest::keyClick(&dialog, Qt::Key_F6);
        clickList(dialog, QStringLiteral("Obst"));
    });
    EXPECT_TRUE(processes->started.empty());
    EXPECT_TRUE(QFileInfo(dataDir() + QStringLiteral("/Listen")).isDir());
    EXPECT_EQ(state.ListCount, 1);
    EXPECT_EQ(state.Liste, QStringList{QStringLiteral("Apfel")});
}
