// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/syllable_riddle/Form1.h"


#include "platform/forms/timer.h"
#include "platform/forms/twips.h"

namespace syllable_riddle {

namespace {

constexpr int kTops[] = {120, 1650, 3180, 4710};
constexpr int kButtonHeight = 1530;
constexpr int kPictureWidth = 1800;
constexpr int kPauseMs = 3000;

const ExerciseConfig kConfig{.program = QStringLiteral("rateflor"),
                             .appTitle = QStringLiteral("QL Rateflor"),
                             .logTitle = QStringLiteral("Rateflor"),
                             .helpMapId = 7,
                             .backdropController = true};

void showButton(QPushButton* widget, const SyllableRiddle::Button& button)
{
    widget->setText(button.caption);
    widget->setEnabled(button.enabled);
}

void restart(platform::Timer* timer)
{
    timer->setEnabled(false);
    timer->setEnabled(true);
}

} // namespace

Form1::Form1(ExerciseState& s)
    : ExerciseForm(s, kConfig), riddle(s, [this]() -> ProtokollClass& { return Proto(); })
{
    setCaption(QStringLiteral("QL Rateflor ;   <F6> für Lehrermenü"));
    setClientSizeTwips(9375, 6330);
    addControls();
    addMenus();
}

Form1::~Form1() = default;

std::vector<QPushButton*> Form1::addColumn(const QString& name, int left, int width,
                                           void (Form1::*onClick)(int))
{
    std::vector<QPushButton*> column;
    column.reserve(SyllableRiddle::kPositions);
    for (int i = 0; i < SyllableRiddle::kPositions; ++i) {
        column.push_back(addButton(QStringLiteral("%1(%2)").arg(name).arg(i + 1),
                                   {left, kTops[i], width, kButtonHeight}, QString(),
                                   [this, onClick, i] { (this->*onClick)(i); }));
    }
    return column;
}

void Form1::addControls()
{
    Silbe1 = addColumn(QStringLiteral("Silbe1"), 240, 2100, &Form1::Silbe1_Click);
    Silbe2 = addColumn(QStringLiteral("Silbe2"), 2760, 2100, &Form1::Silbe2_Click);
    Bild = addColumn(QStringLiteral("Bild"), 5520, kPictureWidth, &Form1::Bild_Click);
    for (int i = 0; i < SyllableRiddle::kPositions; ++i) {
        platform::setControlFont(Silbe1[i], QStringLiteral("Arial"), 27.75, true);
        platform::setControlFont(Silbe2[i], QStringLiteral("Arial"), 27.75, true);
        Bild[i]->setIconSize(QSize(platform::twipsToPixels(kPictureWidth) - 12,
                                   platform::twipsToPixels(kButtonHeight) - 12));
    }
    addMarks({7440, 1200, 1710, 1710});
    addEndButton({7560, 5280, 1575, 735});
    Zeit = addTimer(QStringLiteral("Zeit"), kPauseMs, [this] { Zeit_Timer(); });
    for (int i = 0; i < 2; ++i)
        ZeitFalsch.push_back(addTimer(QStringLiteral("ZeitFalsch(%1)").arg(i + 1), kPauseMs,
                                      [this, i] { ZeitFalsch_Timer(i); }));
}

void Form1::addMenus()
{
    addTeacherSeparator();
    addLevelItems([this] { WLeicht_Click(); }, [this] { WSchwer_Click(); }, [this] { WAlle_Click(); });
    WAlle->setChecked(true);
    WFehler->setText(QStringLiteral("Weiter"));
}

void Form1::startExercise()
{
    WAlle_Click();
}

void Form1::chooseLevel(QAction* item, SyllableRiddle::Level level)
{
    checkLevel(item);
    stopTimers();
    riddle.setLevel(level);
    showTurn();
}

void Form1::WAlle_Click()
{
    chooseLevel(WAlle, SyllableRiddle::Level::All);
}

void Form1::WLeicht_Click()
{
    chooseLevel(WLeicht, SyllableRiddle::Level::Easy);
}

void Form1::WSchwer_Click()
{
    chooseLevel(WSchwer, SyllableRiddle::Level::Hard);
}

void Form1::WFehler_Click()
{
    Weiter();
}

// A new turn also ends the pause and the wrong marks of the old one, whose timers would
// otherwise act on the new turn.
void Form1::Weiter()
{
    stopTimers();
    riddle.Weiter();
    showTurn();
}

void Form1::stopTimers()
{
    Zeit->setEnabled(false);
    for (platform::Timer* timer : ZeitFalsch)
        timer->setEnabled(false);
}

// A picture that is missing or cannot be read leaves its button empty; it still takes clicks.
void Form1::showTurn()
{
    for (int i = 0; i < SyllableRiddle::kPositions; ++i) {
        const QString word = riddle.Bild[i].tag;
        platform::setTag(Bild[i], word);
        Bild[i]->setIcon(QIcon(platform::loadPicture(word + QStringLiteral(".bmp"))));
    }
    showBoard();
}

void Form1::showBoard()
{
    for (int i = 0; i < SyllableRiddle::kPositions; ++i) {
        showButton(Silbe1[i], riddle.Silbe1[i]);
        platform::setTag(Silbe1[i], riddle.Silbe1[i].tag);
        showButton(Silbe2[i], riddle.Silbe2[i]);
        Bild[i]->setEnabled(riddle.Bild[i].enabled);
    }
    showMark(riddle.mark);
}

void Form1::Silbe1_Click(int index)
{
    if (riddle.Silbe1_Click(index))
        showBoard();
}

void Form1::Silbe2_Click(int index)
{
    const SyllableRiddle::Click result = riddle.Silbe2_Click(index);
    if (result == SyllableRiddle::Click::Ignored)
        return;
    if (result == SyllableRiddle::Click::Wrong)
        restart(ZeitFalsch[0]);
    else
        ZeitFalsch[0]->setEnabled(false);
    showBoard();
}

void Form1::Bild_Click(int index)
{
    const SyllableRiddle::Click result = riddle.Bild_Click(index);
    if (result == SyllableRiddle::Click::Ignored)
        return;
    if (result == SyllableRiddle::Click::Wrong) {
        restart(ZeitFalsch[1]);
    } else {
        ZeitFalsch[1]->setEnabled(false);
        Zeit->setEnabled(true);
    }
    showBoard();
}

void Form1::ZeitFalsch_Timer(int index)
{
    ZeitFalsch[index]->setEnabled(false);
    riddle.hideFalsch();
    showBoard();
}

void Form1::Zeit_Timer()
{
    Zeit->setEnabled(false);
    riddle.pauseOver();
    showBoard();
    showBlockResultWhenDue(SyllableRiddle::kBlockSize);
    if (riddle.turnDone())
        Weiter();
}

} // namespace syllable_riddle
