// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/free_writing/free_writing_fixture.h"

#include "exercises/free_writing/TextPrint.h"

#include "tests/printing/pdf_reader.h"

#include "framework/Qualitaet.h"

#include "platform/qt_printer.h"
#include "platform/services.h"

#include <QDir>

using free_writing::TextPrint;

namespace {

using platform::Orientation;
using testing_support::FakePrinter;
using testing_support::PrintedItem;
using testing_support::whenShown;

const char* const kPrintError = "Fehler beim Ausdruck!";
// Words enough to fill a page and begin the next.
constexpr int kTwoPages = 300;

// A text of `words` ordinary words of different lengths.
QString sentence(int words)
{
    const QStringList pool{"Ich", "male", "heute", "einen", "großen", "Fisch", "am", "Meer", "und", "Mama",
                           "lacht", "laut"};
    QStringList text;
    for (int i = 0; i < words; ++i)
        text << pool[i % pool.size()];
    return text.join(' ');
}

class FreeWritingPrintTest : public FreeWritingTest {
protected:
    FreeWritingPrintTest()
    {
        writeBytes(printButtonFile(), " 1 \r\n");
        for (const char* table : {"Tabelle.gif", "Tabelle2.gif", "TabelleGr.gif", "Tabelle2Gr.gif"})
            copyFromSuite(QString::fromUtf8(table));
    }

    // Writes the text on the real keyboard and clicks "Drucken".
    void printText(const QString& text)
    {
        type(text);
        ASSERT_EQ(this->text(), text);
        click(form->Command1);
    }

    // The lines of the only document sent, each with its page (from 0).
    struct Line {
        std::size_t page;
        PrintedItem item;
    };
    std::vector<Line> printedLines() const
    {
        std::vector<Line> lines;
        EXPECT_EQ(printer->documents.size(), 1u);
        if (printer->documents.empty())
            return lines;
        const auto& pages = printer->documents.front().pages;
        for (std::size_t p = 0; p < pages.size(); ++p)
            for (const PrintedItem& item : pages[p])
                lines.push_back({p, item});
        return lines;
    }

    // Width of a line as the printer measures it in the print's font.
    static double widthOf(const QString& line)
    {
        FakePrinter measure;
        measure.setScaleMode(platform::ScaleMode::Centimetres);
        measure.setFontName("Arial");
        measure.setFontSize(22);
        measure.setFontBold(true);
        return measure.textWidth(line);
    }

    QStringList scratchFiles() const { return QDir(paths->temp).entryList(QDir::Files); }

    void printTables(const std::function<void(Qualitaet&)>& answer = {})
    {
        whenShown("Qualität", [answer](platform::Form& dialog) {
            auto& d = static_cast<Qualitaet&>(dialog);
            if (answer)
                answer(d);
            click(d.Command1);
        });
        form->Drucken1->trigger();
    }
};

TEST_F(FreeWritingPrintTest, ShortTextIsOneLineAtTwoAndThreeCentimetres)
{
    start();
    printText("Ich bin Max.");
    const auto lines = printedLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].item.text, "Ich bin Max.");
    EXPECT_DOUBLE_EQ(lines[0].item.x, 2);
    EXPECT_DOUBLE_EQ(lines[0].item.y, 3);
    EXPECT_EQ(lines[0].item.fontName, "Arial");
    EXPECT_EQ(lines[0].item.fontSize, 22);
    EXPECT_TRUE(lines[0].item.bold);
    const QStringList fonts{"setFontName MS Sans Serif", "setFontSize 12", "setFontBold 0",
                            "setFontName Arial", "setFontSize 22", "setFontBold 1"};
    const qsizetype first = printer->log.indexOf("setFontName MS Sans Serif");
    EXPECT_EQ(printer->log.mid(first, fonts.size()), fonts);
    EXPECT_TRUE(printer->log.contains("setScaleMode 7"));
    EXPECT_FALSE(platform::formLoaded("Qualität"));
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(scratchFiles(), QStringList{});
}

