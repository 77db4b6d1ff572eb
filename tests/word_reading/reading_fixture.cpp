// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/word_reading/reading_fixture.h"

using word_reading::Form1;
using word_reading::ReadingSet;

Form1& ReadingTest::start(const QString& arguments, Level level)
{
    testing_support::answerLevelDialog<SStufe>("SStufe", {level}, onLevelDialog);
    return ExerciseTest::start(arguments);
}

std::vector<double> ReadingTest::draws(const std::vector<int>& numbers, int pool,
                                       const std::vector<int>& alreadyTaken)
{
    std::vector<bool> taken(static_cast<std::size_t>(pool + 1), false);
    for (const int n : alreadyTaken)
        taken[static_cast<std::size_t>(n)] = true;
    std::vector<double> result;
    int remaining = pool - static_cast<int>(alreadyTaken.size());
    for (const int n : numbers) {
        int free = 0;
        for (int i = 1; i <= n; ++i)
            free += taken[static_cast<std::size_t>(i)] ? 0 : 1;
        taken[static_cast<std::size_t>(n)] = true;
        result.push_back((free - 0.5) / remaining);
        --remaining;
    }
    return result;
}

void ReadingTest::scriptSet(const std::vector<int>& words, int pool, const std::vector<int>& order,
                            const std::vector<int>& taken) const
{
    for (const double r : draws(words, pool, taken))
        clock->randoms.push_back(r);
    for (const double r : draws(order, ReadingSet::kWords))
        clock->randoms.push_back(r);
}

Form1& ReadingTest::startForAnna()
{
    options.ProtSave = 1;
    writeOptions(options);
    return start(QString("Q /p=\"%1\" /n=\"Anna\"").arg(appDataDir()));
}

QStringList ReadingTest::tags() const
{
    QStringList result;
    for (int k = 1; k <= ReadingSet::kWords; ++k)
        result << platform::tag(picture(k));
    return result;
}

QPushButton* ReadingTest::pictureOf(const QString& word) const
{
    const qsizetype at = tags().indexOf(word);
    return at < 0 ? nullptr : picture(static_cast<int>(at) + 1);
}

QPushButton* ReadingTest::otherThan(const QString& word) const
{
    return picture(tags().indexOf(word) == 0 ? 2 : 1);
}

void ReadingTest::readWord() const
{
    QPushButton* right = pictureOf(form->Anzeige->text());
    if (!right) {
        ADD_FAILURE() << "no picture for " << form->Anzeige->text().toStdString();
        return;
    }
    click(right);
    clock->advance(3000);
}

void ReadingTest::writePictures(const QStringList& names) const
{
    for (const QString& name : names)
        writePicture(programDir() + "/EigeneBilder/Lesolum/" + name + ".bmp");
}
