// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/word_reading/Form1.h"

#include "exercises/common/Answers.h"

#include "framework/ProtokollClass.h"

#include "platform/forms/timer.h"
#include "platform/forms/twips.h"

namespace word_reading {

namespace {

constexpr int kPictureTwips = 1695;
constexpr int kPauseMs = 3000;

ExerciseConfig readingConfig()
{
    return {.program = QStringLiteral("lesolum"),
            .appTitle = QStringLiteral("QL Lesolum"),
            .logTitle = QStringLiteral("Lesolum"),
            .helpMapId = 6,
            .backdropController = true};
}

void setButtonPicture(QPushButton* button, const QString& path)
{
    button->setIcon(QIcon(platform::loadPicture(path)));
    button->setIconSize(button->size() - QSize(8, 8));
}

} // namespace

Form1::Form1(ExerciseState& s) : ExerciseForm(s, readingConfig())
{
    setCaption(QStringLiteral("QL Lesolum ;   <F6> für Lehrermenü"));
    setClientSizeTwips(9375, 5940);
    addControls();
    addMenus();
}

Form1::~Form1() = default;

void Form1::addControls()
{
    static constexpr int kLefts[] = {240, 2040, 3840, 5640, 7440};
    Bild.push_back(nullptr);
    for (int i = 1; i <= ReadingSet::kWords; ++i) {
        const int left = kLefts[(i - 1) % 5];
        const int top = i <= 5 ? 240 : 2040;
        Bild.push_back(addButton(QStringLiteral("Bild(%1)").arg(i),
                                 {left, top, kPictureTwips, kPictureTwips}, QString(),
                                 [this, i] { Bild_Click(i); }));
    }
    Anzeige = addLabel(QStringLiteral("Anzeige"), {2280, 4260, 4695, 1095});
    platform::setControlFont(Anzeige, QStringLiteral("Arial"), 39.75, true);
    Anzeige->setAlignment(Qt::AlignCenter);
    addMarks({240, 3960, 1710, 1710});
    addEndButton({7320, 4440, 1695, 735});
    Zeit = addTimer(QStringLiteral("Zeit"), kPauseMs, [this] { Zeit_Timer(); });
}

void Form1::addMenus()
{
    Hilfe->setShortcut(QKeySequence(Qt::Key_F1));
    addTeacherSeparator();
    addLevelItems([this] { WLeicht_Click(); }, [this] { WSchwer_Click(); }, [this] { WAlle_Click(); },
                  [this] { WEigene_Click(); });
    WAlle->setChecked(true);
    WFehler->setText(QStringLiteral("Weiter"));
}

void Form1::startExercise()
{
    askWordLevel([this] { WLeicht_Click(); }, [this] { WSchwer_Click(); }, [this] { WAlle_Click(); },
                 [this] { WEigene_Click(); });
}

void Form1::builtInLevel(QAction* item, ReadingSet::Level level)
{
    checkLevel(item);
    set.useBuiltInWords(level);
    Weiter();
}

void Form1::WAlle_Click()
{
    builtInLevel(WAlle, ReadingSet::Level::All);
}

void Form1::WLeicht_Click()
{
    builtInLevel(WLeicht, ReadingSet::Level::Easy);
}

void Form1::WSchwer_Click()
{
    builtInLevel(WSchwer, ReadingSet::Level::Hard);
}

void Form1::WEigene_Click()
{
    checkLevel(WEigene);
    if (!set.useOwnPictures(QStringLiteral("EigeneBilder/Lesolum"))) {
        fallBackToBuiltInWords(OwnPicturesShortage::TooFew, [this] { WAlle_Click(); });
        return;
    }
    Weiter();
}

void Form1::WFehler_Click()
{
    Weiter();
}

// A new set chosen during the pause after a click leaves the pause running: the pictures stay
// disabled until it ends.
void Form1::Weiter()
{
    set.newSet(state.options.capitalsOnly());
    set.arrange(arrangement());
    showPictures();
    showMark(exercise::Mark::None);
    state.TasksDone = 0;
    state.WrongFirst = 0;
    presentWord();
}

std::array<int, ReadingSet::kWords> Form1::arrangement()
{
    arranger.ZufallsZahl(ReadingSet::kWords);
    std::array<int, ReadingSet::kWords> order{};
    for (int k = 1; k <= ReadingSet::kWords; ++k)
        order[static_cast<std::size_t>(k - 1)] = arranger.Zahl(k);
    return order;
}

void Form1::showPictures()
{
    for (int k = 1; k <= ReadingSet::kWords; ++k) {
        QPushButton* picture = Bild[static_cast<std::size_t>(k)];
        setButtonPicture(picture, set.pictureAt(k));
        platform::setTag(picture, set.tagAt(k));
    }
}

void Form1::enablePictures()
{
    for (int k = 1; k <= ReadingSet::kWords; ++k)
        Bild[static_cast<std::size_t>(k)]->setEnabled(true);
}

void Form1::presentWord()
{
    Anzeige->setText(set.currentWord());
    exercise::newTask(Proto(), set.currentWord());
}

void Form1::Bild_Click(int index)
{
    QPushButton* clicked = Bild[static_cast<std::size_t>(index)];
    const ReadingSet::Click click = set.click(platform::tag(clicked));
    if (click.answer == ReadingSet::Answer::Ignored)
        return;
    const bool right = click.answer == ReadingSet::Answer::Right;
    markAnswer(right);
    if (right) {
        exercise::countTask(state, click.wrongFirst);
        if (!set.finished()) {
            exercise::newTask(Proto(), set.currentWord());
        }
    }
    for (int k = 1; k <= ReadingSet::kWords; ++k)
        Bild[static_cast<std::size_t>(k)]->setEnabled(k == index);
    Zeit->setEnabled(true);
}

void Form1::Zeit_Timer()
{
    Zeit->setEnabled(false);
    set.endPause();
    enablePictures();
    showMark(exercise::Mark::None);
    showBlockResultWhenDue(ReadingSet::kWords);
    if (set.finished()) {
        Anzeige->clear();
        Weiter();
    } else {
        Anzeige->setText(set.currentWord());
    }
}

} // namespace word_reading
