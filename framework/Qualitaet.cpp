// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Qualitaet.h"

#include "platform/services.h"

#include <cmath>

namespace {

constexpr int kClientWidth = 5010;
constexpr int kClientHeight = 4080;

// Clears a group of option buttons; Qt keeps one checked while they are exclusive.
void clearOptions(std::initializer_list<QRadioButton*> options)
{
    for (QRadioButton* option : options) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

} // namespace

platform::Printer& exercisePrinter(const ExerciseState& state)
{
    platform::Printer& printer = *platform::services().printer;
    printer.setDataFolder(state.DataDir);
    return printer;
}

int printPageCount(int wordCount, int wordsPerPage)
{
    return static_cast<int>(std::floor(double(wordCount) / wordsPerPage + 0.999));
}

Qualitaet::Qualitaet(ExerciseState& state, QWidget* parent)
    : Form(QStringLiteral("Qualität"), parent), state_(state)
{
    setCaption(QStringLiteral("Drucken"));
    setClientSizeTwips(kClientWidth, kClientHeight);

    Frame1 = addFrame(QStringLiteral("Frame1"), {240, 240, 2055, 2055}, QStringLiteral("Druckqualität:"));
    Option2 = addOptionButton(QStringLiteral("Option2"), {240, 360, 1695, 375},
                              QStringLiteral("Entwurfsqualität"), [this] { Option2_Click(); }, Frame1);
    Option1 = addOptionButton(QStringLiteral("Option1"), {240, 720, 1695, 375},
                              QStringLiteral("Niedrig"), [this] { Option1_Click(); }, Frame1);
    Option3 = addOptionButton(QStringLiteral("Option3"), {240, 1080, 1695, 375},
                              QStringLiteral("Mittel"), [this] { Option3_Click(); }, Frame1);
    Option4 = addOptionButton(QStringLiteral("Option4"), {240, 1440, 1695, 375},
                              QStringLiteral("Hoch"), [this] { Option4_Click(); }, Frame1);

    Frame2 = addFrame(QStringLiteral("Frame2"), {2640, 240, 2055, 2055}, QStringLiteral("Farbe?"));
    Option5 = addOptionButton(QStringLiteral("Option5"), {240, 360, 1215, 375},
                              QStringLiteral("Farbe"), [this] { Option5_Click(); }, Frame2);
    Option6 = addOptionButton(QStringLiteral("Option6"), {240, 720, 1575, 375},
                              QStringLiteral("Schwarz/Weiß"), [this] { Option6_Click(); }, Frame2);
    Label1 = addLabel(QStringLiteral("Label1"), {240, 1320, 1695, 495},
                      QStringLiteral("Einstellung wird von s/w-Druckern ignoriert."), Frame2);
    Label1->setWordWrap(true);

    Frame3 = addFrame(QStringLiteral("Frame3"), {240, 2400, 4455, 855}, {});
    aktuelle = addOptionButton(QStringLiteral("aktuelle"), {240, 240, 1455, 495},
                               QStringLiteral("Aktuelles Wort"), [this] { aktuelle_Click(); }, Frame3);
    alle = addOptionButton(QStringLiteral("alle"), {2400, 240, 1935, 495},
                           QStringLiteral("Alle Wörter ( 22 Wörter, 8 Seiten )"),
                           [this] { alle_Click(); }, Frame3);

    Command1 = addButton(QStringLiteral("Command1"), {360, 3480, 1935, 375}, QStringLiteral("OK"),
                         [this] { Command1_Click(); });
    Command2 = addButton(QStringLiteral("Command2"), {2640, 3480, 1935, 375},
                         QStringLiteral("Abbrechen"), [this] { Command2_Click(); });
}

void Qualitaet::selectQuality(int quality)
{
    clearOptions({Option1, Option2, Option3, Option4});
    switch (quality) {
    case platform::kQualityDraft: Option2->setChecked(true); break;
    case platform::kQualityLow: Option1->setChecked(true); break;
    case platform::kQualityMedium: Option3->setChecked(true); break;
    case platform::kQualityHigh: Option4->setChecked(true); break;
    default: break;   // a resolution in dots per inch has no option
    }
}

void Qualitaet::Form_Load()
{
    centerOnScreen();
    setTopmost(state_.options.exerciseOnTop(state_.launcherStarted()));
    // Cleared here, so closing by the close box counts as "Abbrechen" after an earlier "OK".
    state_.PrintOK = false;
    const platform::Printer& printer = exercisePrinter(state_);
    state_.PrintQuality = printer.printQuality();
    selectQuality(state_.PrintQuality);
    state_.ColorMode = static_cast<int>(printer.colorMode());
    (state_.ColorMode == static_cast<int>(platform::ColorMode::Color) ? Option5 : Option6)
        ->setChecked(true);
    aktuelle->setChecked(true);
    state_.PrintAll = false;
    // A count of 0 or below prints one item: no page count to divide by.
    const bool choice = state_.WordsPerPage > 0;
    if (choice)
        alle->setText(QStringLiteral("Alle Wörter ( %1 Wörter, %2 Seiten )")
                          .arg(state_.WordCount)
                          .arg(printPageCount(state_.WordCount, state_.WordsPerPage)));
    Frame3->setVisible(choice);
}

void Qualitaet::Option2_Click()
{
    state_.PrintQuality = platform::kQualityDraft;
}

void Qualitaet::Option1_Click()
{
    state_.PrintQuality = platform::kQualityLow;
}

void Qualitaet::Option3_Click()
{
    state_.PrintQuality = platform::kQualityMedium;
}

void Qualitaet::Option4_Click()
{
    state_.PrintQuality = platform::kQualityHigh;
}

void Qualitaet::Option5_Click()
{
    state_.ColorMode = static_cast<int>(platform::ColorMode::Color);
}

void Qualitaet::Option6_Click()
{
    state_.ColorMode = static_cast<int>(platform::ColorMode::Monochrome);
}

void Qualitaet::aktuelle_Click()
{
    state_.PrintAll = false;
}

void Qualitaet::alle_Click()
{
    state_.PrintAll = true;
}

void Qualitaet::Command1_Click()
{
    platform::Printer& printer = exercisePrinter(state_);
    try {
        printer.setPrintQuality(state_.PrintQuality);
        printer.setColorMode(static_cast<platform::ColorMode>(state_.ColorMode));
    } catch (const platform::PrinterError&) {
        platform::msgBox(QStringLiteral("Fehler! Andere Qualität auswählen!"));
        return;
    }
    state_.PrintOK = true;
    unload();
}

void Qualitaet::Command2_Click()
{
    state_.PrintOK = false;
    unload();
}
