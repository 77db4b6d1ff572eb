// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/syllable_marking/marking_fixture.h"

#include "platform/files.h"
#include "platform/forms/end.h"
#include "platform/forms/twips.h"

#include <QDir>
#include <QImage>

#include <set>

using syllable_marking::Form1;
using syllable_marking::MarkingLevel;

namespace {

struct Moment {
    int ms;
    QString shown;
    bool picture;
    bool nextEnabled;
    bool right;

    bool operator==(const Moment&) const = default;
};

void PrintTo(const Moment& m, std::ostream* os)
{
    *os << m.ms << " \"" << m.shown.toStdString() << "\" picture " << m.picture << " next "
        << m.nextEnabled << " right " << m.right;
}

using SyllableMarkingTest = MarkingTest;

TEST_F(SyllableMarkingTest, TheWordGrowsSyllableBySyllableThenStandsWhole)
{
    std::vector<Moment> moments;
    clock->onSleep = [this, &moments](int ms) {
        moments.push_back({ms, form->Anzeige->text(), !form->Bild->isHidden(),
                           form->Command1->isEnabled(), !form->Richtig->isHidden()});
    };
    clock->randoms = {drawOfAll(1)};
    Form1& f = start("Q");
    EXPECT_EQ(moments, (std::vector<Moment>{{1500, "Kin", false, false, false},
                                            {1500, "Kin der", false, false, false},
                                            {1500, "Kin der wa", false, false, false},
                                            {2000, "Kin der wa gen", false, false, false},
                                            {3000, "Kin der wa gen", true, false, false},
                                            {1500, "", true, false, false}}));
    EXPECT_EQ(f.Anzeige->text(), "Kinderwagen");
    EXPECT_TRUE(f.Command1->isEnabled());
    EXPECT_EQ(f.Befehl->text(), "Teile das Wort in Silben auf!");
    EXPECT_FALSE(f.Befehl->isHidden());
    EXPECT_FALSE(f.Bild->pixmap().isNull());
    EXPECT_EQ(f.caption(), "QL Bogenblick ;   <F6> für Lehrermenü");
}

TEST_F(SyllableMarkingTest, BoundariesAreHitFromLeftToRightWithin150Twips)
{
    clock->randoms = {drawOfAll(1)};
    Form1& f = start("Q");
    const int kin = widthOf("Kin");
    ASSERT_EQ(kin % 15, 0);
    clickAt(widthOf("Kinder"));
    EXPECT_EQ(f.Anzeige->text(), "Kinderwagen");
    clickAt(kin + 150);
    clickAt(kin - 150);
    EXPECT_EQ(f.Anzeige->text(), "Kinderwagen");
    clickAt(kin + 135);
    EXPECT_EQ(f.Anzeige->text(), "Kin derwagen");
    clickAt(widthOf("Kin der") - 135);
    EXPECT_EQ(f.Anzeige->text(), "Kin der wagen");

    std::vector<Moment> moments;
    clock->onSleep = [&](int ms) {
        moments.push_back({ms, f.Anzeige->text(), !f.Bild->isHidden(), f.Command1->isEnabled(),
                           !f.Richtig->isHidden()});
    };
    clickAt(widthOf("Kin der wa"));
    EXPECT_EQ(moments, (std::vector<Moment>{{3000, "Kin der wa gen", true, false, true}}));
    EXPECT_EQ(f.Befehl->text(), "Schreibe das Wort!");
    EXPECT_EQ(f.Anzeige->text(), "");
    EXPECT_TRUE(f.Richtig->isHidden());
    EXPECT_TRUE(f.Command1->isEnabled());
    EXPECT_TRUE(f.task.Tippen);
    EXPECT_FALSE(f.Nochmal->isHidden());
    EXPECT_EQ(f.Nochmal->text(), "Hilfen");
    EXPECT_EQ(f.Loeschen->text(), "Löschen");
}

TEST_F(SyllableMarkingTest, WritingChecksEveryKeyAndKeepsTheFirstJudgement)
{
    clock->randoms = {drawOfAll(1)};
    Form1& f = start("Q");
    markAll();
    type("k");
    EXPECT_FALSE(f.Falsch->isHidden());
    EXPECT_TRUE(state.TaskWrong);
    key(Qt::Key_Backspace);
    EXPECT_EQ(f.Anzeige->text(), "");
    EXPECT_TRUE(f.Falsch->isHidden());

    type("Kin @");
    EXPECT_EQ(f.Anzeige->text(), "Kin");
    f.Nochmal->setFocus();
    key(Qt::Key_Space);
    EXPECT_TRUE(f.task.Tippen) << "space pressed the focused button";
    type("derwagen");
    EXPECT_EQ(f.Anzeige->text(), "Kinderwagen");
    EXPECT_FALSE(f.Richtig->isHidden());
    EXPECT_TRUE(f.Nochmal->isHidden());
    EXPECT_TRUE(f.Loeschen->isHidden());
    type("x");
    EXPECT_EQ(f.Anzeige->text(), "Kinderwagen");
}

TEST_F(SyllableMarkingTest, HilfenGoesBackToMarkingAndTheWrittenTextReturns)
{
    clock->randoms = {drawOfAll(2)};
    Form1& f = start("Q");
    markAll();
    type("Bü");
    click(f.Loeschen);
    EXPECT_EQ(f.Anzeige->text(), "B");
    type("üg");
    click(f.Nochmal);
    EXPECT_EQ(f.Anzeige->text(), "Bügeleisen");
    EXPECT_EQ(f.Befehl->text(), "Teile das Wort in Silben auf!");
    EXPECT_EQ(f.task.AktNummer, 1);
    EXPECT_FALSE(f.task.Tippen);
    markAll();
    EXPECT_EQ(f.Anzeige->text(), "Büg");
    type("eleisen");
    EXPECT_FALSE(f.Richtig->isHidden());
    EXPECT_FALSE(state.TaskWrong);
}

TEST_F(SyllableMarkingTest, LoggedRunWritesOneLinePerWordAndTheSummary)
{
    options.ProtSave = 1;
    writeOptions(options);
    const QString logs = appDataDir() + "/logs";
    QDir().mkpath(logs);
    clock->randoms = {drawOfAll(25), drawOfAll(2)};
    Form1& f = start(QString("Q /p=\"%1\" /n=\"Anna\"").arg(logs));
    markAll();
    type("Banane");
    click(f.Command1);
    markAll();
    type("Bx");
    key(Qt::Key_Backspace);
    type("ügeleisen");
    click(f.Command1);
    click(f.Ende);
    EXPECT_TRUE(platform::programEnded());

    // The log opens at the first judgement: after the presentation and the praise, 12.5 s in.
    const QString task = "Die Aufgabe \"%1\" wurde beim ersten Versuch %2 gelöst.";
    EXPECT_EQ(platform::readTextFile(logs + "/Protokoll_2/Anna.txt").lines.join("|").toStdString(),
              (QStringList{"", QString(82, '-'), "", "Programm Bogenblick:",
                           "Protokoll begonnen am 10.12.2026 09:30:12.", "", task.arg("Banane", "richtig"),
                           task.arg("Bügeleisen", "falsch"), "", "Von 2 Aufgaben wurden 1 richtig gelöst."})
                  .join("|")
                  .toStdString());
    EXPECT_EQ(processes->commandLines(), QStringList{programDir() + "/startomo.exe /n=\"Anna\""});
}

TEST_F(SyllableMarkingTest, TheNextWordWaitsForTheSolutionUnlessSkippingIsOn)
{
    clock->randoms = {drawOfAll(25), drawOfAll(26)};
    Form1& f = start("Q");
    click(f.Command1);
    EXPECT_EQ(f.task.word.word(), "Banane");
    options.FehlerWeiter = -1;
    writeOptions(options);
    clock->randoms = {drawOfAll(25), drawOfAll(26)};
    start("Q");
    click(form->Command1);
    EXPECT_EQ(form->task.word.word(), "Gitarre");
    EXPECT_EQ(state.WrongFirst, 1);
    EXPECT_EQ(state.TasksDone, 1);
}

TEST_F(SyllableMarkingTest, TenWordsBringTheBlockResultWithOption6)
{
    options.Proto = -1;
    writeOptions(options);
    Form1& f = start("Q");
    bool shown = false;
    testing_support::whenShown("Protokoll", [&](platform::Form& block) {
        shown = true;
        EXPECT_EQ(state.TasksDone, 10);
        block.hide();
    });
    for (int i = 0; i < 10; ++i) {
        markAll();
        type(f.task.word.word());
        click(f.Command1);
    }
    EXPECT_TRUE(shown);
}

TEST_F(SyllableMarkingTest, AssignmentModeRefusesClosesAndRecordsTheTeachersAbort)
{
    Form1& f = start("Q05A");
    EXPECT_TRUE(f.Ende->isHidden());
    EXPECT_FALSE(f.close());
    key(Qt::Key_F6);
    f.M_Ende->trigger();
    EXPECT_TRUE(platform::programEnded());
    const QStringList record = platform::readTextFile(dataDir() + "/Protokoll.txt").lines;
    ASSERT_FALSE(record.isEmpty());
    EXPECT_TRUE(record.first().startsWith("Programm QL Bogenblick; ")) << record.first().toStdString();
    EXPECT_EQ(record.last(), "termination by supervisor");
    EXPECT_TRUE(processes->commandLines().isEmpty());
}

TEST_F(SyllableMarkingTest, ThreeSyllableWordsAreDrawnEachOncePerPass)
{
    clock->onSleep = {};
    std::set<QString> seen;
    Form1& f = start("Q", Three);
    for (int i = 0; i < 28; ++i) {
        EXPECT_EQ(f.task.word.syllables().size(), 3) << f.task.word.word().toStdString();
        seen.insert(f.task.word.word());
        f.Richtig->show();
        click(f.Command1);
    }
    EXPECT_EQ(seen.size(), 28u);
    EXPECT_TRUE(f.WLeicht->isChecked());
    EXPECT_FALSE(f.WDateiauswahl->isEnabled());
}

// Built-in words: the built-in sets and own pictures are offered, the two list sources not.
TEST_F(SyllableMarkingTest, TeacherMenuHoldsTheSixWordSetsAndHelp)
{
    options.optEigeneBilder = -1;
    writeOptions(options);
    Form1& f = start("Q", Three);
    key(Qt::Key_F6);
    EXPECT_TRUE(f.menuBarVisible());
    EXPECT_EQ(f.dasmenu->title(), "Lehrer&menü");
    QStringList items;
    for (QAction* a : f.dasmenu->actions())
        if (a->isVisible())
            items << (a->isSeparator() ? "-"
                                       : (a->isChecked() ? "*" : "") + a->text() + (a->isEnabled() ? "" : " (off)"));
    EXPECT_EQ(items, (QStringList{"&Hilfe", "-", "&Alle Wörter", "*&Dreisilbige Wörter",
                                  "&Vier- und mehrsilbige Wörter", "&Wörter mit eigenen Bildern",
                                  "&Eigene Wörter (off)", "&Noch mehr Wörter (off)"}));
    EXPECT_EQ(f.WFehler->text(), "Weiter trotz Fehler");
    f.Hilfe->trigger();
    ASSERT_EQ(help->opened.size(), 1u);
    EXPECT_EQ(help->opened[0].second, 9);
}

TEST_F(SyllableMarkingTest, OwnListsUseTheWideLayoutWithoutPicture)
{
    writeFile(dataDir() + "/Listen/Meine.txt", {"Haus", "Ei-sen-bahn-schie-nen-bau-fir-ma"});
    std::vector<int> pauses;
    clock->onSleep = [&](int ms) { pauses.push_back(ms); };
    testing_support::whenShown("ListAuswahl", [](platform::Form& dialog) {
        auto* list = dialog.findChild<QListWidget*>("Datei");
        ASSERT_TRUE(list);
        ASSERT_EQ(list->count(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    });
    clock->randoms = {0.0, 0.0};
    Form1& f = start("Q", OwnLists);
    EXPECT_TRUE(f.Bild->isHidden());
    EXPECT_EQ(f.Picture1->width(), platform::twipsToPixels(8295));
    EXPECT_EQ(f.Anzeige->width(), platform::twipsToPixels(7665));
    EXPECT_TRUE(f.WDateiauswahl->isChecked());
    EXPECT_FALSE(f.WAlle->isEnabled());
    EXPECT_EQ(pauses, (std::vector<int>{3000, 1500}));
    ASSERT_EQ(f.task.word.word(), "Haus");
    clickAt(5);
    EXPECT_TRUE(f.task.Tippen);
    type("Haus");
    click(f.Command1);
    ASSERT_EQ(f.task.word.word(), "Eisenbahnschienenbaufirma");
    markAll();
    EXPECT_TRUE(f.task.Tippen);
    type("Eisenbahnschienenbaufirma");
    EXPECT_FALSE(f.Richtig->isHidden());
}

TEST_F(SyllableMarkingTest, ListDialogLeftWithoutAListAtStartAsksForTheLevelAgain)
{
    int levelDialogs = 0;
    testing_support::whenShown("ListAuswahl", [](platform::Form& dialog) {
        click(dialog.findChild<QPushButton*>("Command1"));   // "Zurück"
    });
    onLevelDialog = [&](SStufe2&) {
        ++levelDialogs;
        testing_support::whenShown("SStufe2", [&](platform::Form& shown) {
            ++levelDialogs;
            click(static_cast<SStufe2&>(shown).Stufe[0]);
        });
    };
    Form1& f = start("Q", OwnLists);
    EXPECT_EQ(levelDialogs, 2);
    EXPECT_EQ(f.Modus, MarkingLevel::Three);
    EXPECT_FALSE(f.Anzeige->text().isEmpty());
}

TEST_F(SyllableMarkingTest, OwnPicturesShowTheirPictureAndSyllables)
{
    options.optEigeneBilder = -1;
    writeOptions(options);
    const QString folder = programDir() + "/EigeneBilder/Bogenblick";
    QDir().mkpath(folder);
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(folder + "/Ba-na-ne.bmp"));
    QString level5;
    onLevelDialog = [&](SStufe2& dialog) { level5 = dialog.Stufe[5]->text(); };
    std::vector<QString> shown;
    clock->onSleep = [&](int) { shown.push_back(form->Anzeige->text()); };
    Form1& f = start("Q", OwnPictures);
    EXPECT_EQ(level5, "Wörter aus eigenen Bildern");
    EXPECT_EQ(f.task.word.syllables(), (QStringList{"Ba", "na", "ne"}));
    EXPECT_EQ(shown.front(), "Ba");
    EXPECT_FALSE(f.Bild->isHidden());
    EXPECT_EQ(f.Bild->pixmap().toImage().pixelColor(1, 1), QColor(Qt::red));
    EXPECT_TRUE(f.WEigene->isChecked());
}

TEST_F(SyllableMarkingTest, NoOwnPicturesGiveTheMessageAndOnePresentationOfAllWords)
{
    options.optEigeneBilder = -1;
    writeOptions(options);
    int presentations = 0;
    clock->onSleep = [&](int ms) { presentations += ms == 3000 ? 1 : 0; };
    Form1& f = start("Q", OwnPictures);
    EXPECT_EQ(messages->texts(), QStringList{"Es gibt keine eigenen Bilder! Ich verwende meine Bilder."});
    EXPECT_EQ(presentations, 1);
    EXPECT_EQ(f.Modus, MarkingLevel::All);
    EXPECT_TRUE(f.WAlle->isChecked());
    EXPECT_FALSE(f.WEigene->isChecked());
}

} // namespace

namespace {

TEST_F(SyllableMarkingTest, ListDialogLeftWithoutAListFromTheMenuLeavesTheWindowEmpty)
{
    writeFile(dataDir() + "/Listen/Meine.txt", {"Haus", "Ba-na-ne"});
    testing_support::whenShown("ListAuswahl", [](platform::Form& dialog) {
        auto* list = dialog.findChild<QListWidget*>("Datei");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    });
    Form1& f = start("Q", OwnLists);
    ASSERT_FALSE(f.Anzeige->text().isEmpty());
    testing_support::whenShown("ListAuswahl", [](platform::Form& dialog) {
        click(dialog.findChild<QPushButton*>("Command1"));   // "Zurück"
    });
    key(Qt::Key_F6);
    f.WDateiauswahl->trigger();
    EXPECT_EQ(f.Anzeige->text(), "");
    EXPECT_TRUE(f.Befehl->isHidden());
    clickAt(100);
    click(f.Command1);
    EXPECT_EQ(f.Anzeige->text(), "");
    EXPECT_EQ(state.TasksDone, 0);
    EXPECT_TRUE(f.WMehr->isEnabled());
}

} // namespace
