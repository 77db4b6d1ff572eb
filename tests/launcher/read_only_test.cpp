// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The launcher in a locked-down profile: an application-data folder it may not write, or the
// data folder as an earlier start left it, bound read-only.
#include "tests/launcher/launcher_fixture.h"

#include "launcher/Man_Namen.h"

#include "tests/support/read_only_folder.h"

#include "platform/forms/end.h"

#include <QDir>
#include <QTest>

using testing_support::ReadOnlyFolder;
using testing_support::whenShown;
using launcher::Man_Namen;

TEST_F(LauncherTest, AStartThatCannotMakeItsDataFolderSaysWhyAndEnds)
{
    QDir().mkpath(appDataDir());
    const ReadOnlyFolder readOnly(appDataDir());
    if (!readOnly.mounted())
        GTEST_SKIP() << "binding a folder read-only is not permitted here";
    start();
    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(messages->texts(),
              QStringList{"Der Ordner " + appDataDir() + "/DA Ravezure kann nicht angelegt werden, weil der Ordner "
                          + appDataDir() + " schreibgeschützt ist.\r\nOhne diesen Ordner kann das Programm weder "
                          "seine Einstellungen noch die Protokolle speichern und wird beendet."});
    EXPECT_EQ(QDir(appDataDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(LauncherTest, ANameThatCannotBeRegisteredSaysWhichFileAndWhy)
{
    setCentralOptions({.ProtSave = 1});
    QDir().mkpath(logFolder());
    for (const char* name : {"/options4.ini", "/options4.bak"})
        QFile::copy(programDir() + "/options4.ini", dataDir() + name);
    QFile::copy(programDir() + "/Protokoll_2/Namen.ini", logFolder() + "/Namen.ini");
    const ReadOnlyFolder readOnly(dataDir());
    if (!readOnly.mounted())
        GTEST_SKIP() << "binding a folder read-only is not permitted here";
    whenShown("Man_Namen", [](platform::Form& form) {
        auto& dialog = static_cast<Man_Namen&>(form);
        QTest::keyClicks(dialog.Text1, "Lena");
        QTest::mouseClick(dialog.OK, Qt::LeftButton);
    });
    start();
    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(messages->texts(), QStringList{"Die Datei " + logFolder() + "/Lena.txt kann nicht gespeichert werden, "
                                             "weil der Ordner " + logFolder() + " schreibgeschützt ist."});
}
