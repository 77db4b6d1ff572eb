// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace typewriter {

// Writing one word tile by tile on the initial-sound keyboard.
class TypingState {
public:
    enum class Press { Ignored, Wrong, Right, Solved };
    enum class Help { Ignored, Written, Completed };

    // A new word (eight tiles, empty after its end); upper case in capitals mode.
    void startWord(const QStringList& tiles, bool capitals);
    // The same word again from its first tile.
    void restart();

    // A key with its two texts: the first-tile form and the later form.
    Press press(const QString& first, const QString& later, bool capitals);
    // Removes a pending wrong key; false when none is pending.
    bool erase();
    // Writes the expected tile for the child; `Schwer` 2 (no help) does nothing.
    Help help(int schwer);

    bool complete() const { return Schrift == Wortname; }

    QStringList tiles;          // Buchstabe1 .. Buchstabe8
    QString Wortname;
    QString Schrift;            // what the child has written so far
    int AktNummer = 1;
    QString Aktuell;
    QString TransferCode;
    QString LastPressed;
    bool fehler = false; // a wrong key waits to be erased
    int Tipp = 0;

private:
    void advance();
};

} // namespace typewriter
