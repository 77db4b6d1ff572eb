// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/printing/pdf_reader.h"

#include "exercises/typewriter/Form1.h"
#include "framework/Qualitaet.h"
#include "framework/SStufe.h"
#include "framework/SuiteOptions.h"
#include "exercises/typewriter/TypewriterPrinting.h"
#include "exercises/typewriter/TypewriterWords.h"
#include "framework/WordCardPrinting.h"

#include "platform/qt_printer.h"
#include "platform/services.h"

#include "tests/support/fixture.h"
#include "tests/support/full_disk.h"

#include <QSet>
#include <QTest>

using typewriter::Form1;
using typewriter::TypewriterWords;
using typewriter::printInitialSoundTable;
using typewriter::printWordCards;

namespace {

using platform::Orientation;
using testing_support::FakePrinter;
using testing_support::PrintedDocument;
using testing_support::PrintedItem;
using testing_support::whenShown;

constexpr int kShortWords = 0;
constexpr int kLongerWords = 1;
constexpr int kAllWords = 2;

const char* const kNextWord = ">>> Nächstes Wort >>>";

void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// The word cards of a page: each a picture and, at the same height, its word.
void expectCards(const testing_support::PrintedPage& page, int cards)
{
    ASSERT_EQ(page.size(), std::size_t(2 * cards));
    for (int c = 0; c < cards; ++c) {
        const PrintedItem& picture = page[std::size_t(2 * c)];
        const PrintedItem& word = page[std::size_t(2 * c + 1)];
        const double row = WordCardPages::kRows[std::size_t(c)];
        EXPECT_EQ(picture.kind, PrintedItem::Kind::Picture);
        EXPECT_DOUBLE_EQ(picture.x, 2.2);
        EXPECT_DOUBLE_EQ(picture.y, row);
        EXPECT_EQ(word.kind, PrintedItem::Kind::Text);
        EXPECT_DOUBLE_EQ(word.x, 6.6);
        EXPECT_DOUBLE_EQ(word.y, row);
        EXPECT_EQ(word.fontName, QStringLiteral("Arial"));
        EXPECT_EQ(word.fontSize, 48);
        EXPECT_TRUE(word.bold);
    }
}

class TypewriterPrintingTest : public testing_support::SuiteTest {
protected:
    TypewriterPrintingTest()
    {
        const TypewriterWords words;
        for (int n = 1; n <= words.count(); ++n)
            copyFromSuite(words.word(n) + QStringLiteral(".bmp"));
        for (const char* table : {"Tabelle.gif", "TabelleGr.gif"})
            copyFromSuite(QString::fromUtf8(table));
    }

    void start(int levelButton, bool capitals = false)
    {
        SuiteOptions options;
        options.Buchstaben = capitals ? -1 : 0;
        // The program copies the central file on its first start only.
        for (const QString& folder : {programDir(), state.DataDir})
            if (!folder.isEmpty())
                writeFile(folder + QStringLiteral("/options4.ini"), suiteOptionLines(options));
        // What every program's start does before its window loads.
        platform::enterProgramFolder();
        whenShown(QStringLiteral("SStufe"), [levelButton](platform::Form& dialog) {
            click(static_cast<SStufe&>(dialog).Stufe[std::size_t(levelButton)]);
        });
        form.show();
        ASSERT_TRUE(form.loaded());
    }

    // Runs a print command, answering the print dialog with `answer`.
    void print(void (*command)(Form1&), std::function<void(Qualitaet&)> answer)
    {
        whenShown(QStringLiteral("Qualität"), [answer = std::move(answer)](platform::Form& dialog) {
            answer(static_cast<Qualitaet&>(dialog));
        });
        command(form);
    }
    void printAll()
    {
        print(printWordCards, [](Qualitaet& d) {
            click(d.alle);
            click(d.Command1);
        });
    }
    void printCurrent()
    {
        print(printWordCards, [](Qualitaet& d) { click(d.Command1); });
    }
    void printTable()
    {
        print(printInitialSoundTable, [](Qualitaet& d) { click(d.Command1); });
    }

    const PrintedDocument& onlyDocument() const
    {
        EXPECT_EQ(printer->documents.size(), 1u);
        return printer->documents.front();
    }

