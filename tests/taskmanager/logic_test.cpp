// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "taskmanager/ManagerFile.h"
#include "taskmanager/Package.h"
#include "taskmanager/TaskRun.h"

#include "tests/taskmanager/taskmanager_fixture.h"

using namespace taskmanager;
using testing_support::SuiteTest;

TEST(ManagerFields, FieldInputAndItsProtection)
{
    struct Case {
        QString line, field;
    } cases[] = {
        {"  Lesen ", "Lesen "},           // leading blanks skipped, a field runs to the line's end
        {"Lesen, Schreiben", "Lesen"},    // a comma ends it
        {"\"Lesen, Schreiben\"", "Lesen, Schreiben"},
        {"\"Er sagt \"\"Hallo\"\"\"", "Er sagt \"Hallo\""},
        {"\"offen", "offen"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readField(c.line), c.field) << c.line.toStdString();

    for (const QString name : {"Lesen", " mit Blank", "Lesen, Schreiben", "\"Zitat\" und mehr", "a\"b"})
        EXPECT_EQ(readField(writeField(name)), name) << name.toStdString();
    EXPECT_EQ(writeField("Lesen & Rechnen"), "Lesen & Rechnen");
    EXPECT_EQ(writeField("a\"b"), "a\"b");
    EXPECT_EQ(readFields("eins, zwei,,drei"), QStringList({"eins", "zwei", "", "drei"}));
}

TEST(ManagerFields, SetCodeHasTwoCharactersPerPosition)
{
    EXPECT_EQ(encodeSetCode({5, 3, 0, 0, 0}), "5 3 0 0 0 ");
    EXPECT_EQ(encodeSetCode({12, 0, 35, 9, 1}), "120 359 1 ");
    EXPECT_EQ(decodeSetCode("120 359 1 "), (SetIndices{12, 0, 35, 9, 1}));
    // A line whose trailing blank was dropped still decodes; a short one leaves zeros.
    EXPECT_EQ(decodeSetCode("5 3 0 0 7"), (SetIndices{5, 3, 0, 0, 7}));
    EXPECT_EQ(decodeSetCode("4"), (SetIndices{4, 0, 0, 0, 0}));
}

TEST(ProgramTable, ListIndexBecomesProgramFileAndFolder)
{
    struct Case {
        const char* code;
        int index;
        QString file, folder;
        char letter;
    } cases[] = {
        {"TV", 3, "Kritzlon.exe", "/app", 'A'},
        {"TV", 2, "tastomat.exe", "/app", 'A'},
        {"TV", 9, "bogenblick.exe", "/app", 'A'},
        {"TV", 0, "", "/app", 'A'},
        {"TV", 30, "", "/app", 'A'},            // beyond the table: nothing to run
        {"PL", 17, "rateflor.exe", "/app/Wörter", 'A'},
        {"PL", 25, "quorrel6.exe", "/app/Mathe", 'A'},
        {"PL", 29, "quorrel10.exe", "/app/Mathe", 'B'},
        {"PL", 7, "ornifant7.exe", "/app/Lese", 'B'},
        {"PL", 0, "", "/app", 'A'},
        {"QU", 1, "quorrel1.exe", "/app", 'A'},
        {"OR", 10, "ornifant10.exe", "/app", 'A'},
        {"XX", 3, "ornifant3.exe", "/app", 'A'},
    };
    for (const Case& c : cases) {
        const TaskProgram p = resolveProgram(c.code, c.index, "/app");
        EXPECT_EQ(p.fileName, c.file) << c.code << " " << c.index;
        EXPECT_EQ(p.folder, c.folder) << c.code << " " << c.index;
        EXPECT_EQ(p.VariantLetter, QLatin1Char(c.letter)) << c.code << " " << c.index;
    }
}

TEST(ProgramTable, EditorListsMatchTheOffsets)
{
    EXPECT_EQ(programChoices("TV").size(), 10);
    EXPECT_EQ(programChoices("TV")[2], "QL Tastomat");
    EXPECT_EQ(programChoices("OR").size(), 11);
    EXPECT_EQ(programChoices("QU").size(), 17);
    EXPECT_EQ(programChoices("PL").size(), 36);
    EXPECT_EQ(programChoices("PL")[17], "QL Rateflor");
    EXPECT_EQ(programChoices("XX"), QStringList{"Kein Programm starten"});
}

TEST(TaskArguments, AllowedErrorsAsZeroAndTheirDigits)
{
    struct Case {
        int errors;
        char letter;
        const char* args;
    } cases[] = {{3, 'A', " Q03A"}, {0, 'A', " Q00A"}, {12, 'B', " Q012B"}, {99, 'A', " Q099A"},
                 {-1, 'A', " Q99A"}, {-1, 'B', " Q99B"}, {-5, 'A', " Q99A"}};
    for (const Case& c : cases)
        EXPECT_EQ(TaskArgs(c.errors, QLatin1Char(c.letter)), c.args) << c.errors;
}

class ManagerFileTest : public SuiteTest {
protected:
    QString path() const { return dataDir() + "/manager.ini"; }
};

TEST_F(ManagerFileTest, ReadsAllTwentyFourLines)
{
    QStringList lines{"TV", " 3 "};
    for (int i = 1; i <= 10; ++i)
        lines << (i == 3 ? "2 7 0 0 1 " : "0 0 0 0 0 ") << QString("Satz %1").arg(i);
    lines << "-1 " << " 2 ";
    writeFile(path(), lines);
    const ManagerRead r = readManagerFile(path());
    ASSERT_FALSE(r.error.failed());
    EXPECT_EQ(r.settings.Programmpaket, "TV");
    EXPECT_EQ(r.settings.activeSet, 3);
    EXPECT_EQ(r.settings.sets[2].indices, (SetIndices{2, 7, 0, 0, 1}));
    EXPECT_EQ(r.settings.sets[9].name, "Satz 10");
    EXPECT_EQ(r.settings.logging, -1);
    EXPECT_EQ(r.settings.allowedErrors, 2);
    // Written back unchanged, byte for byte.
    const QByteArray before = readBytes(path());
    ASSERT_FALSE(writeManagerFile(path(), r.settings).failed());
    EXPECT_EQ(readBytes(path()), before);
}

TEST_F(ManagerFileTest, ShortFileIsCompletedWithDefaults)
{
    writeFile(path(), {"TV", " 2 ", "1 0 0 0 0 ", "Lesen"});
    const ManagerRead r = readManagerFile(path());
    ASSERT_FALSE(r.error.failed());
    EXPECT_EQ(r.settings.activeSet, 2);
    EXPECT_EQ(r.settings.sets[0].name, "Lesen");
    EXPECT_EQ(r.settings.sets[1].name, "leer");
    EXPECT_EQ(r.settings.sets[1].indices, SetIndices{});
    EXPECT_EQ(r.settings.logging, 0);
    EXPECT_EQ(r.settings.allowedErrors, -1);

    ASSERT_FALSE(saveActiveSet(path(), 5).failed());
    const platform::TextFile after = platform::readTextFile(path());
    ASSERT_EQ(after.lines.size(), 24);
    EXPECT_EQ(after.lines.mid(0, 5), QStringList({"TV", " 5 ", "1 0 0 0 0 ", "Lesen", "0 0 0 0 0 "}));
    EXPECT_EQ(after.lines.mid(22), QStringList({" 0 ", "-1 "}));
}

TEST_F(ManagerFileTest, MissingFileIsAnError)
{
    EXPECT_EQ(readManagerFile(path()).error.kind, platform::FileErrorKind::NotFound);
    EXPECT_TRUE(saveActiveSet(path(), 1).failed());
    EXPECT_FALSE(QFileInfo::exists(path()));
}
