// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the program folder that the build assembles: every built-in word has its picture,
// pictures load at their size, and the installation files hold what the programs read.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QString suiteDir = QStringLiteral(TAVORO_SUITE_DIR);
const QString tablesDir = QStringLiteral(TAVORO_SOURCE_DIR "/assets/tables");

QStringList readTable(const QString& name)
{
    QFile file(tablesDir + "/" + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << name.toStdString();
    QStringList words;
    QTextStream in(&file);
    while (!in.atEnd())
        words << in.readLine();
    return words;
}

// The programs name files without regard to letter case, so the lookup ignores it too.
QString findNoCase(const QString& folder, const QString& relativePath)
{
    QString path = folder;
    for (const QString& part : relativePath.split(u'/')) {
        const QStringList entries = QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const auto match = std::find_if(entries.begin(), entries.end(), [&](const QString& entry) {
            return entry.compare(part, Qt::CaseInsensitive) == 0;
        });
        if (match == entries.end())
            return {};
        path += "/" + *match;
    }
    return path;
}

QByteArray readBytes(const QString& relativePath)
{
    QFile file(suiteDir + "/" + relativePath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relativePath.toStdString();
    return file.readAll();
}

// Splits a word into tiles with the given multi-letter graphemes, longest first.
QStringList tiles(const QString& word, const QStringList& graphemes)
{
    QStringList result;
    for (qsizetype i = 0; i < word.size();) {
        const auto grapheme = std::find_if(graphemes.begin(), graphemes.end(),
                                           [&](const QString& g) { return word.mid(i, g.size()) == g; });
        const qsizetype length = grapheme == graphemes.end() ? 1 : grapheme->size();
        result << word.mid(i, length);
        i += length;
    }
    return result;
}

struct TableCase {
    const char* table;
    int size;
    bool hyphenated; // the picture file is the word without its syllable hyphens
    bool capitals;   // the program names the picture in capitals
};

class WordTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(WordTable, EveryWordHasItsPictureInTheProgramFolder)
{
    const TableCase table = GetParam();
    const QStringList words = readTable(table.table);
    ASSERT_EQ(words.size(), table.size);
    for (QString word : words) {
        if (table.hyphenated)
            word.remove(u'-');
        if (table.capitals)
            word = word.toUpper();
        const QString path = findNoCase(suiteDir, word + ".bmp");
        ASSERT_FALSE(path.isEmpty()) << "no picture for " << word.toStdString();
        const QImage picture(path);
        EXPECT_EQ(picture.size(), QSize(100, 100)) << path.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(BuiltInTables, WordTable,
                         ::testing::Values(TableCase{"tastomat.txt", 94, false, false},
                                           TableCase{"plattix.txt", 82, false, false},
                                           TableCase{"baudrom.txt", 100, false, true},
                                           TableCase{"lesolum.txt", 100, false, false},
                                           TableCase{"rateflor.txt", 58, true, false},
                                           TableCase{"silben.txt", 49, true, false}),
                         [](const ::testing::TestParamInfo<TableCase>& info) {
                             return QString::fromLatin1(info.param.table).section('.', 0, 0).toStdString();
                         });

TEST(SyllablePictures, AreResources101To149OfTheProgramsThatCarryThem)
{
    const QStringList words = readTable("silben.txt");
    ASSERT_EQ(words.size(), 49);
    for (int id = 101; id <= 149; ++id) {
        const QImage picture(QStringLiteral(":/syllables/%1.bmp").arg(id));
        EXPECT_EQ(picture.size(), QSize(100, 100)) << id;
    }
    EXPECT_EQ(QImage(":/syllables/101.bmp"), QImage(findNoCase(suiteDir, "Kinderwagen.bmp")));
    EXPECT_TRUE(QImage(":/syllables/150.bmp").isNull());
}

TEST(TypewriterTable, ShortWordsFirstAndEveryTileHasAKey)
{
    const QStringList words = readTable("tastomat.txt");
    const QStringList graphemes = {"Sch", "sch", "Ei", "ei", "Au", "au"};
    const QString letterKeys = QStringLiteral("abdefghiklmnoprstuwz");
    for (int i = 0; i < words.size(); ++i) {
        const QStringList wordTiles = tiles(words[i], graphemes);
        EXPECT_LE(wordTiles.size(), 8) << words[i].toStdString();
        EXPECT_TRUE(words[i][0].isUpper()) << words[i].toStdString();
        if (i < 73) {
            EXPECT_LE(wordTiles.size(), 5) << "short word " << words[i].toStdString();
        } else {
            EXPECT_GE(wordTiles.size(), 6) << "longer word " << words[i].toStdString();
        }
        for (const QString& tile : wordTiles)
            EXPECT_TRUE(graphemes.contains(tile) || letterKeys.contains(tile.toLower()))
                << words[i].toStdString() << " needs a key for " << tile.toStdString();
    }
}

TEST(TileTables, WordsFitTheirExercisesTiles)
{
    const QStringList puzzleGraphemes = {"Sch", "sch", "Au", "au", "Eu", "eu", "Ch", "ch", "Pf",
                                         "pf",  "St",  "st", "Ei", "ei", "ng", "nk", "ck", "tz"};
    for (const QString& word : readTable("plattix.txt"))
        EXPECT_LE(tiles(word, puzzleGraphemes).size(), 8) << word.toStdString();
    const QStringList buildingGraphemes = {"Sch", "sch", "Ei", "ei", "Au", "au", "Ch", "ch", "Pf", "pf"};
    const QStringList groupKeys = {"SCH", "EI", "AU", "A", "B", "D", "E", "F", "G", "H",
                                   "K",   "L",  "M",  "N", "O", "P", "R", "S", "T", "W", "Z"};
    for (const QString& word : readTable("baudrom.txt")) {
        EXPECT_LE(tiles(word, buildingGraphemes).size(), 8) << word.toStdString();
        EXPECT_TRUE(std::any_of(groupKeys.begin(), groupKeys.end(),
                                [&](const QString& key) { return word.toUpper().startsWith(key); }))
            << word.toStdString();
    }
}

TEST(KeyPictures, EveryKeyOfBothKeyboardsHasOne)
{
    const QStringList typewriterTags = {"A", "B", "D", "E", "F", "G", "H", "I", "K",  "L",  "M",  "N",
                                        "O", "P", "R", "S", "T", "U", "W", "Z", "Au", "Ei", "Sch"};
    const QStringList freeWritingOnly = {"j", "ch"};
    for (const QString& tag : typewriterTags + freeWritingOnly) {
        const QString path = findNoCase(suiteDir, "keys/" + tag + ".bmp");
        ASSERT_FALSE(path.isEmpty()) << tag.toStdString();
        EXPECT_EQ(QImage(path).size(), QSize(100, 100)) << tag.toStdString();
        // The copy at the size a key shows it is the picture the key would scale it to.
        const QImage shown(findNoCase(suiteDir, "keys/40x40/" + tag + ".bmp"));
        EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
                  QImage(path).scaled(40, 40, Qt::KeepAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32))
            << tag.toStdString();
    }
}

TEST(InitialSoundTables, AreGifPicturesWithMatchingCapitalForms)
{
    for (const QString pair : {"Tabelle", "Tabelle2"}) {
        QImageReader small(suiteDir + "/" + pair + ".gif");
        QImageReader capitals(suiteDir + "/" + pair + "Gr.gif");
        EXPECT_EQ(small.format(), "gif") << pair.toStdString();
        EXPECT_EQ(capitals.format(), "gif") << pair.toStdString();
        const QImage smallImage = small.read();
        const QImage capitalsImage = capitals.read();
        EXPECT_FALSE(smallImage.isNull());
        EXPECT_EQ(smallImage.size(), capitalsImage.size());
        EXPECT_NE(smallImage, capitalsImage) << "the captions differ";
    }
    // Printed side by side on landscape A4: the second table fits below the first.
    EXPECT_GT(QImage(suiteDir + "/Tabelle.gif").width(), QImage(suiteDir + "/Tabelle2.gif").width());
}

TEST(ControlPictures, MarksButtonsAndLauncherButtonsLoad)
{
    const QStringList files = {"richtig.png", "falsch.png", "ende.png", "weiter.png", "loeschen.png",
                               "launcher/plattix.png", "launcher/tastomat.png", "launcher/Kritzlon.png",
                               "launcher/baudrom.png", "launcher/baudromsilben.png", "launcher/lesolum.png",
                               "launcher/rateflor.png", "launcher/Fugolin.png", "launcher/bogenblick.png"};
    for (const QString& file : files)
        EXPECT_FALSE(QImage(suiteDir + "/design/" + file).isNull()) << file.toStdString();
    EXPECT_EQ(QImage(suiteDir + "/design/richtig.png").size(), QSize(110, 110));
    // As they were drawn: transparent around, the wrong mark's cross opaque red.
    const QImage wrong(suiteDir + "/design/falsch.png");
    EXPECT_EQ(wrong.pixelColor(0, 0).alpha(), 0);
    const QColor cross = wrong.pixelColor(wrong.rect().center());
    EXPECT_EQ(cross.alpha(), 255);
    EXPECT_GT(cross.red(), 2 * std::max(cross.green(), cross.blue()));
}

TEST(DefaultFiles, CentralOptionsSuitAClassroom)
{
    // Backdrop off, taskbar visible, no full screen, mixed case, result form after ten tasks,
    // no skipping, own pictures offered, no own key pictures, logging under names.
    EXPECT_EQ(readBytes("options4.ini"),
              " 0 \r\n 0 \r\n-1 \r\n 0 \r\n 0 \r\n-1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 1 \r\n");
}

TEST(DefaultFiles, TaskManagerStartsWithTenEmptySets)
{
    QByteArray expected = "TV\r\n 1 \r\n";
    for (int set = 1; set <= 10; ++set)
        expected += "0 0 0 0 0 \r\nleer\r\n";
    expected += " 0 \r\n-1 \r\n";
    EXPECT_EQ(readBytes("manager.ini"), expected);
}

TEST(DefaultFiles, NameListsAreEmptyAndFoldersExist)
{
    EXPECT_TRUE(readBytes("Protokoll_2/Namen.ini").isEmpty());
    EXPECT_TRUE(readBytes("Protokoll/Namen.ini").isEmpty());
    for (const char* folder : {"EigeneBilder/Tastomat", "EigeneBilder/Fugolin", "EigeneBilder/Plattix",
                               "EigeneBilder/Bogenblick", "EigeneBilder/Baudrom/Buchstaben",
                               "EigeneBilder/Baudrom/Silben", "EigeneBilder/Lesolum", "Anlaut/Tastomat",
                               "Anlaut/Kritzlon"}) {
        const QDir dir(suiteDir + "/" + folder);
        EXPECT_TRUE(dir.exists()) << folder;
        EXPECT_TRUE(dir.isEmpty()) << folder;
    }
}

TEST(DefaultFiles, FurtherWordListsHoldSyllableWordsInTheWindowsFormat)
{
    const QDir lists(suiteDir + "/WeitereListen");
    const QStringList files = lists.entryList(QDir::Files);
    ASSERT_GE(files.size(), 3);
    for (const QString& name : files) {
        const QByteArray content = readBytes("WeitereListen/" + name);
        EXPECT_TRUE(content.endsWith("\r\n")) << name.toStdString();
        const QList<QByteArray> lines = content.chopped(1).split('\n');
        EXPECT_GE(lines.size(), 10);
        for (const QByteArray& line : lines) {
            EXPECT_TRUE(line.endsWith('\r')) << name.toStdString();
            EXPECT_FALSE(line.trimmed().isEmpty()) << name.toStdString();
        }
        EXPECT_TRUE(content.contains('-')) << name.toStdString();
    }
}

TEST(HelpPages, OnePerMapIdTellsTheTeacherAboutF6)
{
    for (int mapId : {99, 1, 2, 3, 4, 5, 6, 7, 8, 9, 110, 111, 112}) {
        QFile page(QStringLiteral("%1/help/%2.html").arg(suiteDir).arg(mapId));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << mapId;
        const QString html = QString::fromUtf8(page.readAll());
        EXPECT_TRUE(html.contains("<meta charset=\"utf-8\">")) << mapId;
        EXPECT_TRUE(html.contains(QRegularExpression("<title>[^<]+</title>"))) << mapId;
        if (mapId < 100) {
            EXPECT_TRUE(html.contains("F6")) << mapId;
        }
    }
    for (int exercise : {1, 2, 4, 5, 8, 9}) {
        QFile page(QStringLiteral("%1/help/%2.html").arg(suiteDir).arg(exercise));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        EXPECT_TRUE(html.contains("Weiter trotz Fehler")) << exercise;
        EXPECT_TRUE(html.contains("Stufe")) << exercise;
    }
}

TEST(HelpPages, EveryLinkLeadsToAPageOfTheHelpFolder)
{
    const QDir help(suiteDir + "/help");
    const QRegularExpression link("href=\"([^\"#]*)");
    int links = 0;
    for (const QString& name : help.entryList({"*.html"}, QDir::Files)) {
        QFile page(help.filePath(name));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << name.toStdString();
        const QString html = QString::fromUtf8(page.readAll());
        for (const QRegularExpressionMatch& m : link.globalMatch(html)) {
            ++links;
            EXPECT_TRUE(help.exists(m.captured(1))) << name.toStdString() << " -> " << m.captured(1).toStdString();
        }
    }
    EXPECT_GT(links, 0);
}

} // namespace
