// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/word_building/SlotTask.h"

#include "framework/GetOwnWords.h"
#include "exercises/backdrop/ZuZahl.h"

#include "platform/services.h"

#include <algorithm>
#include <cmath>

namespace word_building {

void SlotTask::start(const QStringList& tiles)
{
    Tiles = tiles.mid(0, slots_);
    while (Tiles.size() < slots_)
        Tiles.append(QString());
    Wortname = Tiles.join(QString());
    AktNummer = 1;
    Aktuell = Tiles.first();
}

SlotTask::Click SlotTask::reveal(int index)
{
    if (Aktuell.isEmpty() || AktNummer > slots_ || index != AktNummer)
        return Click::Ignored;
    ++AktNummer;
    Aktuell = tile(AktNummer);
    return Aktuell.isEmpty() ? Click::Completed : Click::Revealed;
}

std::vector<int> slotLefts(int firstLeft, const std::vector<int>& widths)
{
    constexpr int kOverlap = 15;
    std::vector<int> lefts;
    int left = firstLeft;
    for (const int width : widths) {
        lefts.push_back(left);
        left += width - kOverlap;
    }
    return lefts;
}

int randomPlace(int count)
{
    return static_cast<int>(std::floor(platform::services().clock->random() * count));
}

std::array<int, 3> chooseGroupPictures(const std::vector<int>& group, int own, ZuZahl& reihe)
{
    reihe.ZufallsZahl(static_cast<int>(group.size()));
    std::array<int, 3> numbers{};
    for (int k = 0; k < 3; ++k)
        numbers[static_cast<std::size_t>(k)] = group.at(static_cast<std::size_t>(reihe.Zahl(k + 1) - 1));
    if (std::find(numbers.begin(), numbers.end(), own) == numbers.end())
        numbers[static_cast<std::size_t>(std::clamp(randomPlace(3), 0, 2))] = own;
    return numbers;
}

OwnPictureChoice chooseOwnPictures(const GetOwnWords& source, GetOwnWords& distractors,
                                   const QString& ownTag)
{
    OwnPictureChoice choice;
    const auto own = static_cast<std::size_t>(std::clamp(randomPlace(3), 0, 2));
    for (std::size_t k = 0; k < 3; ++k) {
        if (k == own) {
            choice.paths[k] = source.Bildpfad();
            choice.tags[k] = ownTag;
            continue;
        }
        do
            distractors.Continue();
        while (distractors.Bildpfad() == source.Bildpfad());
        choice.paths[k] = distractors.Bildpfad();
        choice.tags[k] = QStringLiteral("-");
    }
    return choice;
}

} // namespace word_building
