// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/free_writing/free_writing_fixture.h"

#include "platform/files.h"
#include "platform/forms/end.h"
#include "platform/forms/twips.h"

#include <QDir>
#include <QImage>

using free_writing::Form1;

namespace {

// One thing the child does.
struct Step {
    enum Kind { Key, Box, Type, Enter, Backspace, Radieren, Neu } kind;
    int key = 0;
    QString text = {};
};

Step key(int index)
{
    return {Step::Key, index};
}
Step typed(const QString& text)
{
    return {Step::Type, 0, text};
}
const Step kBox{Step::Box};
const Step kEnter{Step::Enter};
const Step kBackspace{Step::Backspace};
const Step kRadieren{Step::Radieren};
const Step kNeu{Step::Neu};

void writeSquare(const QString& path, int side, Qt::GlobalColor colour)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(colour);
    ASSERT_TRUE(picture.save(path, "BMP")) << path.toStdString();
}

// The colour in the middle of the key's picture as it is drawn; none without a picture.
QColor pictureColour(const QToolButton* key)
{
    const QImage shown = key->icon().pixmap(key->iconSize()).toImage();
    return shown.isNull() ? QColor() : shown.pixelColor(shown.rect().center());
}

TEST_F(FreeWritingTest, KeysTypingAndErasing)
{
    struct Case {
        bool capitals;
        std::vector<Step> steps;
        QString expected;
    };
    const Case cases[] = {
        {false, {kBox, key(0), key(17)}, "Au"},
        {false, {key(22)}, "sch"},
        {false, {kBox, key(22)}, "Sch"},
        {false, {key(24), kBox, key(24)}, "chCh"},
        {false, {key(0), key(25), key(3)}, "a e"},
        {false, {typed("@"), kEnter, typed("ä"), typed("~")}, "ä"},
        {false, {kBox, typed("m"), key(10)}, "mm"},
        {false, {typed("Busch"), kBackspace}, "Bu"},
        {false, {typed("Busch"), kRadieren}, "Bu"},
        {false, {typed("mein"), kRadieren}, "mei"},
        {false, {typed("mein"), kRadieren, kBackspace}, "m"},
        {false, {kRadieren, typed("Hallo Max"), kNeu}, ""},
        {true, {key(20)}, "AU"},
        {true, {typed("m")}, "M"},
        {true, {typed("Straße"), key(1)}, "STRAßEB"},
        {true, {typed("öl")}, "ÖL"},
        {true, {key(22), key(20), kRadieren}, "SCH"},
        {true, {typed("schau"), kBackspace, kBackspace}, ""},
        {true, {typed("mein"), kRadieren}, "MEI"},
    };
    for (const Case& c : cases) {
        options.Buchstaben = c.capitals ? -1 : 0;
        writeOptions(options);
        Form1& f = start();
        QString trace;
        for (const Step& step : c.steps) {
            switch (step.kind) {
            case Step::Key: pressKey(step.key); break;
            case Step::Box: click(f.Gross1); break;
            case Step::Type: type(step.text); break;
            case Step::Enter: QTest::keyClick(&f, Qt::Key_Return); break;
            case Step::Backspace: QTest::keyClick(&f, Qt::Key_Backspace); break;
            case Step::Radieren: click(f.Loeschen); break;
            case Step::Neu: click(f.weiter); break;
            }
            trace += QString::number(step.kind) + step.text + " ";
        }
        EXPECT_EQ(text(), c.expected) << trace.toStdString() << " capitals " << c.capitals;
        EXPECT_EQ(f.WortName, c.expected);
        EXPECT_FALSE(f.Gross1->isChecked());
    }
}

TEST_F(FreeWritingTest, CapitalBoxIsClearedByTheFirstKey)
{
    Form1& f = start();
    click(f.Gross1);
    EXPECT_TRUE(f.Gross1->isChecked());
    EXPECT_EQ(f.AktNummer, 1);
    pressKey(0);
    EXPECT_FALSE(f.Gross1->isChecked());
    EXPECT_EQ(f.AktNummer, 11);
    EXPECT_EQ(f.TransferCode, "A");
}

