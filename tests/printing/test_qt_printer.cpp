// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/printing/pdf_reader.h"

#include "platform/printer_on_demand.h"
#include "platform/qt_printer.h"

#include "tests/support/fixture.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

namespace {

using platform::Orientation;
using platform::QtPrinter;
using platform::ScaleMode;

class QtPrinterTest : public testing_support::SuiteTest {
protected:
    QtPrinterTest()
    {
        pdf.setDataFolder(dataDir());
        pdf.setScaleMode(ScaleMode::Centimetres);
        pdf.setFontName(QStringLiteral("Arial"));
        pdf.setFontSize(48);
        pdf.setFontBold(true);
    }

    static QImage picture()
    {
        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(Qt::red);
        return image;
    }

    QString expectedFile() const
    {
        return dataDir() + QStringLiteral("/Ausdrucke/test_printing_2026-12-10_09-30-00.pdf");
    }

    QtPrinter pdf{platform::services(), QtPrinter::Output::Pdf};
};

TEST_F(QtPrinterTest, WithoutPrinterWritesAnA4PdfAndSaysWhere)
{
    EXPECT_EQ(pdf.paperSize(), platform::kPaperA4);
    pdf.paintPicture(picture(), 2.2, 2.2);
    pdf.setCurrentX(6.6);
    pdf.setCurrentY(2.2);
    pdf.print(QStringLiteral("Affe"));
    pdf.newPage();
    pdf.setCurrentX(6.6);
    pdf.setCurrentY(7.2);
    pdf.print(QStringLiteral("Zebra"));
    pdf.endDoc();

    ASSERT_EQ(pdf.lastPdfFile(), expectedFile());
    EXPECT_EQ(pdf_reader::pageCount(expectedFile()), 2);
    const QSizeF page = pdf_reader::pageSize(expectedFile());
    EXPECT_NEAR(page.width(), 21.0, 0.05);
    EXPECT_NEAR(page.height(), 29.7, 0.05);
    const auto words = pdf_reader::words(expectedFile());
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[0].text, QStringLiteral("Affe"));
    EXPECT_EQ(words[0].page, 1);
    EXPECT_NEAR(words[0].box.left(), 6.6, 0.15);
    EXPECT_NEAR(words[0].box.top(), 2.2, 0.3);
    EXPECT_EQ(words[1].text, QStringLiteral("Zebra"));
    EXPECT_EQ(words[1].page, 2);
    EXPECT_NEAR(words[1].box.top(), 7.2, 0.3);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_TRUE(messages->texts()[0].contains(expectedFile()));
    EXPECT_TRUE(messages->texts()[0].contains(QStringLiteral("PDF")));
}

TEST_F(QtPrinterTest, PrintMovesToTheLeftEdgeOfTheNextLine)
{
    pdf.setCurrentX(2);
    pdf.setCurrentY(3);
    const double lineHeight = pdf.textHeight(QStringLiteral("Hund"));
    pdf.print(QStringLiteral("Hund"));
    EXPECT_EQ(pdf.currentX(), 0);
    EXPECT_NEAR(pdf.currentY(), 3 + lineHeight, 1e-9);
    // 48 point letters stand a little under 2 cm tall with their line gap.
    EXPECT_GT(lineHeight, 1.5);
    EXPECT_LT(lineHeight, 2.2);
    pdf.killDoc();
}

TEST_F(QtPrinterTest, TextWidthFollowsFontAndScale)
{
    const double bold48 = pdf.textWidth(QStringLiteral("Schildkröte"));
    pdf.setFontBold(false);
    const double plain48 = pdf.textWidth(QStringLiteral("Schildkröte"));
    pdf.setFontSize(24);
    const double plain24 = pdf.textWidth(QStringLiteral("Schildkröte"));
    EXPECT_GT(bold48, plain48);
    EXPECT_NEAR(plain24 * 2, plain48, 0.1);
    pdf.setScaleMode(ScaleMode::Twips);
    EXPECT_NEAR(pdf.textWidth(QStringLiteral("Schildkröte")), plain24 * 1440 / 2.54, 1);
}

