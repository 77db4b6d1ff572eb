// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture tool refuses, naming them, two words of one board whose pictures a child could not
// tell apart; words of different boards may share a picture.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Fixture {
    const char* name;
    QString boards;
    QString table;  // tables/words.txt
    QString keys;   // keys.tsv
    QStringList clashes; // the lines the tool names, in its order; none: the run succeeds
};

void PrintTo(const Fixture& fixture, std::ostream* os)
{
    *os << fixture.name;
}

void write(const QString& path, const QString& text)
{
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

class PictureCheck : public ::testing::TestWithParam<Fixture> {};

TEST_P(PictureCheck, FailsOnlyForWordsOfOneBoardWithPicturesAlike)
{
    const Fixture fixture = GetParam();
    QTemporaryDir assets;
    // Segel and Segelschiff the same boat; Gartenzaun the fence of Zaun with a small flower.
    write(assets.filePath("pictures.tsv"), "Segel\t⛵\nSegelschiff\t⛵\nMond\t🌙\nZaun\tdraw:zaun\n"
                                           "Gartenzaun\tdraw:zaun + 🌷\nApfelbaum\tdraw:apfelbaum\n");
    write(assets.filePath("design.tsv"), "");
    write(assets.filePath("keys.tsv"), fixture.keys);
    write(assets.filePath("tables/words.txt"), fixture.table);
    write(assets.filePath("tables/other.txt"), "Se-gel-schiff\nMond\n");
    write(assets.filePath("boards.tsv"), fixture.boards);

    QProcess tool;
    tool.start(QStringLiteral(TAVORO_RENDER_PICTURES), {"--assets", assets.path()});
    ASSERT_TRUE(tool.waitForFinished(60000));
    const QString errors = QString::fromUtf8(tool.readAllStandardError());
    EXPECT_EQ(tool.exitCode() == 0, fixture.clashes.isEmpty()) << errors.toStdString();
    QStringList named;
    for (const QString& line : errors.split(u'\n')) {
        if (line.startsWith(QStringLiteral("  ")))
            named << line.trimmed();
    }
    EXPECT_EQ(named.join(u'\n').toStdString(), fixture.clashes.join(u'\n').toStdString()) << errors.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Boards, PictureCheck,
    ::testing::Values(
        // The same picture on one board, the word given with its syllables.
        Fixture{"SameOnOneBoard", "# board\tfiles\nreading\ttables/words.txt\n", "Segel\nMond\nSe-gel-schiff\n", "",
                {"reading: Segel and Segelschiff"}},
        // A picture that differs only in a small detail.
        Fixture{"NearlyTheSame", "reading\ttables/words.txt\n", "Zaun\nApfelbaum\nGartenzaun\n", "",
                {"reading: Zaun and Gartenzaun"}},
        // A key picture beside a word of the table; every clash of every board is named.
        Fixture{"KeyBesideAWord", "typewriter\ttables/words.txt keys.tsv\nsyllables\ttables/other.txt tables/words.txt\n",
                "Segel\nZaun\n", "S\tSegelschiff\n",
                {"typewriter: Segel and Segelschiff", "syllables: Segelschiff and Segel"}},
        // The same picture for words that never stand on one board.
        Fixture{"DifferentBoards", "reading\ttables/words.txt\nsyllables\ttables/other.txt\n", "Segel\nZaun\nApfelbaum\n", "",
                {}}),
    [](const ::testing::TestParamInfo<Fixture>& info) { return std::string(info.param.name); });

} // namespace