TEST_F(FreeWritingPrintTest, LongTextBreaksOnlyBetweenWordsInLinesUnderSixteenCentimetres)
{
    start();
    const QString text = sentence(40);
    printText(text);
    const auto lines = printedLines();
    ASSERT_GT(lines.size(), 3u);
    QString joined;
    double y = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const PrintedItem& line = lines[i].item;
        EXPECT_DOUBLE_EQ(line.x, 2);
        EXPECT_GT(line.y, y);
        y = line.y;
        EXPECT_LT(widthOf(line.text), 16) << line.text.toStdString();
        if (i + 1 < lines.size()) {
            EXPECT_TRUE(line.text.endsWith(' ')) << line.text.toStdString();
        }
        joined += line.text;
    }
    EXPECT_DOUBLE_EQ(lines.front().item.y, 3);
    EXPECT_EQ(joined, text);
    EXPECT_EQ(scratchFiles(), QStringList{});
}

TEST_F(FreeWritingPrintTest, WordWiderThanALineIsCutIntoPiecesOfFive)
{
    const QString giant = QString("Donau") + QString(40, 'W') + "ö";
    FakePrinter measure;
    measure.setScaleMode(platform::ScaleMode::Centimetres);
    measure.setFontSize(22);
    measure.setFontBold(true);
    // The giant keeps its blank in its last piece.
    const QStringList expected = QStringList{"Am ", "Donau"} + QStringList(8, "WWWWW") + QStringList{"ö ", "Meer"};
    EXPECT_EQ(TextPrint(measure).pieces("Am " + giant + " Meer"), expected);

    start();
    printText("Am " + giant + " Meer");
    QString joined;
    for (const auto& line : printedLines()) {
        EXPECT_LT(widthOf(line.item.text), 16) << line.item.text.toStdString();
        joined += line.item.text;
    }
    EXPECT_EQ(joined, "Am " + giant + " Meer");
}

TEST_F(FreeWritingPrintTest, TextLongerThanAPageGoesOnAtThreeCentimetresOfPageTwo)
{
    start();
    const QString text = sentence(kTwoPages);
    printText(text);
    const auto lines = printedLines();
    ASSERT_EQ(printer->documents.front().pages.size(), 2u);
    QString joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const PrintedItem& line = lines[i].item;
        joined += line.text;
        EXPECT_LE(line.y + printer->textHeight(line.text), 29.7 - 3) << line.text.toStdString();
        if (i > 0 && lines[i].page != lines[i - 1].page) {
            EXPECT_DOUBLE_EQ(line.y, 3);
        }
    }
    EXPECT_EQ(joined, text);
    EXPECT_EQ(printer->log.count("newPage"), 1);
}

