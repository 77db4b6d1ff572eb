#pragma once

#include "platform/printer.h"

#include <QImage>
#include <QString>

#include <array>

class Form1;

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

// Teacher menu: the initial-sound table on one landscape page.
void printInitialSoundTable(Form1& form);
// Teacher menu: word cards of the current word or of every word of the level.
void printWordCards(Form1& form);