TEST_F(QtPrinterTest, LandscapePageAndPictureAtItsOwnSize)
{
    pdf.setOrientation(Orientation::Landscape);
    EXPECT_EQ(pdf.orientation(), Orientation::Landscape);
    QImage wide(960, 480, QImage::Format_RGB32);
    wide.fill(Qt::blue);
    QPainter(&wide).drawText(QRect(0, 0, 960, 480), Qt::AlignCenter, QStringLiteral("Tabelle"));
    pdf.paintPicture(wide, 1.5, 4.8);
    pdf.endDoc();
    const QSizeF page = pdf_reader::pageSize(expectedFile());
    EXPECT_NEAR(page.width(), 29.7, 0.05);
    EXPECT_NEAR(page.height(), 21.0, 0.05);
    EXPECT_EQ(pdf_reader::pageCount(expectedFile()), 1);
    EXPECT_EQ(pdf_reader::imagePpi(expectedFile()), std::vector<double>{96});
}

TEST_F(QtPrinterTest, NothingPrintedWritesNoFile)
{
    pdf.endDoc();
    EXPECT_FALSE(QFileInfo::exists(dataDir() + QStringLiteral("/Ausdrucke")) &&
                 !QDir(dataDir() + QStringLiteral("/Ausdrucke")).isEmpty(QDir::Files));
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(QtPrinterTest, KilledDocumentLeavesNoFile)
{
    pdf.print(QStringLiteral("Affe"));
    pdf.killDoc();
    pdf.endDoc();
    EXPECT_FALSE(QFileInfo::exists(expectedFile()));
    EXPECT_TRUE(pdf.lastPdfFile().isEmpty());
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(QtPrinterTest, SecondDocumentInTheSameSecondGetsItsOwnFile)
{
    pdf.print(QStringLiteral("Affe"));
    pdf.endDoc();
    pdf.print(QStringLiteral("Bär"));
    pdf.endDoc();
    EXPECT_EQ(pdf.lastPdfFile(),
              dataDir() + QStringLiteral("/Ausdrucke/test_printing_2026-12-10_09-30-00_2.pdf"));
    EXPECT_TRUE(pdf_reader::pageText(expectedFile(), 1).contains(QStringLiteral("Affe")));
    EXPECT_TRUE(pdf_reader::pageText(pdf.lastPdfFile(), 1).contains(QStringLiteral("Bär")));
}

TEST_F(QtPrinterTest, QualityCodesAndResolutions)
{
    EXPECT_EQ(QtPrinter::resolutionFor(platform::kQualityDraft), 150);
    EXPECT_EQ(QtPrinter::resolutionFor(platform::kQualityLow), 300);
    EXPECT_EQ(QtPrinter::resolutionFor(platform::kQualityMedium), 600);
    EXPECT_EQ(QtPrinter::resolutionFor(platform::kQualityHigh), 1200);
    EXPECT_EQ(QtPrinter::resolutionFor(360), 360);
    for (int refused : {0, -5})
        EXPECT_THROW(pdf.setPrintQuality(refused), platform::PrinterError) << refused;
    pdf.setPrintQuality(platform::kQualityDraft);
    pdf.setColorMode(platform::ColorMode::Monochrome);
    pdf.paintPicture(picture(), 2.2, 2.2);
    pdf.endDoc();
    EXPECT_EQ(pdf_reader::pageCount(expectedFile()), 1);
}

// The programs' printer opens the module from the program folder at the first print; the module
// reaches this program's clock and message boxes.
TEST_F(QtPrinterTest, ProgramsPrinterOpensTheModuleAtTheFirstPrint)
{
    const QByteArray noCups = QFile::encodeName(root.path() + QStringLiteral("/no-cups"));
    qputenv("CUPS_SERVER", noCups);
    paths->program = QStringLiteral(TAVORO_SUITE_DIR);
    platform::PrinterOnDemand printer;
    printer.setDataFolder(dataDir());
    printer.print(QStringLiteral("Affe"));
    printer.endDoc();
    qunsetenv("CUPS_SERVER");

    EXPECT_EQ(pdf_reader::words(expectedFile()).size(), 1u);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_TRUE(messages->texts()[0].contains(expectedFile()));
}

TEST_F(QtPrinterTest, ProgramsPrinterWithoutTheModuleFailsAsAPrinter)
{
    platform::PrinterOnDemand printer;
    EXPECT_THROW(printer.print(QStringLiteral("Affe")), platform::PrinterError);
}

} // namespace
