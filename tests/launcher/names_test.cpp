// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/launcher/launcher_fixture.h"

#include "launcher/Man_Namen.h"
#include "launcher/PictureButton.h"

#include "framework/pupils/Man_NamenAnzeigen.h"

#include <QDir>
#include <QTest>

using testing_support::whenShown;
using launcher::Form1;
using launcher::Man_Namen;

namespace {

// Types text as a keyboard would, letters outside ASCII included.
void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

class NamesTest : public LauncherTest {
protected:
    // The launcher's start has made the data folder.
    NamesTest() { QDir().mkpath(dataDir()); }

    QString defaultList() const { return programDir() + "/Protokoll_2/Namen.ini"; }

    // Shows the name entry, lets `act` work in it, and returns whether it was still open after.
    bool enterName(const std::function<void(Man_Namen&)>& act)
    {
        Man_Namen dialog(logFolder(), defaultList(), pupil);
        bool stillOpen = false;
        whenShown("Man_Namen", [&](platform::Form&) {
            act(dialog);
            stillOpen = dialog.loaded();
            dialog.unload();
        });
        dialog.showModal();
        return stillOpen;
    }

    QStringList offered()
    {
        QStringList names;
        enterName([&](Man_Namen& d) {
            for (int i = 0; i < d.List1->count(); ++i)
                names.append(d.List1->item(i)->text());
        });
        return names;
    }

    QString pupil;
};

} // namespace

TEST_F(NamesTest, TheNameFieldTakesLettersDigitsAndUmlautsOnly)
{
    const struct {
        const char* typed;
        QString field;
    } cases[] = {{"Max 2!", "Max2"}, {"J\xc3\xb6rg", "J\u00f6rg"}, {"a-b_c.", "abc"}, {"\xc3\x84\xc3\x9f\xc3\xbc", "\u00c4\u00df\u00fc"}};
    for (const auto& c : cases) {
        QString field;
        enterName([&](Man_Namen& d) {
            type(d.Text1, QString::fromUtf8(c.typed));
            field = d.Text1->text();
        });
        EXPECT_EQ(field, c.field) << c.typed;
    }
    QString afterBackspace;
    enterName([&](Man_Namen& d) {
        QTest::keyClicks(d.Text1, "Tom");
        QTest::keyClick(d.Text1, Qt::Key_Backspace);
        afterBackspace = d.Text1->text();
    });
    EXPECT_EQ(afterBackspace, "To");
}

TEST_F(NamesTest, UmlautsAreRefusedAtWeiterAndTheDialogStaysForACorrection)
{
    const bool open = enterName([](Man_Namen& d) {
        type(d.Text1, QString::fromUtf8("J\xc3\xb6rg"));
        QTest::mouseClick(d.OK, Qt::LeftButton);
    });
    EXPECT_TRUE(open);
    EXPECT_EQ(messages->texts(), QStringList({"Gib bitte nur Buchstaben oder Zahlen ein!"}));
    EXPECT_TRUE(pupil.isEmpty());
    EXPECT_EQ(nameList(), QStringList({"Anna", "Ben"}));
}

TEST_F(NamesTest, AListedNameIsTakenByClickAndCheckedLikeATypedOne)
{
    writeFile(logFolder() + "/Namen.ini", {"Max M\u00fcller", "Max Mueller"});
    EXPECT_TRUE(enterName([](Man_Namen& d) {
        d.List1->setCurrentRow(0);
        QTest::mouseClick(d.OK, Qt::LeftButton);
    }));
    EXPECT_FALSE(enterName([](Man_Namen& d) {
        d.List1->setCurrentRow(1);
        EXPECT_EQ(d.Text1->text(), "Max Mueller");
        QTest::keyClick(d.List1, Qt::Key_Return);   // Enter presses "Weiter"
    }));
    EXPECT_EQ(pupil, "Max Mueller");
    EXPECT_EQ(nameList(), QStringList({"Max M\u00fcller", "Max Mueller"}));
    EXPECT_TRUE(QFileInfo::exists(logFolder() + "/Max Mueller.txt"));
}

TEST_F(NamesTest, AnEmptyFieldIsUnknownWhichIsListedOnceButNeverOffered)
{
    for (int i = 0; i < 2; ++i)
        enterName([](Man_Namen& d) { QTest::mouseClick(d.OK, Qt::LeftButton); });
    EXPECT_EQ(pupil, "unbekannt");
    EXPECT_EQ(nameList(), QStringList({"Anna", "Ben", "unbekannt"}));
    EXPECT_TRUE(QFileInfo::exists(logFolder() + "/unbekannt.txt"));
    EXPECT_EQ(offered(), QStringList({"Anna", "Ben"}));
}

