// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/syllable_puzzle/fugolin_fixture.h"

#include "tests/printing/pdf_reader.h"

#include "platform/files.h"
#include "platform/qt_printer.h"

#include <QSet>

using syllable_puzzle::Form1;

namespace {

using platform::Orientation;
using testing_support::PrintedDocument;
using testing_support::PrintedItem;

class FugolinPrintingTest : public FugolinTest {
protected:
    bool printedAnything() const
    {
        return !printer->documents.empty() || printer->documentOpen() || !printer->killed.empty();
    }
};

// Each page: picture and word side by side on the rows 2.2, 7.2, 12.2, 17.2, 22.2 cm.
void expectRows(const testing_support::PrintedPage& page, int rows)
{
    const double tops[] = {2.2, 7.2, 12.2, 17.2, 22.2};
    ASSERT_EQ(page.size(), std::size_t(2 * rows));
    for (int r = 0; r < rows; ++r) {
        const PrintedItem& picture = page[std::size_t(2 * r)];
        const PrintedItem& word = page[std::size_t(2 * r + 1)];
        EXPECT_EQ(picture.kind, PrintedItem::Kind::Picture);
        EXPECT_DOUBLE_EQ(picture.x, 2.2);
        EXPECT_DOUBLE_EQ(picture.y, tops[r]);
        EXPECT_FALSE(picture.picture.isNull());
        EXPECT_DOUBLE_EQ(word.x, 6.6);
        EXPECT_DOUBLE_EQ(word.y, tops[r]);
        EXPECT_EQ(word.fontName, "Arial");
        EXPECT_EQ(word.fontSize, 48);
        EXPECT_TRUE(word.bold);
    }
}

TEST_F(FugolinPrintingTest, AllFortyNineWordsOnTenPagesAndTheLastStaysTheTask)
{
    Form1& f = start("Q");
    printer->orientationValue = Orientation::Landscape;
    QString caption;
    print(true, &caption);
    EXPECT_EQ(caption, "Alle Wörter ( 49 Wörter, 10 Seiten )");

    ASSERT_EQ(printer->documents.size(), 1u);
    const PrintedDocument& document = printer->documents.front();
    EXPECT_EQ(document.orientation, Orientation::Portrait);
    ASSERT_EQ(document.pages.size(), 10u);
    for (std::size_t p = 0; p < 9; ++p)
        expectRows(document.pages[p], 5);
    expectRows(document.pages.back(), 4);
    const QStringList words = printedWords();
    EXPECT_EQ(QSet<QString>(words.begin(), words.end()).size(), 49);
    EXPECT_TRUE(words.contains("Gießkanne"));
    EXPECT_EQ(f.Wortname, words.last());
    EXPECT_EQ(platform::readNumberFile(state.TempFile).values.size(), 49);
    EXPECT_EQ(f.Weiter->text(), ">>> Weiter >>>");
    EXPECT_TRUE(f.isEnabled());
    EXPECT_EQ(printer->orientationValue, Orientation::Landscape);
    EXPECT_TRUE(messages->shown.empty());
    // The next word starts a new set.
    buildWord();
    click(f.Weiter);
    EXPECT_EQ(platform::readNumberFile(state.TempFile).values.size(), 1);
}

TEST_F(FugolinPrintingTest, TwentyOwnPicturesFillExactlyFourPages)
{
    options.optEigeneBilder = 1;
    writeOptions();
    const SyllableWords table;
    for (int n = 22; n < 42; ++n)
        writePicture(programDir() + "/EigeneBilder/Fugolin/" + table.word(n) + ".bmp");
    start("Q", OwnPictures);
    print(true);
    ASSERT_EQ(printer->documents.size(), 1u);
    ASSERT_EQ(printer->documents.front().pages.size(), 4u);
    expectRows(printer->documents.front().pages.back(), 5);
    EXPECT_EQ(printer->log.count("newPage"), 3);
    const QStringList words = printedWords();
    EXPECT_EQ(QSet<QString>(words.begin(), words.end()).size(), 20);
}

TEST_F(FugolinPrintingTest, CurrentWordAloneAtFourCentimetres)
{
    clock->randoms = {draw(46, 49), draw(1, 21), layout(1)};
    Form1& f = start("Q");
    print(false);
    ASSERT_EQ(printer->documents.size(), 1u);
    const auto& page = printer->documents.front().pages.front();
    ASSERT_EQ(page.size(), 2u);
    EXPECT_DOUBLE_EQ(page[0].x, 2.2);
    EXPECT_DOUBLE_EQ(page[0].y, 4.0);
    EXPECT_EQ(page[0].picture, f.Bild1->pixmap().toImage());
    EXPECT_DOUBLE_EQ(page[1].x, 6.6);
    EXPECT_DOUBLE_EQ(page[1].y, 4.0);
    EXPECT_EQ(page[1].text, "Gießkanne");
    EXPECT_EQ(f.Wortname, "Gießkanne");
}

TEST_F(FugolinPrintingTest, WrongPaperOrAFailedOrientationPrintsNothing)
{
    Form1& f = start("Q");
    printer->paper = 1;
    print(true);
    printer->paper = platform::kPaperA4;
    printer->orientationValue = Orientation::Landscape;
    printer->orientationStuck = true;
    print(true);
    EXPECT_EQ(messages->texts(),
              (QStringList{"Fehler beim Ausdruck! Falsches Papier; Sie benötigen Din A4 - Papier!",
                           "Fehler beim Ausdruck! Probleme beim Umstellen von Quer- auf Hochformat!"}));
    EXPECT_FALSE(printedAnything());
    EXPECT_EQ(f.Weiter->text(), ">>> Weiter >>>");
}

TEST_F(FugolinPrintingTest, ErrorMidwayLeavesTheWindowUsable)
{
    Form1& f = start("Q");
    printer->orientationValue = Orientation::Landscape;
    printer->failing = QStringList{"newPage"};
    print(true);
    EXPECT_EQ(messages->texts(), QStringList{"Fehler beim Ausdruck!"});
    EXPECT_TRUE(f.isEnabled());
    EXPECT_TRUE(printer->documents.empty());
    EXPECT_EQ(printer->killed.size(), 1u);
    EXPECT_EQ(printer->orientationValue, Orientation::Landscape);
    EXPECT_EQ(f.Weiter->text(), ">>> Weiter >>>");
}

TEST_F(FugolinPrintingTest, LongerWordsToARealPdfWithTheirUmlauts)
{
    platform::QtPrinter& pdf = usePdfPrinter();
    start("Q", Longer);
    print(true);
    const QString file = pdf.lastPdfFile();
    ASSERT_FALSE(file.isEmpty());
    ASSERT_EQ(pdf_reader::pageCount(file), 5);
    const QSet<QString> printed = pdf_reader::wordTexts(file);
    const SyllableWords words;
    for (int n = 1; n <= 21; ++n)
        EXPECT_TRUE(printed.contains(QString(words.word(n)).remove('-'))) << words.word(n).toStdString();
    EXPECT_TRUE(printed.contains("Bügeleisen"));
}

} // namespace
