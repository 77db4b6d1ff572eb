// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// All 94 word cards of the typewriter printed to PDF, as on a machine without a printer.
#include "framework/WordCardPrinting.h"
#include "exercises/typewriter/TypewriterWords.h"

#include "platform/files.h"
#include "platform/qt_printer.h"
#include "platform/real_services.h"
#include "platform/services.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using typewriter::TypewriterWords;

namespace {

// The PDF's "where it lies" message would wait for a click.
class SilentMessages : public platform::MessageBoxes {
public:
    platform::MessageAnswer show(const QString&, platform::MessageButtons, platform::MessageIcon,
                                 const QString&) override
    {
        return platform::MessageAnswer::Ok;
    }
};

struct Card {
    QImage picture;
    QString word;
};

std::vector<Card> allCards()
{
    const TypewriterWords words;
    std::vector<Card> cards;
    for (int n = 1; n <= words.count(); ++n) {
        const QString file = platform::resolvePathNoCase(QStringLiteral(TAVORO_SUITE_DIR "/") +
                                                         words.word(n) + QStringLiteral(".bmp"));
        cards.push_back({QImage(file), words.word(n)});
    }
    return cards;
}

void WordCardsToPdf(benchmark::State& state)
{
    const std::vector<Card> cards = allCards();
    for (const Card& card : cards)
        if (card.picture.isNull()) {
            state.SkipWithError("word pictures missing: build suite_files first");
            return;
        }
    for (auto _ : state) {
        QTemporaryDir data;
        platform::QtPrinter printer(platform::services(), platform::QtPrinter::Output::Pdf);
        printer.setDataFolder(data.path());
        printer.setScaleMode(platform::ScaleMode::Centimetres);
        printer.setFontName(QStringLiteral("Arial"));
        printer.setFontSize(48);
        printer.setFontBold(true);
        WordCardPages pages(printer, static_cast<int>(cards.size()));
        for (const Card& card : cards)
            pages.printCard(card.picture, card.word);
        printer.endDoc();
    }
}
BENCHMARK(WordCardsToPdf)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    platform::services().clock = std::make_unique<platform::RealClock>();
    platform::services().messages = std::make_unique<SilentMessages>();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
