// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/syllable_marking/Form1.h"

#include "exercises/common/Answers.h"
#include "exercises/common/SyllableWords.h"

#include "framework/GetOwnWords.h"
#include "framework/ListAuswahl.h"
#include "framework/ProtokollClass.h"

#include "platform/forms/application.h"
#include "platform/forms/twips.h"
#include "platform/services.h"

#include <map>

namespace syllable_marking {

namespace {

ExerciseConfig syllableMarkingConfig()
{
    return {.program = QStringLiteral("bogenblick"),
            .appTitle = QStringLiteral("QL Bogenblick"),
            .logTitle = QStringLiteral("Bogenblick"),
            .helpMapId = 9,
            .backdropController = true};
}

constexpr int kClientWidth = 8850;
constexpr int kClientHeight = 4680;
constexpr int kBackspace = 8;
constexpr int kSpace = 32;

struct Widths {
    int picture1;
    int anzeige;
};
constexpr Widths kPictureLayout{6495, 5865};
constexpr Widths kListLayout{8295, 7665};

const SyllableWords& syllableWords()
{
    static const SyllableWords words;
    return words;
}

void sleep(int ms)
{
    platform::services().clock->sleep(ms);
}

} // namespace

Form1::Form1(ExerciseState& s) : ExerciseForm(s, syllableMarkingConfig())
{
    setCaption(QStringLiteral("QL Bogenblick ;   <F6> für Lehrermenü"));
    setClientSizeTwips(kClientWidth, kClientHeight);
    addControls();
    addMenus();
}

Form1::~Form1() = default;

void Form1::addControls()
{
    Picture1 = addPicture(QStringLiteral("Picture1"), {240, 240, kPictureLayout.picture1, 1035});
    Picture1->setFrameShape(QFrame::Box);
    Picture1->setStyleSheet(QStringLiteral("QLabel#Picture1 { background: white; }"));
    Anzeige = addMouseUpLabel(QStringLiteral("Anzeige"), {480, 120, kPictureLayout.anzeige, 795}, QString(),
                              [this](int x, int) { Anzeige_MouseUp(x); }, Picture1);
    platform::setControlFont(Anzeige, QStringLiteral("Arial"), 32.25, true);
    Anzeige->setWordWrap(false);
    Anzeige->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Bild = addPicture(QStringLiteral("Bild"), {6960, 240, 1650, 1650});
    Bild->hide();
    Befehl = addLabel(QStringLiteral("Befehl"), {240, 1440, 6495, 540});
    platform::setControlFont(Befehl, QStringLiteral("Arial"), 15.75, true);
    Befehl->hide();
    Nochmal = addButton(QStringLiteral("Nochmal"), {240, 2160, 1815, 735}, QStringLiteral("Hilfen"),
                        [this] { Nochmal_Click(); });
    Loeschen = addButton(QStringLiteral("Löschen"), {2280, 2160, 1815, 735}, QStringLiteral("Löschen"),
                         [this] { Loeschen_Click(); });
    for (QPushButton* button : {Nochmal, Loeschen}) {
        platform::setControlFont(button, QStringLiteral("Arial"), 12, true);
        button->hide();
    }
    addMarks({6960, 2040, 1650, 1650});
    Command1 = addNextTaskButton(QStringLiteral("Command1"), {240, 3360, 1815, 855});
    addEndButton({6960, 3840, 1650, 615});
}

void Form1::addMenus()
{
    addTeacherSeparator();
    WAlle = addLevelItem(QStringLiteral("WAlle"), QStringLiteral("&Alle Wörter"), [this] { WAlle_Click(); });
    WLeicht = addLevelItem(QStringLiteral("WLeicht"), QStringLiteral("&Dreisilbige Wörter"),
                           [this] { WLeicht_Click(); });
    WSchwer = addLevelItem(QStringLiteral("WSchwer"), QStringLiteral("&Vier- und mehrsilbige Wörter"),
                           [this] { WSchwer_Click(); });
    WEigene = addLevelItem(QStringLiteral("WEigene"), QStringLiteral("&Wörter mit eigenen Bildern"),
                           [this] { WEigene_Click(); });
    WDateiauswahl = addLevelItem(QStringLiteral("WDateiauswahl"), QStringLiteral("&Eigene Wörter"),
                                 [this] { WDateiauswahl_Click(); });
    WMehr = addLevelItem(QStringLiteral("WMehr"), QStringLiteral("&Noch mehr Wörter"), [this] { WMehr_Click(); });
    WEigene->setVisible(false);
}

void Form1::startExercise()
{
    Zufall.setAnzahl(SyllableWords::kLonger);
    Modus = askModus();
    while (Modus == MarkingLevel::OwnLists || Modus == MarkingLevel::MoreLists) {
        Anzeige->clear();
        show();
        useListLayout(true);
        if (Modus == MarkingLevel::OwnLists)
            WDateiauswahl_Click();
        else
            WMehr_Click();
        if (Zufall.Anzahl() != 0)
            return;
        Modus = askModus();
    }
    Anzeige->clear();
    show();
    useListLayout(false);
    state.ListSource = WordListSource::None;
    // One set, one presentation: an own-pictures set without pictures falls back to all words.
    static const std::map<MarkingLevel, void (Form1::*)()> handlers{{MarkingLevel::OwnPictures, &Form1::WEigene_Click},
                                                                    {MarkingLevel::All, &Form1::WAlle_Click},
                                                                    {MarkingLevel::Three, &Form1::WLeicht_Click},
                                                                    {MarkingLevel::Longer, &Form1::WSchwer_Click}};
    const auto handler = handlers.find(Modus);
    if (handler != handlers.end())
        (this->*handler->second)();
}

MarkingLevel Form1::askModus()
{
    const int chosen = askSyllableLevel();
    static const std::map<int, MarkingLevel> modes{{0, MarkingLevel::Three},    {1, MarkingLevel::Longer},
                                                   {2, MarkingLevel::All},      {3, MarkingLevel::MoreLists},
                                                   {4, MarkingLevel::OwnLists}, {5, MarkingLevel::OwnPictures}};
    const auto mode = modes.find(chosen);
    return mode == modes.end() ? Modus : mode->second;
}

// Either the built-in sets and own pictures, or the two list sources, never both in one run.
void Form1::useListLayout(bool lists)
{
    for (QAction* item : {WAlle, WLeicht, WSchwer, WEigene})
        item->setEnabled(!lists);
    for (QAction* item : {WDateiauswahl, WMehr})
        item->setEnabled(lists);
    Bild->setVisible(!lists && Bild->isVisible());
    const Widths widths = lists ? kListLayout : kPictureLayout;
    Picture1->resize(platform::twipsToPixels(widths.picture1), Picture1->height());
    Anzeige->resize(platform::twipsToPixels(widths.anzeige), Anzeige->height());
}

void Form1::WAlle_Click()
{
    checkLevel(WAlle);
    Modus = MarkingLevel::All;
    Zufall.setAnzahl(SyllableWords::kAll);
    Weiter();
}

void Form1::WLeicht_Click()
{
    checkLevel(WLeicht);
    Modus = MarkingLevel::Three;
    Zufall.setAnzahl(SyllableWords::kThree);
    Weiter();
}

void Form1::WSchwer_Click()
{
    checkLevel(WSchwer);
    Modus = MarkingLevel::Longer;
    Zufall.setAnzahl(SyllableWords::kLonger);
    Weiter();
}

void Form1::WEigene_Click()
{
    checkLevel(WEigene);
    OwnWords = std::make_unique<GetOwnWords>();
    OwnWords->setSilben(true);
    OwnWords->setPfad(QStringLiteral("EigeneBilder/Bogenblick"));
    Zufall.setAnzahl(OwnWords->Anzahl());
    Modus = MarkingLevel::OwnPictures;
    if (OwnWords->Anzahl() == 0) {
        fallBackToBuiltInWords(OwnPicturesShortage::None, [this] { WAlle_Click(); });
        return;
    }
    Weiter();
}

void Form1::WDateiauswahl_Click()
{
    checkLevel(WDateiauswahl);
    state.ListSource = WordListSource::OwnLists;
    StartListe();
}

void Form1::WMehr_Click()
{
    checkLevel(WMehr);
    state.ListSource = WordListSource::MoreLists;
    StartListe();
}

void Form1::StartListe()
{
    Zufall.setAnzahl(0);
    ListAuswahl dialog(state);
    dialog.showModal();
    dialog.unload();
    Zufall.setAnzahl(state.ListCount);
    Weiter();
}

void Form1::Weiter()
{
    task.start(SyllableWord());
    Anzeige->clear();
    for (QWidget* control : std::initializer_list<QWidget*>{Nochmal, Loeschen, Befehl, Bild})
        control->hide();
    if (Zufall.Anzahl() == 0)
        return;
    task.start(drawWord());
    showMark(exercise::Mark::None);
    state.TaskWrong = false;
    present();
    Befehl->setText(QStringLiteral("Teile das Wort in Silben auf!"));
    Befehl->show();
    exercise::newTask(Proto(), task.word.word());
    task.startMarking();
    showText();
}

SyllableWord Form1::drawWord()
{
    if (Modus == MarkingLevel::OwnPictures) {
        OwnWords->Continue();
        platform::setPicture(Bild, OwnWords->Bildpfad());
        return SyllableWord(OwnWords->Wortname());
    }
    const int n = Zufall.ZufallsZahl();
    WelchesWort = n;
    if (state.ListSource != WordListSource::None)
        return SyllableWord(state.Liste.value(n - 1));
    if (Modus == MarkingLevel::Three)
        WelchesWort = n + SyllableWords::kLonger;
    platform::setPicture(Bild, SyllableWords::picture(WelchesWort));
    return SyllableWord(syllableWords().word(WelchesWort));
}

// The word grows syllable by syllable, the picture joins it, then the word stands whole.
// The pauses block: painted, but deaf, and the next-task button is off meanwhile.
void Form1::present()
{
    const QStringList& syllables = task.word.syllables();
    Anzeige->setText(syllables.value(0));
    Command1->setEnabled(false);
    for (int k = 1; k < syllables.size(); ++k) {
        sleep(1500);
        Anzeige->setText(Anzeige->text() + QLatin1Char(' ') + syllables.at(k));
    }
    if (state.ListSource == WordListSource::None) {
        sleep(2000);
        Bild->show();
    }
    sleep(3000);
    Anzeige->clear();
    sleep(1500);
    Anzeige->setText(task.word.word());
    Command1->setEnabled(true);
}

void Form1::showText()
{
    Anzeige->setText(task.shown());
}

void Form1::Anzeige_MouseUp(int x)
{
    if (!task.marking())
        return;
    const bool marked = task.click(platform::textWidthTwips(Anzeige, task.awaitedPrefix()), x);
    showText();
    if (marked)
        finishMarking();
}

void Form1::finishMarking()
{
    showMark(exercise::Mark::Right);
    Command1->setEnabled(false);
    sleep(3000);
    Command1->setEnabled(true);
    showMark(exercise::Mark::None);
    Befehl->setText(QStringLiteral("Schreibe das Wort!"));
    Befehl->show();
    task.startWriting();
    showText();
    if (!checkText())
        exercise::recordAnswer(state, Proto(), false);
    Nochmal->show();
    Loeschen->show();
}

bool Form1::checkText()
{
    const bool matches = task.writtenMatches();
    showMark(matches ? exercise::Mark::None : exercise::Mark::Wrong);
    return matches;
}

void Form1::Form_KeyPress(int& keyAscii)
{
    if (!task.Tippen)
        return;
    if (isWritableKey(keyAscii)) {
        task.write(platform::characterText(keyAscii));
    } else {
        if (keyAscii == kBackspace)
            task.eraseLast();
        keyAscii = 0;
    }
    showText();
    if (!checkText())
        exercise::recordAnswer(state, Proto(), false);
    if (task.writtenWhole())
        writeDone();
}

void Form1::writeDone()
{
    Nochmal->hide();
    Loeschen->hide();
    markAnswer(true);
}

void Form1::Loeschen_Click()
{
    if (!task.Tippen)
        return;
    task.eraseLast();
    showText();
    checkText();
}

void Form1::Nochmal_Click()
{
    task.backToMarking();
    Befehl->setText(QStringLiteral("Teile das Wort in Silben auf!"));
    Befehl->show();
    for (QWidget* control : std::initializer_list<QWidget*>{Nochmal, Loeschen})
        control->hide();
    showMark(exercise::Mark::None);
    showText();
}

void Form1::Form_KeyDown(int& keyCode, int shift)
{
    if (task.Tippen && keyCode == kSpace) {
        keyCode = 0;
        return;
    }
    ExerciseForm::Form_KeyDown(keyCode, shift);
}

} // namespace syllable_marking
