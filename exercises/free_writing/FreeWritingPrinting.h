// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace free_writing {

class Form1;

// The "Drucken" button: the child's text, without a dialog.
void printText(Form1& form);
// Teacher menu: the two initial-sound tables on one landscape page.
void printSoundTables(Form1& form);

} // namespace free_writing
