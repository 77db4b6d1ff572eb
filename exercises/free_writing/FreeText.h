// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace free_writing {

// The child's free text: appended to key by key and erased a letter group at a time.
class FreeText {
public:
    explicit FreeText(bool capitalsOnly) : capitalsOnly_(capitalsOnly) {}

    const QString& text() const { return text_; }
    // Appends; with capitals only the whole text is in capitals afterwards.
    void append(const QString& piece);
    // Removes the last letter group ("Sch", "ch", "Au", "Ei", case as the mode writes them)
    // or else the last character.
    void erase();
    void clear() { text_.clear(); }

    // Characters of the real keyboard that the text takes (Windows code page numbers).
    static bool typeable(int keyAscii);

private:
    bool capitalsOnly_;
    QString text_;
};

} // namespace free_writing
