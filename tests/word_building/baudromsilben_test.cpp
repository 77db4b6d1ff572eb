// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/word_building/word_building_fixture.h"

#include "exercises/word_building/SyllableBuildingWords.h"

#include "framework/GetOwnWords.h"
#include "framework/Protokoll.h"
#include "framework/SStufe.h"

#include "platform/files.h"
#include "platform/forms/end.h"
#include "platform/forms/twips.h"

#include <QFileInfo>
#include <QSet>

using word_building::Form1;
using word_building::SyllableBuildingWords;
using word_building::WordBuildingLevel;

namespace {

constexpr int kAll = 49;

class BaudromSilbenTest : public WordBuildingTest {
protected:
    BaudromSilbenTest() : WordBuildingTest(std::make_unique<SyllableBuildingWords>(), "EigeneBilder/Baudrom/Silben") {}
    static QImage image(const QIcon& icon) { return icon.pixmap(100, 100).toImage().convertToFormat(QImage::Format_RGB32); }
    static QImage resource(int number)
    {
        return QImage(QString(":/syllables/%1.bmp").arg(number)).convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(BaudromSilbenTest, FotoapparatOpensItsFiveSyllablesInSlotsAsWideAsTheirText)
{
    options.Buchstaben = -1;   // capitals leave syllables as written
    clock->randoms = {drawOf(kAll, 3)};
    Form1& f = start();
    EXPECT_EQ(f.caption(), "QL Baudrom 2 (Silben) ;   <F6> für Lehrermenü");
    EXPECT_EQ(f.task.Wortname, "Fotoapparat");
    const QStringList syllables{"Fo", "to", "ap", "pa", "rat"};
    int left = 390;
    for (int i = 1; i <= 5; ++i) {
        const int width = (platform::textWidthTwips(f.Karte[i - 1], syllables[i - 1]) + 300) / 15 * 15;
        EXPECT_EQ(slotTwips(i), QRect(left, 360, width, 1215)) << i;
        left += width - 15;
    }
    EXPECT_TRUE(f.Karte[5]->isHidden());
    bool disabledDuringPause = false;
    clock->onSleep = [&](int) { disabledDuringPause = !f.Command1->isEnabled() && f.Bild[0]->isHidden(); };
    clickSlot(2);
    EXPECT_EQ(f.Karte[1]->text(), "");
    for (int i = 1; i <= 5; ++i) {
        clickSlot(i);
        EXPECT_EQ(f.Karte[i - 1]->text(), syllables[i - 1]);
    }
    EXPECT_EQ(clock->sleeps, std::vector<int>{2000});
    EXPECT_TRUE(disabledDuringPause);
    QStringList shown = tags();
    shown.sort();
    EXPECT_EQ(shown, (QStringList{"1", "3", "4"}));
    for (QPushButton* picture : f.Bild)
        EXPECT_FALSE(picture->isHidden());
}

TEST_F(BaudromSilbenTest, BananeAlwaysShowsTheThreePicturesOfTheBGroup)
{
    struct Case {
        std::deque<double> draws;
        std::vector<int> numbers;
    };
    const Case cases[] = {{{drawOf(kAll, 25), 0, 0, 0}, {102, 106, 125}}, {{drawOf(kAll, 25), 0.9, 0.9, 0}, {125, 106, 102}},
                          {{drawOf(kAll, 25), 0.5, 0, 0}, {106, 102, 125}}};
    for (const Case& c : cases) {
        clock->randoms = c.draws;
        Form1& f = start();
        ASSERT_EQ(f.task.Wortname, "Banane");
        revealAll();
        for (std::size_t k = 0; k < 3; ++k) {
            EXPECT_EQ(platform::tag(f.Bild[k]), QString::number(c.numbers[k] - 100));
            EXPECT_EQ(image(f.Bild[k]->icon()), resource(c.numbers[k])) << c.numbers[k];
        }
        const auto place = [&](int number) {
            return static_cast<int>(std::find(c.numbers.begin(), c.numbers.end(), number) - c.numbers.begin()) + 1;
        };
        pick(place(102));
        EXPECT_FALSE(f.Falsch->isHidden());
        pick(place(125));
        EXPECT_FALSE(f.Richtig->isHidden());
        EXPECT_TRUE(f.Falsch->isHidden());
    }
}

TEST_F(BaudromSilbenTest, LevelsDrawTheirWordsOncePerPass)
{
    struct Case {
        int button;
        int first, last;
    };
    for (const Case c : {Case{0, 22, 49}, Case{1, 1, 21}}) {
        Form1& f = start("Q", c.button);
        QList<int> drawn;
        for (int task = c.first; task <= c.last; ++task) {
            drawn << f.WelchesWort;
            f.WFehler->trigger();
        }
        QList<int> expected;
        for (int n = c.first; n <= c.last; ++n)
            expected << n;
        std::sort(drawn.begin(), drawn.end());
        EXPECT_EQ(drawn, expected) << c.button;
    }
}

TEST_F(BaudromSilbenTest, TheLevelDialogAndTheTeacherMenuOfferOwnPicturesOnlyWithOption8)
{
    expectLevelChoices({"Wörter mit drei Silben", "Wörter mit vier oder mehr Silben", "alle Wörter"},
                       "Wörter mit eigenen Bildern",
                       {"&Dreisilbige Wörter", "&Vier- und mehrsilbige Wörter", "&Alle Wörter"},
                       "Wörter mit eigenen &Bildern", 5);
}

TEST_F(BaudromSilbenTest, ALoggedRunWritesThePupilsLog)
{
    clock->randoms = {drawOf(kAll, 2)};
    ASSERT_EQ(startLogged("Anna").task.Wortname, "Bügeleisen");
    const QString second = solveTwoTasksAndEnd();

    const QByteArray expected = "\r\n" + QByteArray(82, '-') + "\r\n\r\n"
                                "Programm Baudrom (Silben):\r\n"
                                "Protokoll begonnen am 10.12.2026 09:30:02.\r\n\r\n"
                                "Die Aufgabe \"B\xFCgeleisen\" wurde beim ersten Versuch richtig gel\xF6st.\r\n"
                                "Die Aufgabe \"" + platform::encodeWindows1252(second) + "\" wurde beim ersten Versuch falsch gel\xF6st.\r\n"
                                "\r\nVon 2 Aufgaben wurden 1 richtig gel\xF6st.\r\n";
    EXPECT_EQ(readBytes(logFolder() + "/Protokoll_2/Anna.txt").toStdString(), expected.toStdString());
}

TEST_F(BaudromSilbenTest, BlockResultAndAssignment)
{
    options.Proto = -1;
    start();
    const bool shown = solveTasks(10, [](Protokoll& p) {
        EXPECT_EQ(p.RichtigeA, 10);
        click(p.Weiter);
    });
    EXPECT_TRUE(shown);

    Form1& a = start("Q05A");
    EXPECT_TRUE(a.Ende->isHidden());
    EXPECT_FALSE(a.close());
    a.M_Ende->trigger();
    EXPECT_TRUE(platform::programEnded());
    const QStringList record = platform::readTextFile(dataDir() + "/Protokoll.txt").lines;
    ASSERT_FALSE(record.isEmpty());
    EXPECT_TRUE(record.first().startsWith("Programm QL Baudrom 2; Protokoll erstellt am "));
    EXPECT_EQ(record.last(), "termination by supervisor");
}

TEST_F(BaudromSilbenTest, OwnPictures)
{
    options.optEigeneBilder = 1;
    addOwnPictures({"Hund", "Kat-ze"});
    start("Q", 3);
    EXPECT_EQ(messages->texts(), QStringList{"Es gibt zu wenige eigene Bilder! Ich verwende meine Bilder."});
    EXPECT_EQ(form->Level, WordBuildingLevel::All);

    addOwnPictures({"Ba-na-ne", "Hund", "Kat-ze"});
    start("Q", 3);
    ASSERT_EQ(form->Level, WordBuildingLevel::OwnPictures);
    bool sawHund = false;
    for (int task = 1; task <= 6; ++task) {
        const QString ownFile = form->OwnSource->Bildpfad();
        const int right = rightPicture();
        ASSERT_NE(right, 0);
        for (std::size_t k = 0; k < 3; ++k) {
            if (static_cast<int>(k) != right - 1) {
                EXPECT_NE(form->PicturePath[k], ownFile);
            }
        }
        if (form->task.Wortname == "Hund") {
            sawHund = true;
            EXPECT_FALSE(form->Karte[0]->isHidden());
            EXPECT_TRUE(form->Karte[1]->isHidden());
        }
        revealAll();
        pick(right);
        EXPECT_FALSE(form->Richtig->isHidden());
        click(form->Command1);
    }
    EXPECT_TRUE(sawHund);

    addOwnPictures({"A-b-c-d-e-f-g-h"});
    QFile::remove(programDir() + "/" + ownFolder + "/Hund.bmp");
    start("Q", 3);
    for (int task = 1; task <= 3 && form->task.Wortname != "Abcdefgh"; ++task)
        form->WFehler->trigger();
    ASSERT_EQ(form->task.Wortname, "Abcdefgh");
    revealAll();
    EXPECT_EQ(form->Karte[5]->text(), "fgh");
    pick(rightPicture());
    EXPECT_FALSE(form->Richtig->isHidden());
}

// A teacher's file "-Ba-na-ne.bmp": the leading hyphen opens no empty syllable.
TEST_F(BaudromSilbenTest, AnOwnPictureNameBeginningWithAHyphenStillGivesItsSyllables)
{
    options.optEigeneBilder = 1;
    addOwnPictures({"-Ba-na-ne", "Hund", "Kat-ze"});
    start("Q", 3);
    ASSERT_EQ(form->Level, WordBuildingLevel::OwnPictures);
    const auto isBanane = [](const QString& path) { return path.endsWith("/-Ba-na-ne.bmp"); };
    for (int task = 1; task <= 3 && !isBanane(form->OwnSource->Bildpfad()); ++task)
        form->WFehler->trigger();
    ASSERT_TRUE(isBanane(form->OwnSource->Bildpfad()));
    revealAll();
    QStringList shown;
    for (QLabel* slot : form->Karte)
        if (!slot->isHidden())
            shown << slot->text();
    EXPECT_EQ(shown, (QStringList{"Ba", "na", "ne"}));
    EXPECT_EQ(form->task.Wortname, "Banane");
    const auto own = std::find_if(form->PicturePath.begin(), form->PicturePath.end(), isBanane);
    ASSERT_NE(own, form->PicturePath.end());
    pick(static_cast<int>(own - form->PicturePath.begin()) + 1);
    EXPECT_FALSE(form->Richtig->isHidden());
}

} // namespace