    bool printedAnything() const
    {
        return !printer->documents.empty() || printer->documentOpen() || !printer->killed.empty();
    }

    ExerciseState state;
    Form1 form{state};
};

TEST_F(TypewriterPrintingTest, AllNinetyFourWordsOnNineteenPages)
{
    start(kAllWords);
    printer->orientationValue = Orientation::Landscape;
    QString caption;
    print(printWordCards, [&caption](Qualitaet& d) {
        caption = d.alle->text();
        click(d.alle);
        click(d.Command1);
    });
    EXPECT_EQ(caption, QStringLiteral("Alle Wörter ( 94 Wörter, 19 Seiten )"));

    const PrintedDocument& document = onlyDocument();
    ASSERT_EQ(document.pages.size(), 19u);
    for (std::size_t p = 0; p < 18; ++p)
        expectCards(document.pages[p], 5);
    expectCards(document.pages.back(), 4);
    EXPECT_EQ(document.orientation, Orientation::Portrait);
    EXPECT_EQ(printer->log.count(QStringLiteral("newPage")), 18);

    QSet<QString> printed;
    QString last;
    for (const PrintedItem& item : printer->printedItems())
        if (item.kind == PrintedItem::Kind::Text)
            printed.insert(last = item.text);
    EXPECT_EQ(printed.size(), 94);
    EXPECT_EQ(form.typing.Wortname, last);
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(form.Neues->text(), QString::fromUtf8(kNextWord));
    EXPECT_EQ(printer->orientationValue, Orientation::Landscape);
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(TypewriterPrintingTest, FontsAndSettingsInTheirOrder)
{
    start(kShortWords);
    print(printWordCards, [](Qualitaet& d) {
        click(d.Option2);
        click(d.Option6);
        click(d.Command1);
    });
    const QStringList expected{"setPrintQuality -1", "setColorMode 1", "setScaleMode 7",
                               "setColorMode 1", "setPrintQuality -1", "setOrientation 1",
                               "setFontName MS Sans Serif", "setFontSize 12", "setFontBold 0",
                               "setFontName Arial", "setFontSize 48", "setFontBold 1"};
    EXPECT_EQ(printer->log.mid(0, expected.size()), expected);
    EXPECT_EQ(onlyDocument().colorMode, platform::ColorMode::Monochrome);
    EXPECT_EQ(onlyDocument().quality, platform::kQualityDraft);
}

TEST_F(TypewriterPrintingTest, LongerWordsLeaveOneCardOnTheFifthPage)
{
    start(kLongerWords);
    printAll();
    const PrintedDocument& document = onlyDocument();
    ASSERT_EQ(document.pages.size(), 5u);
    expectCards(document.pages.back(), 1);
    EXPECT_DOUBLE_EQ(document.pages.back().back().y, 2.2);
    const TypewriterWords words;
    QSet<QString> expected;
    for (int n = TypewriterWords::kShort + 1; n <= TypewriterWords::kAll; ++n)
        expected.insert(words.word(n));
    QSet<QString> printed;
    for (const PrintedItem& item : printer->printedItems())
        if (item.kind == PrintedItem::Kind::Text)
            printed.insert(item.text);
    EXPECT_EQ(printed, expected);
}

TEST_F(TypewriterPrintingTest, FullLastPageIsFollowedByNoEmptyPage)
{
    for (int count : {1, 4, 5, 6, 10, 11, 21, 94}) {
        FakePrinter recorder;
        WordCardPages pages(recorder, count);
        for (int i = 0; i < count; ++i)
            pages.printCard(QImage(100, 100, QImage::Format_RGB32), QStringLiteral("Affe"));
        recorder.endDoc();
        ASSERT_EQ(recorder.documents.size(), 1u);
        const auto& printed = recorder.documents.front().pages;
        ASSERT_EQ(printed.size(), std::size_t((count + 4) / 5)) << count;
        EXPECT_EQ(printed.back().size(), std::size_t(2 * (count - 5 * (int(printed.size()) - 1))))
            << count;
        EXPECT_EQ(recorder.log.last(), QStringLiteral("endDoc"));
        EXPECT_NE(recorder.log[recorder.log.size() - 2], QStringLiteral("newPage")) << count;
    }
}

TEST_F(TypewriterPrintingTest, CurrentWordAloneAtFourCentimetres)
{
    for (bool capitals : {false, true}) {
        SCOPED_TRACE(capitals);
        printer->documents.clear();
        start(kShortWords, capitals);
        const QString current = form.typing.Wortname;
        printCurrent();
        const PrintedDocument& document = onlyDocument();
        ASSERT_EQ(document.pages.size(), 1u);
        const auto& page = document.pages.front();
        ASSERT_EQ(page.size(), 2u);
        EXPECT_EQ(page[0].kind, PrintedItem::Kind::Picture);
        EXPECT_DOUBLE_EQ(page[0].x, 2.2);
        EXPECT_DOUBLE_EQ(page[0].y, 4.0);
        EXPECT_EQ(page[0].picture, form.Anzeige->pixmap().toImage());
        EXPECT_DOUBLE_EQ(page[1].x, 6.6);
        EXPECT_DOUBLE_EQ(page[1].y, 4.0);
        EXPECT_EQ(page[1].text, current);
        EXPECT_EQ(current == current.toUpper(), capitals);
        EXPECT_EQ(form.typing.Wortname, current);
        form.unload();
    }
}

TEST_F(TypewriterPrintingTest, TableLandscapeWithTheCapitalsPicture)
{
    for (bool capitals : {false, true}) {
        SCOPED_TRACE(capitals);
        printer->documents.clear();
        start(kAllWords, capitals);
        bool choiceShown = true;
        print(printInitialSoundTable, [&choiceShown](Qualitaet& d) {
            choiceShown = d.Frame3->isVisible();
            click(d.Command1);
        });
        EXPECT_FALSE(choiceShown);
        const PrintedDocument& document = onlyDocument();
        EXPECT_EQ(document.orientation, Orientation::Landscape);
        ASSERT_EQ(document.pages.size(), 1u);
        ASSERT_EQ(document.pages.front().size(), 1u);
        const PrintedItem& table = document.pages.front().front();
        EXPECT_DOUBLE_EQ(table.x, 1.5);
        EXPECT_DOUBLE_EQ(table.y, 4.8);
        const QImage wanted(programDir() + (capitals ? "/TabelleGr.gif" : "/Tabelle.gif"));
        const QImage other(programDir() + (capitals ? "/Tabelle.gif" : "/TabelleGr.gif"));
        EXPECT_EQ(table.picture.convertToFormat(QImage::Format_RGB32),
                  wanted.convertToFormat(QImage::Format_RGB32));
        EXPECT_NE(table.picture.convertToFormat(QImage::Format_RGB32),
                  other.convertToFormat(QImage::Format_RGB32));
        EXPECT_EQ(printer->orientationValue, Orientation::Portrait);
        EXPECT_EQ(form.Neues->text(), QString::fromUtf8(kNextWord));
        form.unload();
    }
}

TEST_F(TypewriterPrintingTest, WrongPaperPrintsNothing)
{
    start(kAllWords);
    printer->paper = 1;
    printTable();
    printAll();
    EXPECT_EQ(messages->texts(),
              QStringList(2, "Fehler beim Ausdruck! Falsches Papier; Sie benötigen Din A4 - Papier!"));
    EXPECT_FALSE(printedAnything());
    EXPECT_FALSE(printer->log.contains(QStringLiteral("setOrientation 1")));
    EXPECT_FALSE(printer->log.contains(QStringLiteral("setScaleMode 7")));
}

TEST_F(TypewriterPrintingTest, CancelledDialogPrintsNothing)
{
    start(kAllWords);
    const QString current = form.typing.Wortname;
    print(printWordCards, [](Qualitaet& d) {
        click(d.alle);
        click(d.Command2);
    });
    print(printInitialSoundTable, [](Qualitaet& d) { d.close(); });
    EXPECT_FALSE(printedAnything());
    EXPECT_TRUE(printer->log.isEmpty());
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(form.typing.Wortname, current);
}

TEST_F(TypewriterPrintingTest, OrientationThatWillNotChange)
{
    start(kAllWords);
    printer->orientationStuck = true;
    printTable();
    printer->orientationValue = Orientation::Landscape;
    printCurrent();
    EXPECT_EQ(messages->texts(),
              QStringList({"Fehler beim Ausdruck! Probleme beim Umstellen von Hoch- auf Querformat!",
                           "Fehler beim Ausdruck! Probleme beim Umstellen von Quer- auf Hochformat!"}));
    EXPECT_FALSE(printedAnything());
    EXPECT_EQ(form.Neues->text(), QString::fromUtf8(kNextWord));
}

TEST_F(TypewriterPrintingTest, RefusedOrientationGoesToTheOrientationMessage)
{
    start(kAllWords);
    printer->failing = QStringList{QStringLiteral("setOrientation")};
    printTable();
    EXPECT_EQ(messages->texts(),
              QStringList{"Fehler beim Ausdruck! Probleme beim Umstellen von Hoch- auf Querformat!"});
    EXPECT_FALSE(printedAnything());
}

TEST_F(TypewriterPrintingTest, ErrorMidwayLeavesTheWindowUsable)
{
    start(kAllWords);
    printer->orientationValue = Orientation::Landscape;
    printer->failing = QStringList{QStringLiteral("newPage")};
    printAll();
    EXPECT_EQ(messages->texts(), QStringList{"Fehler beim Ausdruck!"});
    EXPECT_TRUE(form.isEnabled());
    EXPECT_TRUE(printer->documents.empty());
    ASSERT_EQ(printer->killed.size(), 1u);
    EXPECT_FALSE(printer->documentOpen());
    EXPECT_EQ(printer->orientationValue, Orientation::Landscape);
    EXPECT_EQ(form.Neues->text(), QString::fromUtf8(kNextWord));
}

TEST_F(TypewriterPrintingTest, MissingTablePictureIsAPrintError)
{
    start(kAllWords);
    QFile::remove(programDir() + QStringLiteral("/Tabelle.gif"));
    printTable();
    EXPECT_EQ(messages->texts(), QStringList{"Fehler beim Ausdruck!"});
    EXPECT_TRUE(printer->documents.empty());
    EXPECT_EQ(printer->orientationValue, Orientation::Portrait);
}

TEST_F(TypewriterPrintingTest, LongerWordsToARealPdf)
{
    platform::QtPrinter& pdf = usePdfPrinter();
    start(kLongerWords);
    printAll();

    const QString file = pdf.lastPdfFile();
    ASSERT_FALSE(file.isEmpty());
    EXPECT_TRUE(file.startsWith(state.DataDir + QStringLiteral("/Ausdrucke/"))) << file.toStdString();
    ASSERT_EQ(pdf_reader::pageCount(file), 5);
    const auto words = pdf_reader::words(file);
    QSet<QString> printed;
    std::vector<int> perPage(5);
    for (const pdf_reader::Word& word : words) {
        printed.insert(word.text);
        ++perPage[std::size_t(word.page - 1)];
        EXPECT_NEAR(word.box.left(), 6.6, 0.15) << word.text.toStdString();
    }
    EXPECT_EQ(perPage, std::vector<int>({5, 5, 5, 5, 1}));
    const TypewriterWords table;
    for (int n = TypewriterWords::kShort + 1; n <= TypewriterWords::kAll; ++n)
        EXPECT_TRUE(printed.contains(table.word(n))) << table.word(n).toStdString();
    EXPECT_EQ(messages->shown.size(), 1u);
}

// No printer and the data folder's disk full: the PDF cannot be written, which is a print error,
// not a "saved" message with an empty file behind it.
TEST_F(TypewriterPrintingTest, APdfThatCannotBeWrittenIsAPrintError)
{
    testing_support::FullDisk disk(appDataDir());
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    usePdfPrinter();
    start(kShortWords);
    const QString prints = state.DataDir + QStringLiteral("/Ausdrucke");
    ASSERT_TRUE(QDir().mkpath(prints));
    disk.fill();
    printTable();
    EXPECT_EQ(messages->texts(), QStringList{"Fehler beim Ausdruck!"});
    EXPECT_EQ(QDir(prints).entryList(QDir::Files), QStringList());
    EXPECT_EQ(form.Neues->text(), QString::fromUtf8(kNextWord));
}

} // namespace
