// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/ExerciseState.h"

#include "platform/forms/form.h"
#include "platform/printer.h"

#include <QImage>
#include <QString>

#include <array>
#include <functional>

class QPushButton;

// Word cards, five to a portrait page: the picture at 2.2 cm from the left, the word beside it
// at 6.6 cm, both at the top of the card's row.
class WordCardPages {
public:
    static constexpr std::array<double, 5> kRows = {2.2, 7.2, 12.2, 17.2, 22.2};
    static constexpr double kPictureX = 2.2;
    static constexpr double kWordX = 6.6;
    // A single current word stands here.
    static constexpr double kSingleY = 4.0;

    WordCardPages(platform::Printer& printer, int count) : printer_(printer), count_(count) {}
    // Prints the next card; a full page is followed by a new one unless the card was the last.
    void printCard(const QImage& picture, const QString& word);
    static void printCardAt(platform::Printer& printer, const QImage& picture, const QString& word,
                            double y);

private:
    platform::Printer& printer_;
    int count_;
    int printed_ = 0;
};

// What a print command of an exercise window works with: the window (disabled while a whole
// set prints), the program state with the print choices, and the button whose caption shows
// "Drucken ..." while printing and `idleCaption` after any attempt past the paper check.
struct PrintFrame {
    platform::Form& window;
    ExerciseState& state;
    QPushButton* button;
    QString idleCaption;
};

// One print command: the print dialog for `wordsPerPage`, the A4 check, the printer settings
// and `orientation`, then `print`, then the old orientation back. Errors end in a message; an
// error midway leaves the window usable, drops the half-built document and puts the
// orientation back.
void runPrint(const PrintFrame& frame, int wordsPerPage, platform::Orientation orientation,
              const std::function<void(platform::Printer&)>& print);

// Where the word cards of an exercise come from.
struct WordCardSource {
    std::function<void()> restart;      // empties the used-word file and sizes the set
    std::function<void()> next;         // draws and shows the next word of the set
    std::function<QImage()> picture;    // the current word's picture
    std::function<QString()> word;      // the current word as printed
};

// The cards' part of a print command: Arial 48 bold, then the current word alone or, with
// "all words" chosen, the whole set in the order the pupil would get it.
void printWordCards(const PrintFrame& frame, platform::Printer& printer, const WordCardSource& source);
