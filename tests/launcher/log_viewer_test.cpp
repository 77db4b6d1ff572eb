// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/launcher/launcher_fixture.h"

#include "framework/pupils/Man_Protokolle.h"

#include <QTest>

using testing_support::whenShown;

namespace {

class LogViewerTest : public LauncherTest {
protected:
    void view(const std::function<void(Man_Protokolle&)>& act)
    {
        Man_Protokolle viewer({"Man_Protokolle", logFolder()});
        whenShown("Man_Protokolle", [&](platform::Form&) {
            act(viewer);
            viewer.unload();
        });
        viewer.showModal();
    }

    static QStringList listed(const Man_Protokolle& v)
    {
        QStringList names;
        for (int i = 0; i < v.File1->count(); ++i)
            names.append(v.File1->item(i)->text());
        return names;
    }
};

} // namespace

TEST_F(LogViewerTest, AMissingFolderIsCreatedAndListsNothing)
{
    view([](Man_Protokolle& v) {
        EXPECT_EQ(v.File1->count(), 0);
        EXPECT_EQ(v.caption(), "Protokolle anzeigen");
    });
    EXPECT_TRUE(QFileInfo(logFolder()).isDir());
}

TEST_F(LogViewerTest, TheLogsAreListedAndShown)
{
    writeFile(logFolder() + "/Namen.ini", {"Max", "Lea"});
    writeFile(logFolder() + "/Max.txt", {"Tastomat 10.12.2026", "Hund richtig"});
    writeFile(logFolder() + "/Lea.TXT", {"Fugolin"});
    writeFile(logFolder() + "/notizen.doc", {"-"});
    view([&](Man_Protokolle& v) {
        EXPECT_EQ(listed(v), QStringList({"Lea.TXT", "Max.txt"}));
        v.File1->setCurrentRow(1);
        EXPECT_EQ(v.Text1->toPlainText(), "Tastomat 10.12.2026\nHund richtig\n");
        EXPECT_EQ(platform::tag(v.Text1), logFolder() + "/Max.txt");
        EXPECT_TRUE(v.Text1->isReadOnly());
    });
}

TEST_F(LogViewerTest, DeletingAsksAndEmptiesTheTextOnlyForTheShownLog)
{
    writeFile(logFolder() + "/Max.txt", {"Max"});
    writeFile(logFolder() + "/Lea.txt", {"Lea"});
    writeFile(logFolder() + "/Tom.txt", {"Tom"});
    messages->answers = {platform::MessageAnswer::No, platform::MessageAnswer::Yes, platform::MessageAnswer::Yes};
    view([&](Man_Protokolle& v) {
        v.File1->setCurrentRow(1);   // Max
        QTest::mouseClick(v.Command2, Qt::LeftButton);   // No
        EXPECT_EQ(listed(v).size(), 3);
        QTest::mouseClick(v.Command2, Qt::LeftButton);   // Yes
        EXPECT_EQ(listed(v), QStringList({"Lea.txt", "Tom.txt"}));
        EXPECT_TRUE(v.Text1->toPlainText().isEmpty());
        EXPECT_TRUE(platform::tag(v.Text1).isEmpty());
        v.File1->setCurrentRow(1);   // Tom shown
        {
            const QSignalBlocker quiet(v.File1);   // Lea selected, Tom still shown
            v.File1->setCurrentRow(0);
        }
        QTest::mouseClick(v.Command2, Qt::LeftButton);   // Yes: Lea
        EXPECT_EQ(listed(v), QStringList({"Tom.txt"}));
        EXPECT_EQ(v.Text1->toPlainText(), "Tom\n");
        QTest::keyClick(v.File1, Qt::Key_Escape);
        EXPECT_FALSE(v.loaded());
    });
    EXPECT_EQ(messages->texts(), QStringList({"Wollen Sie die Datei Max.txt wirklich löschen?",
                                              "Wollen Sie die Datei Max.txt wirklich löschen?",
                                              "Wollen Sie die Datei Lea.txt wirklich löschen?"}));
    EXPECT_EQ(QDir(logFolder()).entryList(QDir::Files), QStringList({"Tom.txt"}));
}
