// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/GetOwnWords.h"
#include "framework/Zufall_Array.h"

#include <QString>
#include <QStringList>

#include <array>
#include <memory>

namespace word_reading {

// One set of the word reading exercise: ten words read in turn while their ten pictures stay on
// the board, where the words come from (built-in levels or the teacher's own pictures, page by
// page) and what a click on a picture does.
class ReadingSet {
public:
    static constexpr int kWords = 10;
    static constexpr int kEasyWords = 70;
    static constexpr int kAllWords = 100;
    enum class Level { All = 0, Easy = 1, Hard = 2, Own = 10 };

    enum class Answer { Ignored, Wrong, Right };
    struct Click {
        Answer answer = Answer::Ignored;
        // A right answer after a wrong one: the word counts as wrong at the first try.
        bool wrongFirst = false;
    };

    ReadingSet();
    ~ReadingSet();

    // Word n (1 to 100) of the built-in table.
    static QString builtInWord(int n);

    Level level() const { return level_; }
    // All, Easy or Hard: a new pass over that part of the table.
    void useBuiltInWords(Level level);
    // The pictures of `folder`; false, changing nothing, when it holds fewer than ten.
    bool useOwnPictures(const QString& folder);

    // Draws the next ten words (in capitals when asked; the picture files keep their names) and
    // starts at the first word; a pause under way goes on.
    void newSet(bool capitals);
    // Lays word order[k - 1] on picture k.
    void arrange(const std::array<int, kWords>& order) { placed_ = order; }

    // Word i and its picture file, i from 1 to 10, in reading order.
    QString word(int i) const { return words_.at(static_cast<std::size_t>(i - 1)); }
    QString picture(int i) const { return pictures_.at(static_cast<std::size_t>(i - 1)); }
    // The word and picture file on picture button k (1 to 10).
    QString tagAt(int k) const { return word(placed_.at(static_cast<std::size_t>(k - 1))); }
    QString pictureAt(int k) const { return picture(placed_.at(static_cast<std::size_t>(k - 1))); }

    // 1 to 10: the word being read; 11: the set is finished.
    int position() const { return position_; }
    bool finished() const { return position_ > kWords; }
    QString currentWord() const { return finished() ? QString() : word(position_); }

    // A click on the picture whose tag is `tag`; ignored during the pause after a click and
    // once the set is finished. Every other click starts the pause.
    Click click(const QString& tag);
    bool paused() const { return paused_; }
    void endPause() { paused_ = false; }

private:
    void drawWord(int i);

    Level level_ = Level::All;
    Zufall_Array drawer_;
    std::unique_ptr<GetOwnWords> ownPictures_;
    int pageOffset_ = 0;
    std::array<QString, kWords> words_;
    std::array<QString, kWords> pictures_;
    std::array<int, kWords> placed_{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    int position_ = kWords + 1;
    bool wordError_ = false;
    bool paused_ = false;
};

} // namespace word_reading