TEST_F(FreeWritingTest, KeyCaptionsWithAndWithoutCapitalsOnly)
{
    Form1& f = start();
    EXPECT_FALSE(f.Gross1->isHidden());
    EXPECT_EQ(f.Gross1->text(), "Großbuchstabe");
    const QStringList mixed{"A  a", "B  b", "D  d", "E  e", "F  f", "G  g", "H  h", "I  i ", "K  k",
                            "L  l", "M  m", "N  n", "O  o", "P  p", "R  r", "S  s", "T  t", "U  u",
                            "W  w", "Z  z", "Au  au", "Ei  ei", "Sch sch", "J  j", "-ch", "Leerzeichen"};
    const QStringList capitals{"A", "B", "D", "E", "F", "G", "H", "I", "K", "L", "M", "N", "O",
                               "P", "R", "S", "T", "U", "W", "Z", "AU", "EI", "SCH", "J", "-CH",
                               "Leerzeichen"};
    for (const bool capitalsOnly : {false, true}) {
        options.Buchstaben = capitalsOnly ? -1 : 0;
        writeOptions(options);
        Form1& g = start();
        QStringList shown;
        for (QToolButton* key : g.Worttaste)
            shown << key->text();
        EXPECT_EQ(shown, capitalsOnly ? capitals : mixed);
        EXPECT_EQ(g.Gross1->isHidden(), capitalsOnly);
    }
}

// Vowels on top, consonants below; keys 1035 twips high.
TEST_F(FreeWritingTest, TheKeysTheTextAndTheCapitalBoxStandInTheirPlaces)
{
    Form1& f = start();
    struct Place {
        int left, top, width;
    };
    const Place keys[] = {{120, 120, 770},   {960, 1200, 770},  {2640, 1200, 770}, {960, 120, 770},
                          {120, 2280, 770},  {1800, 1200, 770}, {6000, 1200, 770}, {3480, 120, 770},
                          {1800, 2280, 770}, {4320, 1200, 770}, {3480, 1200, 781}, {3480, 2280, 770},
                          {1800, 120, 770},  {960, 2280, 770},  {5160, 1200, 770}, {4320, 2280, 770},
                          {2640, 2280, 770}, {2640, 120, 770},  {120, 1200, 770},  {5160, 2280, 770},
                          {4320, 120, 1140}, {5520, 120, 1140}, {6720, 120, 1260}, {6000, 2280, 770},
                          {6840, 1200, 1020}, {8160, 1200, 1215}};
    ASSERT_EQ(f.Worttaste.size(), std::size(keys));
    for (std::size_t i = 0; i < std::size(keys); ++i)
        EXPECT_EQ(f.Worttaste[i]->geometry(), platform::twipsRect(keys[i].left, keys[i].top, keys[i].width, 1035))
            << "key " << i;
    EXPECT_EQ(f.Schrift->geometry(), platform::twipsRect(120, 3600, 7695, 2655));
    EXPECT_EQ(f.Gross1->pos(), platform::twipsRect(8160, 120, 1215, 1).topLeft());
    EXPECT_EQ(f.Gross1->width(), platform::twipsToPixels(1215));
}

TEST_F(FreeWritingTest, SpaceBarAddsOneBlankAndClicksNothingWhateverHasTheFocus)
{
    writeBytes(printButtonFile(), " 1 \r\n");
    Form1& f = start();
    type("ab");
    for (QWidget* focus : std::initializer_list<QWidget*>{f.weiter, f.Gross1, f.Worttaste[0], f.Loeschen,
                                                          f.Command1, f.Ende, &f}) {
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Space);
    }
    EXPECT_EQ(text(), "ab       ");
    EXPECT_FALSE(f.Gross1->isChecked());
    EXPECT_TRUE(f.loaded());
    EXPECT_TRUE(printer->log.isEmpty());
}

