// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class GetOwnWords;
class ZuZahl;

namespace word_building {

// One word-building task: the word's tiles behind a row of slots, opened from left to right.
class SlotTask {
public:
    explicit SlotTask(int count) : slots_(count) {}

    enum class Click { Ignored, Revealed, Completed };

    // A new word: its tiles fill the slots from the first; the word is the tiles joined.
    void start(const QStringList& tiles);
    // A click on slot `index` (from 1): only the next slot opens.
    Click reveal(int index);

    int slotCount() const { return slots_; }
    QString tile(int index) const { return Tiles.value(index - 1); }

    QStringList Tiles;      // one per slot, "" beyond the word
    int AktNummer = 1;      // the slot that opens next
    QString Aktuell;        // its tile; "" once the word is complete
    QString Wortname;       // the tiles joined

private:
    int slots_;
};

// Left edges of a row of slots: each overlaps its left neighbour by 15 twips.
std::vector<int> slotLefts(int firstLeft, const std::vector<int>& widths);

// The word numbers of the three pictures: three members of the word's initial-sound group in
// the order of a permutation, the word's own number put at a random place when the draw missed it.
std::array<int, 3> chooseGroupPictures(const std::vector<int>& group, int own, ZuZahl& reihe);

// The three pictures of an own-pictures task: the word's own picture at a random place, the other
// two from the second source, never the word's own file.
struct OwnPictureChoice {
    std::array<QString, 3> paths;
    std::array<QString, 3> tags;
};
OwnPictureChoice chooseOwnPictures(const GetOwnWords& source, GetOwnWords& distractors,
                                   const QString& ownTag);

// A random place 0..count-1 from the clock service's generator.
int randomPlace(int count);

} // namespace word_building
