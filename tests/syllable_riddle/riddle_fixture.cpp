// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/syllable_riddle/riddle_fixture.h"

#include "platform/files.h"

#include <QDir>

using syllable_riddle::SyllableRiddle;

QString RiddleFormTest::logFolder()
{
    options.ProtSave = 1;
    writeOptions(options);
    const QString logs = appDataDir() + "/logs";
    QDir().mkpath(logs);
    return logs;
}

void RiddleFormTest::scriptWords(const std::vector<int>& words)
{
    for (const int n : words) {
        const auto before = static_cast<int>(std::distance(drawn_.begin(), drawn_.lower_bound(n)));
        const int free = SyllableRiddle::kTableWords - static_cast<int>(drawn_.size());
        clock->randoms.push_back((n - before - 0.5) / free);
        drawn_.insert(n);
    }
}

int RiddleFormTest::wordNumber(const QString& word)
{
    const auto& table = SyllableRiddle::table();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].joined() == word)
            return static_cast<int>(i) + 1;
    return 0;
}

QPushButton* RiddleFormTest::tagged(const std::vector<QPushButton*>& column, const QString& word)
{
    for (QPushButton* button : column)
        if (platform::tag(button) == word)
            return button;
    return nullptr;
}

QPushButton* RiddleFormTest::secondNamed(const QString& caption) const
{
    for (QPushButton* button : form->Silbe2)
        if (button->text() == caption && button->isEnabled())
            return button;
    return nullptr;
}

QPushButton* RiddleFormTest::otherPicture(const QString& word) const
{
    for (QPushButton* button : form->Bild)
        if (platform::tag(button) != word)
            return button;
    return nullptr;
}

void RiddleFormTest::join(const QString& word)
{
    const auto& table = SyllableRiddle::table();
    const SyllableRiddle::Word& parts = table[static_cast<std::size_t>(wordNumber(word) - 1)];
    if (form->riddle.chosenFirst.isEmpty()) {
        ASSERT_NE(firstOf(word), nullptr) << word.toStdString();
        click(firstOf(word));
    }
    ASSERT_NE(secondNamed(parts.second), nullptr) << word.toStdString();
    click(secondNamed(parts.second));
    ASSERT_NE(pictureOf(word), nullptr) << word.toStdString();
    click(pictureOf(word));
    clock->advance(3000);
}

QStringList RiddleFormTest::logLines(const QString& folder) const
{
    return platform::readTextFile(folder + "/Protokoll_2/Anna.txt").lines;
}