TEST_F(FreeWritingTest, WindowButtonsAndTeacherMenu)
{
    Form1& f = start();
    EXPECT_EQ(f.caption(), "QL Kritzlon ;   <F6> für Lehrermenü");
    EXPECT_EQ(f.weiter->text(), "Neu");
    EXPECT_EQ(f.Loeschen->text(), "radieren");
    EXPECT_EQ(f.Command1->text(), "Drucken");
    EXPECT_FALSE(f.Ende->isHidden());
    EXPECT_TRUE(f.Schrift->isReadOnly());
    EXPECT_EQ(f.heightTwips(), 6825);
    EXPECT_FALSE(f.menuBarVisible());

    QTest::keyClick(f.Worttaste[3], Qt::Key_F6);
    EXPECT_EQ(f.heightTwips(), 7095);
    EXPECT_TRUE(f.menuBarVisible());
    EXPECT_FALSE(f.WFehler->isVisible());
    QStringList items;
    for (QAction* a : f.dasmenu->actions())
        if (a->isVisible())
            items << (a->isSeparator() ? "-" : a->text() + (a->isChecked() ? " [x]" : ""));
    EXPECT_EQ(items, (QStringList{"&Hilfe", "-", "&Lauttabelle drucken", "-", "Druckknopf &an",
                                  "Druckknopf a&us [x]"}));
    f.Hilfe->trigger();
    ASSERT_EQ(help->opened.size(), 1u);
    EXPECT_EQ(help->opened[0].second, 3);
    QTest::keyClick(&f, Qt::Key_F6);
    EXPECT_EQ(f.heightTwips(), 6825);
    EXPECT_FALSE(f.menuBarVisible());
}