TEST_F(NamesTest, ANameListedInOtherCaseIsNotAddedAgain)
{
    writeFile(logFolder() + "/Namen.ini", {"ANNA"});
    enterName([](Man_Namen& d) {
        QTest::keyClicks(d.Text1, "anna");
        QTest::mouseClick(d.OK, Qt::LeftButton);
    });
    EXPECT_EQ(nameList(), QStringList({"ANNA"}));
    EXPECT_TRUE(QFileInfo::exists(logFolder() + "/anna.txt"));
}

TEST_F(NamesTest, TheNameEntryIsLeftOnlyWithWeiter)
{
    EXPECT_TRUE(enterName([](Man_Namen& d) {
        EXPECT_FALSE(d.close());
        EXPECT_TRUE(d.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(d.caption(), "QL Ornifant");
        EXPECT_EQ(d.Label2->text(), "Hallo, schön dass Du üben möchtest!\r\nGib bitte deinen Namen ein:");
    }));
}

TEST_F(NamesTest, AMissingDefaultListStartsAnEmptyList)
{
    QFile::remove(defaultList());
    EXPECT_TRUE(offered().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(logFolder() + "/Namen.ini"));
    EXPECT_TRUE(messages->shown.empty());
}

namespace {

class NameListTest : public NamesTest {
protected:
    NameListTest() { writeFile(logFolder() + "/Namen.ini", {"Anna", "unbekannt", "Ben", "Max"}); }

    void showList(const std::function<void(Man_NamenAnzeigen&)>& act)
    {
        Man_NamenAnzeigen dialog("Man_NamenAnzeigen", logFolder(), defaultList(), pupil);
        whenShown("Man_NamenAnzeigen", [&](platform::Form&) { act(dialog); });
        dialog.showModal();
    }

    static void deleteRow(Man_NamenAnzeigen& d, int row)
    {
        d.List1->setCurrentRow(row);
        QTest::mouseClick(d.Command1, Qt::LeftButton);
    }
};

} // namespace

TEST_F(NameListTest, DeletedNamesLeaveTheFileAtZurueckKeepingNamesAddedMeanwhile)
{
    pupil = "Max";
    writeFile(logFolder() + "/Max.txt", {"Tastomat"});
    messages->answers = {platform::MessageAnswer::No, platform::MessageAnswer::Yes, platform::MessageAnswer::Yes};
    showList([&](Man_NamenAnzeigen& d) {
        EXPECT_EQ(d.List1->count(), 4);   // "unbekannt" too
        deleteRow(d, 0);                  // No
        deleteRow(d, 0);                  // Yes: Anna
        deleteRow(d, 2);                  // Yes: Max, the current pupil
        EXPECT_EQ(nameList().size(), 4);  // not written yet
        // Another computer on the same data folder adds a name meanwhile.
        platform::appendTextLines(logFolder() + "/Namen.ini", {"Lea"});
        QTest::mouseClick(d.OK, Qt::LeftButton);
    });
    EXPECT_EQ(messages->texts(), QStringList({"Soll der Name Anna wirklich gelöscht werden?",
                                              "Soll der Name Anna wirklich gelöscht werden?",
                                              "Soll der Name Max wirklich gelöscht werden?"}));
    EXPECT_EQ(nameList(), QStringList({"unbekannt", "Ben", "Lea"}));
    EXPECT_TRUE(pupil.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(logFolder() + "/Max.txt"));
}

TEST_F(NameListTest, TheCloseBoxDiscardsTheDeletionsAndNoSelectionDeletesNothing)
{
    pupil = "Ben";
    showList([&](Man_NamenAnzeigen& d) {
        d.List1->clearSelection();
        QTest::mouseClick(d.Command1, Qt::LeftButton);
        EXPECT_TRUE(messages->shown.empty());
        deleteRow(d, 2);
        EXPECT_TRUE(d.close());
    });
    EXPECT_EQ(nameList(), QStringList({"Anna", "unbekannt", "Ben", "Max"}));
    EXPECT_TRUE(pupil.isEmpty());   // a cleared name stays cleared
}

TEST_F(LauncherTest, AfterTheCurrentNameWasDeletedTheExerciseGetsAnEmptyName)
{
    setCentralOptions({.Aufloesung = -1, .ProtSave = 1});
    Form1& f = start("/n=\"Ben\"");
    whenShown("Man_NamenAnzeigen", [](platform::Form& d) {
        auto& list = static_cast<Man_NamenAnzeigen&>(d);
        list.List1->setCurrentRow(1);
        QTest::mouseClick(list.Command1, Qt::LeftButton);
        QTest::mouseClick(list.OK, Qt::LeftButton);
    });
    f.M_Namen->trigger();
    EXPECT_EQ(nameList(), QStringList({"Anna"}));
    QTest::mouseClick(f.exerciseButtons[1], Qt::LeftButton);
    EXPECT_EQ(processes->commandLines(), QStringList({"tastomat.exe Q /p=\"" + dataDir() + "\" /n=\"\""}));
}
