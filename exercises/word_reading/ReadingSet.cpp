// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/word_reading/ReadingSet.h"

#include "exercises/common/Capitals.h"
#include "exercises/common/WordTable.h"

namespace word_reading {

ReadingSet::ReadingSet() = default;
ReadingSet::~ReadingSet() = default;

QString ReadingSet::builtInWord(int n)
{
    static const QStringList words = readWordTable(QStringLiteral("lesolum"));
    return words.value(n - 1);
}

void ReadingSet::useBuiltInWords(Level level)
{
    level_ = level;
    const int size = level == Level::Easy ? kEasyWords : level == Level::Hard ? kAllWords - kEasyWords : kAllWords;
    drawer_.setAnzahl(size);
}

bool ReadingSet::useOwnPictures(const QString& folder)
{
    auto pictures = std::make_unique<GetOwnWords>();
    pictures->setPfad(folder);
    if (pictures->Anzahl() < kWords)
        return false;
    ownPictures_ = std::move(pictures);
    pageOffset_ = 0;
    level_ = Level::Own;
    return true;
}

void ReadingSet::newSet(bool capitals)
{
    if (level_ == Level::Own) {
        // Only full pages of ten: a set never shows a picture twice.
        pageOffset_ += kWords;
        if (ownPictures_->Anzahl() < pageOffset_) {
            ownPictures_->Reset();
            pageOffset_ = kWords;
        }
    }
    for (int i = 1; i <= kWords; ++i) {
        drawWord(i);
        if (capitals)
            words_[static_cast<std::size_t>(i - 1)] = toCapitals(word(i));
    }
    position_ = 1;
    wordError_ = false;
}

void ReadingSet::drawWord(int i)
{
    QString& word = words_[static_cast<std::size_t>(i - 1)];
    QString& picture = pictures_[static_cast<std::size_t>(i - 1)];
    if (level_ == Level::Own) {
        ownPictures_->Continue();
        word = ownPictures_->Wortname();
        picture = ownPictures_->Bildpfad();
        return;
    }
    const int n = drawer_.ZufallsZahl() + (level_ == Level::Hard ? kEasyWords : 0);
    word = builtInWord(n);
    picture = word + QStringLiteral(".bmp");
}

ReadingSet::Click ReadingSet::click(const QString& tag)
{
    if (paused_ || finished())
        return {};
    paused_ = true;
    if (tag != currentWord()) {
        wordError_ = true;
        return {Answer::Wrong, false};
    }
    const Click right{Answer::Right, wordError_};
    wordError_ = false;
    ++position_;
    return right;
}

} // namespace word_reading