TEST_F(FreeWritingTest, LoggedStartWritesNoLogAndHandsTheNameBack)
{
    options.ProtSave = 1;
    writeOptions(options);
    const QString logs = appDataDir() + "/logs";
    QDir().mkpath(logs);
    Form1& f = start(QString("Q /p=\"%1\" /n=\"Max\"").arg(logs));
    type("Hallo");
    click(f.Ende);
    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(state.LoggingOn, 0);
    EXPECT_EQ(QDir(logs).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
    EXPECT_EQ(processes->commandLines(), QStringList{programDir() + "/startomo.exe /n=\"Max\""});
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(FreeWritingTest, WhatStartsAtTheEnd)
{
    const QString logs = appDataDir() + "/logs";
    QDir().mkpath(logs);
    const QString launcher = programDir() + "/startomo.exe";
    struct Case {
        QString line;
        int logging;
        int aufloesung;
        QStringList started;
    };
    const Case cases[] = {
        {"Q", 1, 0, {launcher}},
        {"Q03A", 1, 0, {launcher}},
        {QString("Q /p=\"%1\" /n=\"Max\" 03A").arg(logs), 1, 0, {launcher + " /n=\"Max\""}},
        {QString("Q /p=\"%1\" /n=\"Max\"").arg(logs), 0, 0, {launcher}},
        {QString("Q /n=\"Max\"").arg(logs), 1, 0, {launcher}},
        {QString("Q /p=\"%1\" /n=\"../Max\"").arg(logs), 1, 0, {launcher}},
        {QString("Q /p=\"%1\" /n=\"Max").arg(logs), 1, 0, {launcher}},
        {QString("Q /p=\"%1\" /n=\"Max\"").arg(logs), 1, -1, {}},
        {"", 1, 0, {}},
        {"x /n=\"Max\"", 1, 0, {}},
    };
    for (const Case& c : cases) {
        options.ProtSave = c.logging;
        options.Aufloesung = c.aufloesung;
        writeOptions(options);
        processes->started.clear();
        Form1& f = start(c.line);
        EXPECT_FALSE(state.TaskMode) << c.line.toStdString();
        EXPECT_FALSE(f.Ende->isHidden());
        EXPECT_FALSE(f.M_Ende->isVisible());
        EXPECT_TRUE(f.close()) << c.line.toStdString();
        EXPECT_EQ(processes->commandLines(), c.started) << c.line.toStdString();
    }
    EXPECT_FALSE(QFile::exists(dataDir() + "/Protokoll.txt"));
    EXPECT_FALSE(QFile::exists(logs + "/Protokoll_2"));
}

TEST_F(FreeWritingTest, BackdropStandsBehindTheWindowUntilItCloses)
{
    options.HGrund = -1;
    writeOptions(options);
    Form1& f = start();
    EXPECT_TRUE(platform::formLoaded("Hintergrund"));
    EXPECT_EQ(state.HelpFile, programDir() + "/Ratgebix_Top.chm");
    EXPECT_TRUE(f.close());
    EXPECT_FALSE(platform::formLoaded("Hintergrund"));
}

TEST_F(FreeWritingTest, OwnKeyPicturesHideTheKeysWithoutOne)
{
    options.Opt_AnlautKritzlon = 1;
    writeOptions(options);
    const QString folder = programDir() + "/Anlaut/Kritzlon/";
    for (const char* sound : {"a", "M", "sch", "Ch"})
        writePicture(folder + sound + ".bmp");
    Form1& f = start();
    QList<int> shown;
    for (int i = 0; i < int(f.Worttaste.size()); ++i)
        if (!f.Worttaste[std::size_t(i)]->isHidden())
            shown << i;
    EXPECT_EQ(shown, (QList<int>{0, 10, 22, 24, 25}));
    EXPECT_FALSE(f.Worttaste[0]->icon().isNull());
    EXPECT_EQ(f.Worttaste[25]->text(), "Leerzeichen");
    EXPECT_TRUE(messages->shown.empty());
    pressKey(10);
    EXPECT_EQ(text(), "m");

    writeBytes(folder + "e.bmp", "no picture");
    start();
    EXPECT_FALSE(form->Worttaste[3]->isHidden());
    EXPECT_EQ(messages->texts(),
              QStringList{"Die Bilder für die Anlauttabelle konnten nicht fehlerfrei geladen werden!"});
}

TEST_F(FreeWritingTest, WithoutOption9EveryKeyShows)
{
    writePicture(programDir() + "/Anlaut/Kritzlon/a.bmp");
    Form1& f = start();
    for (QToolButton* key : f.Worttaste)
        EXPECT_FALSE(key->isHidden()) << key->objectName().toStdString();
}

// The keys' tags are in small letters, the build's pictures named with capitals: a key shows the
// rendered copy at its own size, else the full-size picture scaled to it, else none.
TEST_F(FreeWritingTest, KeysShowTheDesignPicturesWhateverTheCaseOfTheirNames)
{
    writeSquare(programDir() + "/keys/40x40/A.bmp", 40, Qt::red);
    writeSquare(programDir() + "/keys/A.bmp", 100, Qt::yellow);
    writeSquare(programDir() + "/keys/SCH.bmp", 100, Qt::blue);
    writeSquare(programDir() + "/keys/40x40/Au.bmp", 40, Qt::green);
    Form1& f = start();
    EXPECT_EQ(pictureColour(f.Worttaste[0]), QColor(Qt::red));
    EXPECT_EQ(pictureColour(f.Worttaste[22]), QColor(Qt::blue));
    EXPECT_EQ(f.Worttaste[22]->icon().pixmap(f.Worttaste[22]->iconSize()).size(), QSize(40, 40));
    EXPECT_EQ(pictureColour(f.Worttaste[20]), QColor(Qt::green));
    EXPECT_FALSE(pictureColour(f.Worttaste[1]).isValid());
    EXPECT_TRUE(f.Worttaste[25]->icon().isNull());
}

} // namespace