TEST_F(FreeWritingPrintTest, EmptyTextPrintsNothing)
{
    start();
    click(form->Command1);
    EXPECT_TRUE(printer->log.isEmpty());
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(FreeWritingPrintTest, WrongPaperShowsTheMessageAndPrintsNothing)
{
    start();
    printer->paper = 1;
    printText("Hallo");
    printTables();
    EXPECT_EQ(messages->texts(),
              QStringList(2, "Fehler beim Ausdruck! Falsches Papier; Sie benötigen Din A4 - Papier!"));
    EXPECT_TRUE(printer->documents.empty());
    EXPECT_FALSE(printer->documentOpen());
}

TEST_F(FreeWritingPrintTest, FailedPrintShowsTheErrorAndLeavesNoScratchFile)
{
    start();
    printer->failing = QStringList{"print"};
    printText(sentence(40));
    EXPECT_EQ(messages->texts(), QStringList{kPrintError});
    EXPECT_TRUE(printer->documents.empty());
    EXPECT_FALSE(printer->documentOpen());
    EXPECT_EQ(scratchFiles(), QStringList{});
    EXPECT_EQ(text(), sentence(40));
}

TEST_F(FreeWritingPrintTest, TablesInLandscapeAtTheirPlaces)
{
    for (const bool capitals : {false, true}) {
        SCOPED_TRACE(capitals);
        options.Buchstaben = capitals ? -1 : 0;
        writeOptions(options);
        printer->documents.clear();
        start();
        bool choiceShown = true;
        printTables([&choiceShown](Qualitaet& d) { choiceShown = d.Frame3->isVisible(); });
        EXPECT_FALSE(choiceShown);
        ASSERT_EQ(printer->documents.size(), 1u);
        const auto& document = printer->documents.front();
        EXPECT_EQ(document.orientation, Orientation::Landscape);
        ASSERT_EQ(document.pages.size(), 1u);
        const auto& page = document.pages.front();
        ASSERT_EQ(page.size(), 2u);
        const QString suffix = capitals ? "Gr.gif" : ".gif";
        const QString names[] = {"Tabelle" + suffix, "Tabelle2" + suffix};
        const double places[][2] = {{1.2, 2.6}, {10.6, 14.2}};
        for (std::size_t i = 0; i < 2; ++i) {
            EXPECT_DOUBLE_EQ(page[i].x, places[i][0]);
            EXPECT_DOUBLE_EQ(page[i].y, places[i][1]);
            EXPECT_EQ(page[i].picture.convertToFormat(QImage::Format_RGB32),
                      QImage(programDir() + "/" + names[i]).convertToFormat(QImage::Format_RGB32))
                << names[i].toStdString();
        }
        EXPECT_EQ(printer->orientationValue, Orientation::Portrait);
        EXPECT_EQ(form->weiter->text(), "Löschen");
        EXPECT_TRUE(messages->shown.empty());
    }
}

TEST_F(FreeWritingPrintTest, TableErrorsCaptionTheNewTextButtonLoeschen)
{
    struct Case {
        std::function<void()> breakIt;
        QString message;
    };
    const Case cases[] = {
        {[this] { QFile::remove(programDir() + "/Tabelle2.gif"); }, kPrintError},
        {[this] { printer->orientationStuck = true; },
         "Fehler beim Ausdruck! Probleme beim Umstellen von Hoch- auf Querformat!"},
    };
    for (const Case& c : cases) {
        start();
        messages->shown.clear();
        c.breakIt();
        printTables();
        EXPECT_EQ(messages->texts(), QStringList{c.message});
        EXPECT_TRUE(printer->documents.empty());
        EXPECT_FALSE(printer->documentOpen());
        EXPECT_EQ(printer->orientationValue, Orientation::Portrait);
        EXPECT_EQ(form->weiter->text(), "Löschen");
    }
}

TEST_F(FreeWritingPrintTest, TwoPageTextToARealPdf)
{
    platform::QtPrinter& pdf = usePdfPrinter();
    start();
    const QString text = sentence(kTwoPages);
    printText(text);

    const QString file = pdf.lastPdfFile();
    ASSERT_FALSE(file.isEmpty());
    ASSERT_EQ(pdf_reader::pageCount(file), 2);
    QStringList words;
    for (const pdf_reader::Word& word : pdf_reader::words(file)) {
        words << word.text;
        // Every line stays between the left margin and 16 cm from it.
        EXPECT_GE(word.box.left(), 1.9) << word.text.toStdString();
        EXPECT_LE(word.box.right(), 18.1) << word.text.toStdString();
    }
    EXPECT_EQ(words, text.split(' '));
    const auto all = pdf_reader::words(file);
    EXPECT_NEAR(all.front().box.top(), 3, 0.4);
    const auto second = std::find_if(all.begin(), all.end(), [](const pdf_reader::Word& w) { return w.page == 2; });
    ASSERT_NE(second, all.end());
    EXPECT_NEAR(second->box.top(), 3, 0.4);
}

} // namespace
