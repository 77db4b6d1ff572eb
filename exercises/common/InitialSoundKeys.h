// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QToolButton;
namespace platform {
class Form;
}

// The keys of the initial-sound keyboards (typewriter and free writing): a picture button
// showing a word that begins with the sound, captioned with the sound's letters.
namespace initial_sound_keys {

// The design's key pictures of one keyboard, shared by its keys.
class DesignKeyPictures;
std::shared_ptr<DesignKeyPictures> designKeyPictures();

// Adds key `index` ("Worttaste(index)") to the form. `sound` is its tag and names its picture
// "keys/<sound>.bmp" in the program folder, in any letter case, taken from `pictures` when it is
// first drawn; a key without a sound has no picture.
QToolButton* addKey(platform::Form& form, int index, const QRect& twips, const QString& caption,
                    const QString& sound, const std::shared_ptr<DesignKeyPictures>& pictures,
                    std::function<void()> onClick);

// Adds a key for each entry of `table` (with `caption` and `tag`), placed at `place(entry)`;
// a click runs `onClick(index)`.
template <class Table, class Place>
std::vector<QToolButton*> addKeys(platform::Form& form, const Table& table, Place place,
                                  const std::function<void(int)>& onClick)
{
    std::vector<QToolButton*> keys;
    const std::shared_ptr<DesignKeyPictures> pictures = designKeyPictures();
    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
        const auto& entry = table[static_cast<std::size_t>(i)];
        keys.push_back(addKey(form, i, place(entry), QString::fromUtf8(entry.caption),
                              QString::fromUtf8(entry.tag), pictures, [onClick, i] { onClick(i); }));
    }
    return keys;
}

// The teacher's own key pictures "Anlaut/<program>/<tag>.bmp" in the program folder: a key
// without its file is hidden; a file that cannot be loaded shows `loadError` and the key keeps
// its picture. Returns per key whether it has an own picture file.
std::vector<bool> loadOwnPictures(const std::vector<QToolButton*>& keys, const QString& program,
                                  const QString& loadError);

} // namespace initial_sound_keys
