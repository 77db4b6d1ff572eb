// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/TileBoard.h"

void TileBoard::start(const QStringList& pieces, const QStringList& captions, const QString& target,
                      bool stopWhenSolved)
{
    pieces_ = pieces;
    captions_ = captions;
    hidden_.assign(static_cast<std::size_t>(captions.size()), false);
    target_ = target;
    stopWhenSolved_ = stopWhenSolved;
    answer_.clear();
    answerBeforeWrong_.clear();
    wrongPick_ = false;
    number_ = 1;
    expected_ = pieces_.value(0);
}

TileBoard::Click TileBoard::click(int tile)
{
    if (wrongPick_ || tile < 0 || tile >= tileCount() || hidden(tile))
        return Click::Ignored;
    if (stopWhenSolved_ && answer_ == target_)
        return Click::Ignored;
    QString& caption = captions_[tile];
    if (caption == expected_) {
        caption.clear();
        ++number_;
        answer_ += expected_;
        expected_ = pieces_.value(number_ - 1);
        return answer_ == target_ ? Click::Solved : Click::Right;
    }
    if (caption.isEmpty())
        return Click::Ignored;
    hidden_[static_cast<std::size_t>(tile)] = true;
    answerBeforeWrong_ = answer_;
    answer_ += caption;
    wrongPick_ = true;
    return Click::Wrong;
}

bool TileBoard::undo()
{
    if (!wrongPick_)
        return false;
    hidden_.assign(hidden_.size(), false);
    answer_ = answerBeforeWrong_;
    answerBeforeWrong_.clear();
    wrongPick_ = false;
    return true;
}
