#pragma once

#include "Form1.h"

#include "fixture.h"

#include "SuiteOptions.h"

#include <QTest>

#include <memory>
#include <ostream>
#include <set>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// The syllable riddle started the way a pupil meets it, with the words of its turns scripted.
class RiddleFormTest : public testing_support::SuiteTest {
protected:
    RiddleFormTest();
    ~RiddleFormTest() override;

    void writeOptions(const SuiteOptions& o) const;
    // Logging under names on, and a log folder for the pupil's file.
    QString logFolder();
    Form1& start(const QString& arguments);
    void stop();

    // The next draws of the word drawer give these table words (1..58), in this order; the
    // script counts from the start of the drawer's cycle (the program's start).
    void scriptWords(const std::vector<int>& words);
    // A level menu starts the drawer's cycle afresh.
    void newCycle() { drawn_.clear(); }
    static int wordNumber(const QString& word);

    void click(QAbstractButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }
    // The first-syllable button of `word`, the free second-syllable button that completes it,
    // and the picture of a word.
    QPushButton* firstOf(const QString& word) const;
    QPushButton* secondNamed(const QString& caption) const;
    QPushButton* pictureOf(const QString& word) const;
    QPushButton* otherPicture(const QString& word) const;
    // Clicks the word's parts (the first syllable unless one is chosen) and waits out the pause.
    void join(const QString& word);
    QStringList logLines(const QString& folder) const;

    SuiteOptions options;
    ExerciseState state;
    std::unique_ptr<Form1> form;

private:
    std::set<int> drawn_;
};
