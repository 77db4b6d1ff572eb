// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/word_building/Form1.h"

#include "exercises/common/Answers.h"
#include "exercises/common/Capitals.h"

#include "framework/GetOwnWords.h"
#include "framework/ProtokollClass.h"
#include "framework/SStufe.h"

#include "platform/forms/twips.h"
#include "platform/services.h"

namespace word_building {

namespace {

const QColor kHidden(224, 224, 224);
const QColor kRevealed(255, 255, 255);
constexpr int kSlotTop = 360;
constexpr int kSlotHeight = 1215;
constexpr int kSlotWidth = 1095;
constexpr int kPause = 2000;

} // namespace

Form1::Form1(ExerciseState& s, const WordBuildingVariant& v)
    : ExerciseForm(s, v.config), variant(v), task(v.slotCount)
{
    setCaption(variant.caption);
    setGeometryTwips(0, 0, 9600, 5610);
    addControls();
    addMenus();
}

Form1::~Form1() = default;

void Form1::addControls()
{
    for (int i = 1; i <= variant.slotCount; ++i) {
        const int left = variant.designLefts.at(std::min<std::size_t>(i - 1, variant.designLefts.size() - 1));
        QLabel* slot = addClickableLabel(QStringLiteral("Karte(%1)").arg(i), {left, kSlotTop, kSlotWidth, kSlotHeight},
                                         QString(), [this, i] { Karte_Click(i); });
        platform::setControlFont(slot, QStringLiteral("Arial"), 48, true);
        slot->setAlignment(Qt::AlignCenter);
        slot->setWordWrap(false);
        slot->setFrameStyle(QFrame::Box | QFrame::Plain);
        slot->setAutoFillBackground(true);
        setSlotColour(slot, kHidden);
        Karte.push_back(slot);
    }
    for (int k = 1; k <= 3; ++k) {
        QPushButton* picture = addButton(QStringLiteral("Bild(%1)").arg(k), {870 + (k - 1) * 1800, 1920, 1695, 1695},
                                         QString(), [this, k] { Bild_Click(k); });
        picture->setIconSize(platform::scaledSize(QSize(100, 100)));
        picture->hide();
        Bild.push_back(picture);
    }
    addMarks({6855, 1920, 1710, 1710});
    Command1 = addNextTaskButton(QStringLiteral("Command1"), {4920, 4080, 1815, 855});
    addEndButton({7080, 4200, 1815, 615});
}

void Form1::addMenus()
{
    addTeacherSeparator();
    std::array<QAction*, 3> items{};
    const std::array<std::function<void()>, 3> handlers{[this] { WLeicht_Click(); }, [this] { WSchwer_Click(); },
                                                        [this] { WAlle_Click(); }};
    for (std::size_t i = 0; i < 3; ++i) {
        const BuiltInLevel& level = variant.levels.at(i);
        items.at(i) = addLevelItem(level.menuName, level.menuCaption, handlers.at(i));
    }
    WLeicht = items[0];
    WSchwer = items[1];
    WAlle = items[2];
    WEigene = addLevelItem(QStringLiteral("WEigene"), variant.ownMenuCaption, [this] { WEigene_Click(); });
    WEigene->setVisible(false);
}

void Form1::setSlotColour(QLabel* slot, const QColor& colour)
{
    QPalette palette = slot->palette();
    palette.setColor(QPalette::Window, colour);
    slot->setPalette(palette);
}

void Form1::startExercise()
{
    QStringList captions;
    for (const BuiltInLevel& level : variant.levels)
        captions << level.dialogCaption;
    SStufe dialog;
    const int button = askLevelOfferingOwnPictures(dialog, captions, variant.ownDialogCaption);
    switch (variant.levelOfButton(button)) {
    case WordBuildingLevel::Short: WLeicht_Click(); break;
    case WordBuildingLevel::Longer: WSchwer_Click(); break;
    case WordBuildingLevel::OwnPictures: WEigene_Click(); break;
    case WordBuildingLevel::All: WAlle_Click(); break;
    }
}

void Form1::builtInLevel(WordBuildingLevel level)
{
    const BuiltInLevel* chosen = variant.builtInLevel(level);
    checkLevel(level == WordBuildingLevel::Short ? WLeicht : level == WordBuildingLevel::Longer ? WSchwer : WAlle);
    Level = level;
    Zufall.setAnzahl(chosen->pool);
    Weiter();
}

void Form1::WAlle_Click()
{
    builtInLevel(WordBuildingLevel::All);
}

void Form1::WLeicht_Click()
{
    builtInLevel(WordBuildingLevel::Short);
}

void Form1::WSchwer_Click()
{
    builtInLevel(WordBuildingLevel::Longer);
}

void Form1::WEigene_Click()
{
    checkLevel(WEigene);
    OwnSource = std::make_unique<GetOwnWords>();
    OwnDistractors = std::make_unique<GetOwnWords>();
    for (GetOwnWords* source : {OwnSource.get(), OwnDistractors.get()}) {
        source->setSilben(variant.syllables);
        source->setPfad(variant.ownFolder);
    }
    Zufall.setAnzahl(OwnSource->Anzahl());
    if (OwnSource->Anzahl() < 3) {
        fallBackToBuiltInWords(OwnPicturesShortage::TooFew, [this] { WAlle_Click(); });
        return;
    }
    Level = WordBuildingLevel::OwnPictures;
    Weiter();
}

void Form1::Weiter()
{
    for (QLabel* slot : Karte) {
        slot->setText(QString());
        setSlotColour(slot, kHidden);
    }
    if (Level == WordBuildingLevel::OwnPictures)
        getOwnWord();
    else
        getWord();
    showSlots();
    exercise::newTask(Proto(), task.Wortname);
    showMark(exercise::Mark::None);
    state.TaskWrong = false;
    for (QPushButton* picture : Bild)
        picture->hide();
}

void Form1::getWord()
{
    const BuiltInLevel* level = variant.builtInLevel(Level);
    WelchesWort = Zufall.ZufallsZahl() + (level ? level->offset : 0);
    task.start(variant.tiles(WelchesWort, state.options.capitalsOnly()));
    const std::array<int, 3> numbers = chooseGroupPictures(variant.group(WelchesWort), WelchesWort, Reihe);
    std::array<QString, 3> paths, tags;
    for (std::size_t k = 0; k < 3; ++k) {
        paths[k] = variant.picturePath(numbers[k]);
        tags[k] = variant.pictureTag(numbers[k]);
    }
    showPictures(paths, tags);
}

void Form1::getOwnWord()
{
    OwnSource->Continue();
    task.start(variant.ownTiles(*OwnSource, state.options.capitalsOnly()));
    const OwnPictureChoice choice = chooseOwnPictures(*OwnSource, *OwnDistractors, toCapitals(task.Wortname));
    PicturePath = choice.paths;
    showPictures(choice.paths, choice.tags);
}

// Each slot shows whether it holds a tile and is as wide as its tile asks; wider slots push the
// later ones to the right.
void Form1::showSlots()
{
    std::vector<int> widths;
    for (int i = 1; i <= task.slotCount(); ++i) {
        QLabel* slot = Karte.at(static_cast<std::size_t>(i - 1));
        const QString tile = task.tile(i);
        slot->setVisible(!tile.isEmpty());
        widths.push_back(tile.isEmpty() ? kSlotWidth
                                        : variant.slotWidth(tile, platform::textWidthTwips(slot, tile)));
    }
    const std::vector<int> lefts = slotLefts(variant.designLefts.front(), widths);
    for (std::size_t i = 0; i < Karte.size(); ++i)
        Karte[i]->setGeometry(platform::twipsRect(lefts[i], kSlotTop, widths[i], kSlotHeight));
}

void Form1::showPictures(const std::array<QString, 3>& paths, const std::array<QString, 3>& tags)
{
    for (std::size_t k = 0; k < 3; ++k) {
        // A picture that cannot be loaded leaves an empty button that still answers.
        Bild[k]->setIcon(QIcon(platform::loadPicture(paths[k])));
        platform::setTag(Bild[k], tags[k]);
    }
}

void Form1::Karte_Click(int Index)
{
    const int slot = task.AktNummer;
    const SlotTask::Click result = task.reveal(Index);
    if (result == SlotTask::Click::Ignored)
        return;
    QLabel* revealed = Karte.at(static_cast<std::size_t>(slot - 1));
    revealed->setText(task.tile(slot));
    setSlotColour(revealed, kRevealed);
    if (result != SlotTask::Click::Completed)
        return;
    Command1->setEnabled(false);
    platform::services().clock->sleep(kPause);
    for (QPushButton* picture : Bild)
        picture->show();
    Command1->setEnabled(true);
}

void Form1::Bild_Click(int Index)
{
    const QString tag = platform::tag(Bild.at(static_cast<std::size_t>(Index - 1)));
    const bool right = Level == WordBuildingLevel::OwnPictures ? tag == toCapitals(task.Wortname)
                                                               : variant.isRight(tag, WelchesWort, task.Wortname);
    markAnswer(right);
}

} // namespace word_building
