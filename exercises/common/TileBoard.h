// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The tiles of a puzzle word and the answer line the child builds by clicking them in order.
// A right tile empties and its piece joins the answer line; a wrong tile is hidden, its piece
// shown on the answer line, and every tile is blocked until the wrong piece is taken back.
class TileBoard {
public:
    enum class Click { Ignored, Right, Solved, Wrong };

    // `pieces` in the order the word is built, `captions` what each tile shows, `target` the
    // answer line of the complete word. With `stopWhenSolved` a complete word takes no clicks.
    void start(const QStringList& pieces, const QStringList& captions, const QString& target,
               bool stopWhenSolved);
    // A click on tile `tile` (0-based).
    Click click(int tile);
    // Takes a wrong piece back: every tile visible again, the answer line as it was. False
    // when no wrong piece lies on the answer line.
    bool undo();

    int tileCount() const { return static_cast<int>(captions_.size()); }
    QString caption(int tile) const { return captions_.value(tile); }
    bool hidden(int tile) const { return hidden_.at(static_cast<std::size_t>(tile)); }
    const QString& answer() const { return answer_; }
    const QString& target() const { return target_; }
    // The piece expected next and its number (1 at the start); empty after the last piece.
    const QString& expected() const { return expected_; }
    int expectedNumber() const { return number_; }
    bool wrongPick() const { return wrongPick_; }
    // The answer line as it was before the wrong piece; empty when no undo is pending.
    const QString& answerBeforeWrong() const { return answerBeforeWrong_; }

private:
    QStringList pieces_;
    QStringList captions_;
    std::vector<bool> hidden_;
    QString target_;
    QString answer_;
    QString expected_;
    QString answerBeforeWrong_;
    int number_ = 1;
    bool wrongPick_ = false;
    bool stopWhenSolved_ = false;
};
