// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/syllable_riddle/Form1.h"

#include "tests/support/exercise_test.h"

#include <QTest>

#include <set>

// The syllable riddle started the way a pupil meets it, with the words of its turns scripted.
class RiddleFormTest : public testing_support::ExerciseTest<syllable_riddle::Form1> {
protected:
    // Logging under names on, and a log folder for the pupil's file.
    QString logFolder();

    // The next draws of the word drawer give these table words (1..58), in this order; the
    // script counts from the start of the drawer's cycle (the program's start).
    void scriptWords(const std::vector<int>& words);
    // A level menu starts the drawer's cycle afresh.
    void newCycle() { drawn_.clear(); }
    static int wordNumber(const QString& word);

    void click(QAbstractButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }
    // The first-syllable button of a word, an offered second-syllable button with this caption,
    // the picture of a word and a picture of another word.
    QPushButton* firstOf(const QString& word) const { return tagged(form->Silbe1, word); }
    QPushButton* secondNamed(const QString& caption) const;
    QPushButton* pictureOf(const QString& word) const { return tagged(form->Bild, word); }
    QPushButton* otherPicture(const QString& word) const;
    // Clicks the word's parts (the first syllable unless one is chosen) and waits out the pause.
    void join(const QString& word);
    QStringList logLines(const QString& folder) const;

private:
    static QPushButton* tagged(const std::vector<QPushButton*>& column, const QString& word);

    std::set<int> drawn_;
};
