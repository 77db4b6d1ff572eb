// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/word_puzzle/plattix_fixture.h"

#include "tests/printing/pdf_reader.h"

#include "platform/qt_printer.h"

#include <QSet>

using word_puzzle::Form1;
using word_puzzle::PuzzleWords;

namespace {

using PlattixPrintingTest = PlattixTest;

TEST_F(PlattixPrintingTest, EachLevelOnItsPagesWithTheWordInItsNormalCase)
{
    struct Case {
        Level level;
        bool capitals;
        std::size_t pages;
        std::size_t lastRows;
        int words;
    };
    for (const Case& c : {Case{Easy, false, 10, 4, 49}, Case{Harder, true, 7, 3, 33}}) {
        options.Buchstaben = c.capitals ? -1 : 0;
        writeOptions();
        printer->documents.clear();
        Form1& f = start("Q", c.level);
        print(true);
        ASSERT_EQ(printer->documents.size(), 1u);
        const auto& pages = printer->documents.front().pages;
        ASSERT_EQ(pages.size(), c.pages);
        EXPECT_EQ(pages.back().size(), 2 * c.lastRows);
        EXPECT_DOUBLE_EQ(pages.back().back().y, 2.2 + 5.0 * double(c.lastRows - 1));
        const QStringList words = printedWords();
        EXPECT_EQ(QSet<QString>(words.begin(), words.end()).size(), c.words);
        for (const QString& word : words)
            EXPECT_NE(word, word.toUpper()) << word.toStdString();
        EXPECT_EQ(f.PuzzleWord, words.last());
        EXPECT_EQ(f.Weiter->text(), ">>> Weiter >>>");
        EXPECT_TRUE(f.isEnabled());
    }
}

TEST_F(PlattixPrintingTest, HarderWordsToARealPdf)
{
    platform::QtPrinter& pdf = usePdfPrinter();
    start("Q", Harder);
    print(true);
    const QString file = pdf.lastPdfFile();
    ASSERT_FALSE(file.isEmpty());
    ASSERT_EQ(pdf_reader::pageCount(file), 7);
    const QSet<QString> printed = pdf_reader::wordTexts(file);
    const PuzzleWords words;
    for (int n = 50; n <= 82; ++n)
        EXPECT_TRUE(printed.contains(words.word(n))) << words.word(n).toStdString();
}

} // namespace
