// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/GetOwnWords.h"

#include "tests/support/fixture.h"

#include <QDir>
#include <QImage>

#include <set>

using testing_support::SuiteTest;

namespace {

class OwnWordsTest : public SuiteTest {
protected:
    QString folder() const { return root.path() + QStringLiteral("/EigeneBilder/Tastomat"); }
    void addPicture(const QString& name) const
    {
        QDir().mkpath(folder());
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        ASSERT_TRUE(picture.save(folder() + QLatin1Char('/') + name, "BMP"));
    }
    // The one picture's blocks.
    QStringList blocksOf(const QString& name, bool silben = false)
    {
        QDir(folder()).removeRecursively();
        addPicture(name + QStringLiteral(".bmp"));
        GetOwnWords words;
        words.setSilben(silben);
        words.setPfad(folder());
        words.Continue();
        return words.Bausteine();
    }
};

} // namespace

TEST_F(OwnWordsTest, CountsOnlyLoadablePictures)
{
    addPicture(QStringLiteral("Hund.bmp"));
    addPicture(QStringLiteral("Katze.BMP"));
    writeBytes(folder() + QStringLiteral("/kaputt.bmp"), "no picture");
    writeBytes(folder() + QStringLiteral("/notes.txt"), "Notizen");
    QDir().mkpath(folder() + QStringLiteral("/Ordner.bmp"));
    for (const QString& path : {folder(), folder() + QLatin1Char('/')}) {
        GetOwnWords words;
        words.setPfad(path);
        ASSERT_EQ(words.Anzahl(), 2);
        std::set<QString> seen;
        for (int i = 0; i < 2; ++i) {
            words.Continue();
            seen.insert(words.Wortname());
            EXPECT_TRUE(QFile::exists(words.Bildpfad())) << words.Bildpfad().toStdString();
        }
        EXPECT_EQ(seen, (std::set<QString>{QStringLiteral("Hund"), QStringLiteral("Katze")}));
    }
}

TEST_F(OwnWordsTest, RelativeFolderIsTakenFromTheCurrentFolder)
{
    addPicture(QStringLiteral("Apfel.bmp"));
    const QString here = QDir::currentPath();
    QDir::setCurrent(root.path());
    GetOwnWords words;
    words.setPfad(QStringLiteral("EigeneBilder/Tastomat"));
    QDir::setCurrent(here);
    words.Continue();
    EXPECT_EQ(words.Bildpfad(), folder() + QStringLiteral("/Apfel.bmp"));
}

TEST_F(OwnWordsTest, MissingFolderGivesNoWords)
{
    GetOwnWords words;
    words.setPfad(folder());
    words.Continue();
    EXPECT_EQ(words.Anzahl(), 0);
    EXPECT_EQ(words.Bildpfad(), QString());
    EXPECT_EQ(words.Wortname(), QString());
    EXPECT_TRUE(words.Bausteine().isEmpty());
}

TEST_F(OwnWordsTest, CutsWordsIntoLetterBlocks)
{
    const auto blocks = [](std::initializer_list<const char*> parts) {
        QStringList list;
        for (const char* part : parts)
            list.append(QString::fromUtf8(part));
        while (list.size() < 9)
            list.append(QString());
        return list;
    };
    EXPECT_EQ(blocksOf(QStringLiteral("schule")), blocks({"Sch", "u", "l", "e"}));
    EXPECT_EQ(blocksOf(QStringLiteral("Eichhörnchen")),
              blocks({"Ei", "ch", "h", "ö", "r", "n", "ch", "e", "n"}));
    EXPECT_EQ(blocksOf(QStringLiteral("BAUM")), blocks({"B", "au", "m"}));
    EXPECT_EQ(blocksOf(QStringLiteral("Schmetterlinge")),
              blocks({"Sch", "m", "e", "t", "t", "e", "r", "l", "i"}));
    EXPECT_EQ(blocksOf(QStringLiteral("Ba-na-ne")), blocks({"B", "a", "n", "a", "n", "e"}));
    EXPECT_EQ(blocksOf(QStringLiteral("Ba-na-ne"), true), blocks({"Ba", "na", "ne"}));
}

TEST_F(OwnWordsTest, SyllableWordKeepsItsHyphensAndBeginsWithACapitalLetter)
{
    for (const auto& [file, word] : {std::pair{"BA-NA-NE.bmp", "Ba-na-ne"}, std::pair{"-ba-na-ne.bmp", "-Ba-na-ne"}}) {
        QDir(folder()).removeRecursively();
        addPicture(QString::fromLatin1(file));
        GetOwnWords words;
        words.setSilben(true);
        words.setPfad(folder());
        words.Continue();
        EXPECT_EQ(words.Wortname(), QString::fromLatin1(word));
        EXPECT_EQ(words.Bausteine().mid(0, 4), (QStringList{"Ba", "na", "ne", ""}));
    }
}
