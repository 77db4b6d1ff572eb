#pragma once

namespace free_writing {

class Form1;

// The "Drucken" button: the child's text, without a dialog.
void printText(Form1& form);
// Teacher menu: the two initial-sound tables on one landscape page.
void printSoundTables(Form1& form);

} // namespace free_writing
