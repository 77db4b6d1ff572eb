// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/free_writing/free_writing_fixture.h"

#include "platform/forms/end.h"

#include <QProcess>

using free_writing::Form1;

namespace {

TEST_F(FreeWritingTest, MissingSettingsFileIsCreatedWithoutPrintButton)
{
    Form1& f = start();
    EXPECT_EQ(readBytes(printButtonFile()), QByteArray(" 0 \r\n"));
    EXPECT_TRUE(f.Command1->isHidden());
    EXPECT_TRUE(f.Daus->isChecked());
    EXPECT_FALSE(f.Dan->isChecked());
}

TEST_F(FreeWritingTest, PrintButtonOnIsKeptForTheNextStart)
{
    Form1& f = start();
    f.Dan->trigger();
    EXPECT_FALSE(f.Command1->isHidden());
    EXPECT_TRUE(f.Dan->isChecked());
    EXPECT_FALSE(f.Daus->isChecked());
    EXPECT_EQ(readBytes(printButtonFile()), QByteArray(" 1 \r\n"));

    Form1& again = start();
    EXPECT_FALSE(again.Command1->isHidden());
    EXPECT_EQ(again.Druckknopf, 1);
    again.Daus->trigger();
    EXPECT_TRUE(again.Command1->isHidden());
    EXPECT_EQ(readBytes(printButtonFile()), QByteArray(" 0 \r\n"));
    EXPECT_TRUE(start().Command1->isHidden());
}

TEST_F(FreeWritingTest, EmptyOrGarbageSettingsStartWithoutPrintButton)
{
    for (const QByteArray& bytes : {QByteArray(), QByteArray("an\r\n"), QByteArray("\r\n")}) {
        writeBytes(printButtonFile(), bytes);
        Form1& f = start();
        EXPECT_TRUE(f.loaded()) << bytes.toStdString();
        EXPECT_FALSE(platform::programEnded());
        EXPECT_TRUE(f.Command1->isHidden());
        EXPECT_EQ(readBytes(printButtonFile()), QByteArray(" 0 \r\n"));
    }
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(FreeWritingTest, SettingsLockedByAnotherProgramEndTheStart)
{
    writeBytes(printButtonFile(), " 1 \r\n");
    QProcess holder;
    holder.start(QStringLiteral(LOCKHOLDER), {printButtonFile()});
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    start();
    EXPECT_TRUE(platform::programEnded());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(clock->sleeps, (std::vector<int>{500, 1000, 1500}));
    EXPECT_EQ(messages->texts(),
              QStringList{"Ich konnte die Programmeinstellungen nicht laden. Eventuell werden diese momentan "
                          "geändert. Versuchen Sie, das Programm zu einem späteren Zeitpunkt noch einmal zu "
                          "starten."});
    holder.closeWriteChannel();
    holder.waitForFinished();
}

TEST_F(FreeWritingTest, SettingsLockedAtSavingKeepTheChoiceForTheRun)
{
    Form1& f = start();
    platform::FileLock lock(printButtonFile());
    ASSERT_FALSE(lock.acquire().failed());
    f.Dan->trigger();
    EXPECT_EQ(messages->texts(), QStringList{"Ich konnte die Änderung nicht speichern!"});
    EXPECT_EQ(clock->sleeps, (std::vector<int>{500, 1000, 1500}));
    EXPECT_FALSE(f.Command1->isHidden());
    EXPECT_EQ(f.Druckknopf, 1);
    EXPECT_TRUE(f.loaded());
    lock.release();
    EXPECT_EQ(readBytes(printButtonFile()), QByteArray(" 0 \r\n"));
}

} // namespace
