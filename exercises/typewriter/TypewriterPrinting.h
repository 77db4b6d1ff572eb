// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace typewriter {

class Form1;

// Teacher menu: the initial-sound table on one landscape page.
void printInitialSoundTable(Form1& form);
// Teacher menu: word cards of the current word or of every word of the level.
void printWordCards(Form1& form);

} // namespace typewriter
