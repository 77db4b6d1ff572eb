// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/typewriter/Form1.h"

#include "exercises/typewriter/TypewriterKeyboard.h"
#include "exercises/typewriter/TypewriterPrinting.h"

#include "exercises/common/Answers.h"
#include "exercises/common/InitialSoundKeys.h"
#include "exercises/common/SettingsNumberFile.h"

#include "framework/DesignPictures.h"
#include "framework/GetOwnWords.h"
#include "framework/ProtokollClass.h"
#include "framework/SStufe.h"
#include "framework/SuiteOptions.h"
#include "framework/TRAVEK.h"
#include "framework/UsedWordFile.h"

#include "framework/SettingsAccess.h"

#include "platform/forms/end.h"
#include "platform/forms/timer.h"
#include "platform/forms/twips.h"
#include "platform/services.h"

#include <QToolButton>

#include <algorithm>
#include <map>

namespace typewriter {

namespace {

ExerciseConfig typewriterConfig()
{
    return {.program = QStringLiteral("tastomat"),
            .appTitle = QStringLiteral("QL Tastomat"),
            .logTitle = QStringLiteral("Tastomat"),
            .helpMapId = 2,
            .smallHeight = 6825,
            .largeHeight = 7095,
            .scratch = ExerciseConfig::ScratchFile::AtStart};
}

// "options2.ini": the help mode, 1 with help (also for an empty file), 2 without.
SettingsNumberFile helpModeFile()
{
    return {QStringLiteral("options2.ini"), 1, QString::fromUtf8(kSettingsLockedMessage)};
}

void setButtonPicture(QAbstractButton* button, const QString& path, int size)
{
    button->setIcon(QIcon(platform::loadPicture(path)));
    button->setIconSize(platform::scaledSize(QSize(size, size)));
}

} // namespace

Form1::Form1(ExerciseState& s) : ExerciseForm(s, typewriterConfig())
{
    setCaption(QStringLiteral("QL Tastomat ;   <F6> für Lehrermenü"));
    setGeometryTwips(0, 0, 9600, config.smallHeight);
    addKeys();
    addControls();
    addMenus();
}

Form1::~Form1() = default;

void Form1::addKeys()
{
    Worttaste = initial_sound_keys::addKeys(
        *this, kTypewriterKeys,
        [](const TypewriterKey& key) { return QRect(key.left, keyTop(key), key.width, kKeyHeight); },
        [this](int index) { Worttaste_Click(index); });
}

void Form1::addControls()
{
    Anzeige = addPicture(QStringLiteral("Anzeige"), {240, 3480, 1650, 1650});
    Schrift = addLabel(QStringLiteral("Schrift"), {2160, 3720, 5400, 1035});
    platform::setControlFont(Schrift, QStringLiteral("Arial"), 36, true);
    Schrift->setWordWrap(false);
    addMarks({7680, 3480, 1650, 1650});
    Loeschen = addButton(QStringLiteral("Löschen"), {7800, 120, 1260, 1035}, QStringLiteral("Löschen"),
                         [this] { Loeschen_Click(); });
    setButtonPicture(Loeschen, designPicturePath(DesignPicture::Loeschen), 32);
    Command1 = addButton(QStringLiteral("Command1"), {7800, 1200, 1260, 1035}, QStringLiteral("Hilfen"),
                         [this] { Command1_Click(); });
    for (QPushButton* button : {Loeschen, Command1})
        platform::setControlFont(button, QStringLiteral("Arial"), 9.75, true);
    addNextTaskButton(QStringLiteral("Neues"), {2160, 5160, 2400, 840});
    addEndButton({7560, 5280, 1800, 660});
    Timer1 = addTimer(QStringLiteral("Timer1"), 3300, [this] { Timer1_Timer(); });
}

void Form1::addMenus()
{
    Drucken1 = addTeacherItem(QStringLiteral("Drucken1"), QStringLiteral("&Anlauttabelle drucken"),
                              [this] { Drucken1_Click(); });
    Drucken2 = addTeacherItem(QStringLiteral("Drucken2"), QStringLiteral("&Wörter drucken"),
                              [this] { Drucken2_Click(); });
    dasmenu->insertSeparator(Drucken1);
    addTeacherSeparator();
    SLeicht = helpModes_.add(addTeacherItem(QStringLiteral("SLeicht"), QStringLiteral("Formilo &mit Hilfen"),
                                            [this] { SLeicht_Click(); }));
    SSchwer = helpModes_.add(addTeacherItem(QStringLiteral("SSchwer"), QStringLiteral("Formilo &ohne Hilfen"),
                                            [this] { SSchwer_Click(); }));
    addTeacherSeparator();
    addLevelItems([this] { WLeicht_Click(); }, [this] { WSchwer_Click(); }, [this] { WAlle_Click(); },
                  [this] { WEigene_Click(); });
}

void Form1::loadProgramSettings()
{
    usedWords = std::make_unique<UsedWordFile>(state.TempFile);
    Schwer = helpModeFile().read(state.DataDir);
    if (state.options.capitalsOnly())
        showCapitalCaptions();
}

void Form1::showCapitalCaptions()
{
    for (int i = 0; i < kKeyCount; ++i)
        Worttaste[static_cast<std::size_t>(i)]->setText(keyCaption(i, true));
}

void Form1::startExercise()
{
    if (Schwer == 1)
        SLeicht_Click();
    else if (Schwer == 2)
        SSchwer_Click();
    WDiff = askLevel();
    if (state.options.ownKeyPicturesTastomat())
        loadOwnKeyPictures();
    applyLevel();
}

TypewriterLevel Form1::askLevel()
{
    SStufe dialog;
    const int chosen = askLevelOfferingOwnPictures(
        dialog, {QStringLiteral("kurze Wörter"), QStringLiteral("längere Wörter"), QStringLiteral("alle Wörter")},
        QStringLiteral("Wörter mit eigenen Bildern"));
    static const std::map<int, TypewriterLevel> levels{{0, TypewriterLevel::Short},
                                                       {1, TypewriterLevel::Longer},
                                                       {2, TypewriterLevel::All},
                                                       {3, TypewriterLevel::OwnPictures}};
    const auto level = levels.find(chosen);
    return level == levels.end() ? TypewriterLevel::All : level->second;
}

void Form1::loadOwnKeyPictures()
{
    const std::vector<bool> own = initial_sound_keys::loadOwnPictures(
        Worttaste, QStringLiteral("Tastomat"),
        QStringLiteral("Die Anlauttabelle konnte nicht korrekt geladen werden!"));
    for (int i = 0; i < kKeyCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        RestrictedKeys[k] = own[k] ? QStringLiteral("-") : platform::tag(Worttaste[k]).trimmed().toLower();
    }
}

void Form1::applyLevel()
{
    switch (WDiff) {
    case TypewriterLevel::Short: WLeicht_Click(); break;
    case TypewriterLevel::Longer: WSchwer_Click(); break;
    case TypewriterLevel::OwnPictures: WEigene_Click(); break;
    case TypewriterLevel::All: WAlle_Click(); break;
    }
}

void Form1::SLeicht_Click()
{
    Command1->show();
    setHelpMode(1);
}

void Form1::SSchwer_Click()
{
    Command1->hide();
    setHelpMode(2);
}

void Form1::setHelpMode(int schwer)
{
    Timer1->setEnabled(false);
    helpModes_.check(schwer == 1 ? SLeicht : SSchwer);
    Schwer = schwer;
    helpModeFile().save(state.DataDir, Schwer);
}

void Form1::builtInLevel(QAction* item, TypewriterLevel level)
{
    checkLevel(item);
    WDiff = level;
    ResetUsedWords();
    NextWord();
}

void Form1::WAlle_Click()
{
    builtInLevel(WAlle, TypewriterLevel::All);
}

void Form1::WLeicht_Click()
{
    builtInLevel(WLeicht, TypewriterLevel::Short);
}

void Form1::WSchwer_Click()
{
    builtInLevel(WSchwer, TypewriterLevel::Longer);
}

void Form1::WEigene_Click()
{
    checkLevel(WEigene);
    OwnWords = std::make_unique<GetOwnWords>();
    OwnWords->setPfad(QStringLiteral("EigeneBilder/Tastomat"));
    // A word no key can type would leave the pupil stuck at it.
    OwnWords->keepOnly([](const QStringList& blocks) { return typeable(blocks.mid(0, 8)); });
    state.WordCount = OwnWords->Anzahl();
    if (state.WordCount == 0) {
        fallBackToBuiltInWords(OwnPicturesShortage::None, [this] { WAlle_Click(); });
        return;
    }
    WDiff = TypewriterLevel::OwnPictures;
    NextWord();
}

void Form1::ResetUsedWords()
{
    static const std::map<TypewriterLevel, int> sizes{{TypewriterLevel::All, TypewriterWords::kAll},
                                                      {TypewriterLevel::Short, TypewriterWords::kShort},
                                                      {TypewriterLevel::Longer, TypewriterWords::kLonger}};
    if (const auto size = sizes.find(WDiff); size != sizes.end())
        state.WordCount = size->second;
    usedWords->reset();
}

void Form1::GetWord()
{
    int n = usedWords->PickWordIndex(state.WordCount);
    if (WDiff == TypewriterLevel::Longer)
        n += TypewriterWords::kShort;
    typing.tiles = words.tiles(n);
    typing.Wortname = typing.tiles.join(QString());
    DateiName = typing.Wortname + QStringLiteral(".bmp");
}

void Form1::GetOwnWord()
{
    OwnWords->Continue();
    typing.tiles = OwnWords->Bausteine().mid(0, 8);
    typing.Wortname = typing.tiles.join(QString());
    DateiName = OwnWords->Bildpfad();
}

bool Form1::blocked() const
{
    for (const QString& tile : typing.tiles)
        if (!tile.isEmpty() && std::find(RestrictedKeys.begin(), RestrictedKeys.end(), tile.toLower())
                                   != RestrictedKeys.end())
            return true;
    return false;
}

void Form1::chooseWord()
{
    const auto choose = [this] { WDiff == TypewriterLevel::OwnPictures ? GetOwnWord() : GetWord(); };
    choose();
    if (!state.options.ownKeyPicturesTastomat())
        return;
    for (int tries = 1; blocked() && tries < 2 * state.WordCount + 1; ++tries)
        choose();
    if (blocked())
        platform::msgBox(
            QStringLiteral("Keine passenden Worte zur eingeschränkten Anlauttabelle vorhanden!"));
}

void Form1::NextWord()
{
    state.TaskWrong = false;
    Timer1->setEnabled(false);
    chooseWord();
    typing.startWord(typing.tiles, state.options.capitalsOnly());
    showMark(exercise::Mark::None);
    showTyped();
    platform::setPicture(Anzeige, DateiName);
    exercise::newTask(Proto(), typing.Wortname);
}

void Form1::showTyped()
{
    Schrift->setText(typing.Schrift);
}

void Form1::Worttaste_Click(int index)
{
    const TypewriterKey& key = kTypewriterKeys.at(static_cast<std::size_t>(index));
    const TypingState::Press result =
        typing.press(QString::fromUtf8(key.first), QString::fromUtf8(key.later), state.options.capitalsOnly());
    if (result == TypingState::Press::Ignored)
        return;
    showTyped();
    if (result == TypingState::Press::Right)
        return;
    const bool wordDone = result == TypingState::Press::Solved;
    markAnswer(wordDone);
    if (wordDone && typing.Tipp == 1 && Schwer == 1)
        Timer1->setEnabled(true);
}

void Form1::Loeschen_Click()
{
    if (!typing.erase())
        return;
    showTyped();
    Falsch->hide();
}

void Form1::Command1_Click()
{
    const bool wrongPending = typing.fehler;
    const TypingState::Help result = typing.help(Schwer);
    if (result == TypingState::Help::Ignored)
        return;
    if (wrongPending)
        Falsch->hide();
    showTyped();
    if (result == TypingState::Help::Completed)
        Timer1->setEnabled(true);
}

void Form1::Timer1_Timer()
{
    Timer1->setEnabled(false);
    typing.restart();
    showMark(exercise::Mark::None);
    showTyped();
}

void Form1::Drucken1_Click()
{
    printInitialSoundTable(*this);
}

void Form1::Drucken2_Click()
{
    printWordCards(*this);
}

} // namespace typewriter
