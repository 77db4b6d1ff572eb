// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/ExerciseForm.h"

#include "exercises/common/Answers.h"
#include "exercises/common/ExerciseCommandLine.h"
#include "exercises/common/ExerciseStartup.h"
#include "exercises/common/LevelChoice.h"

#include "exercises/backdrop/BlackBack.h"
#include "framework/DesignPictures.h"
#include "framework/Hintergrund.h"
#include "framework/Protokoll.h"
#include "framework/ProtokollClass.h"
#include "framework/SStufe.h"
#include "framework/SuiteOptions.h"
#include "framework/TRAVEK.h"

#include "framework/TeacherMenu.h"

#include "platform/files.h"
#include "platform/forms/end.h"
#include "platform/forms/twips.h"
#include "platform/services.h"

#include <QCoreApplication>
#include <QDir>

namespace {
constexpr int kBlockSize = 10;
} // namespace

ExerciseForm::ExerciseForm(ExerciseState& s, ExerciseConfig c)
    : platform::Form(QStringLiteral("Form1")), state(s), config(std::move(c))
{
    QCoreApplication::setApplicationName(config.appTitle);
    dasmenu = addMenu(QStringLiteral("dasmenu"), QStringLiteral("Lehrer&menü"));
    Hilfe = addMenuItem(dasmenu, QStringLiteral("Hilfe"), QStringLiteral("&Hilfe"),
                        [this] { Hilfe_Click(); });
    M_Leer = addSeparator(dasmenu, QStringLiteral("M_Leer"));
    M_Ende = addMenuItem(dasmenu, QStringLiteral("M_Ende"), QStringLiteral("Ende"),
                         [this] { M_Ende_Click(); });
    WFehler = addTopLevelItem(QStringLiteral("WFehler"), QStringLiteral("Weiter trotz Fehler"),
                              [this] { WFehler_Click(); });
    M_Leer->setVisible(false);
    M_Ende->setVisible(false);
    WFehler->setVisible(false);
    setMenuVisible(dasmenu, false);
}

ExerciseForm::~ExerciseForm() = default;

ProtokollClass& ExerciseForm::Proto()
{
    if (!proto_)
        proto_ = std::make_unique<ProtokollClass>(state);
    return *proto_;
}

QPushButton* ExerciseForm::addNextTaskButton(const QString& name, const QRect& twips)
{
    Neues = addButton(name, twips, QString(), [this] { Neues_Click(); });
    Neues->setIcon(platform::pictureIcon(designPicturePath(DesignPicture::Weiter)));
    Neues->setIconSize(platform::scaledSize(QSize(40, 40)));
    return Neues;
}

QPushButton* ExerciseForm::addEndButton(const QRect& twips)
{
    Ende = addButton(QStringLiteral("Ende"), twips, QString(), [this] { Ende_Click(); });
    Ende->setIcon(platform::pictureIcon(designPicturePath(DesignPicture::Ende)));
    Ende->setIconSize(QSize(platform::twipsToPixels(twips.width()) - 8,
                            platform::twipsToPixels(twips.height()) - 8));
    return Ende;
}

void ExerciseForm::addMarks(const QRect& twips)
{
    Richtig = addPicture(QStringLiteral("Richtig"), twips);
    Falsch = addPicture(QStringLiteral("Falsch"), twips);
    showMark(exercise::Mark::None);
    platform::setPictureWhenShown(Richtig, designPicturePath(DesignPicture::Richtig));
    platform::setPictureWhenShown(Falsch, designPicturePath(DesignPicture::Falsch));
}

QAction* ExerciseForm::addTeacherItem(const QString& name, const QString& caption,
                                      std::function<void()> onClick)
{
    QAction* item = addMenuItem(dasmenu, name, caption, std::move(onClick));
    dasmenu->removeAction(item);
    dasmenu->insertAction(M_Leer, item);
    return item;
}

QAction* ExerciseForm::addTeacherSeparator()
{
    return dasmenu->insertSeparator(M_Leer);
}

QAction* ExerciseForm::addLevelItem(const QString& name, const QString& caption, std::function<void()> onClick)
{
    return levels_.add(addTeacherItem(name, caption, std::move(onClick)));
}

void ExerciseForm::addLevelItems(std::function<void()> leicht, std::function<void()> schwer,
                                 std::function<void()> alle, std::function<void()> eigene)
{
    WLeicht = addLevelItem(QStringLiteral("WLeicht"), QStringLiteral("&Leichte Wörter"), std::move(leicht));
    WSchwer = addLevelItem(QStringLiteral("WSchwer"), QStringLiteral("&Schwere Wörter"), std::move(schwer));
    WAlle = addLevelItem(QStringLiteral("WAlle"), QStringLiteral("&Alle Wörter"), std::move(alle));
    if (eigene) {
        WEigene = addLevelItem(QStringLiteral("WEigene"), QStringLiteral("Wörter mit eigenen &Bildern"),
                               std::move(eigene));
        WEigene->setVisible(false);
    }
}

int ExerciseForm::askLevelOfferingOwnPictures(LevelDialog& dialog, const QStringList& captions,
                                              const QString& ownPicturesCaption)
{
    const bool own = state.options.ownPictures();
    WEigene->setVisible(own);
    return askLevel(dialog, captions, own ? ownPicturesCaption : QString());
}

int ExerciseForm::askSyllableLevel()
{
    SStufe2 dialog;
    return askLevelOfferingOwnPictures(
        dialog,
        {QStringLiteral("Wörter mit drei Silben"), QStringLiteral("Wörter mit vier oder mehr Silben"),
         QStringLiteral("alle Wörter"), QStringLiteral("noch mehr Wörter"), QStringLiteral("eigene Wörter")},
        QStringLiteral("Wörter aus eigenen Bildern"));
}

void ExerciseForm::askWordLevel(const std::function<void()>& easy, const std::function<void()>& harder,
                                const std::function<void()>& all, const std::function<void()>& ownPictures)
{
    SStufe dialog;
    const int chosen = askLevelOfferingOwnPictures(
        dialog, {QStringLiteral("leichte Wörter"), QStringLiteral("schwerere Wörter"), QStringLiteral("alle Wörter")},
        QStringLiteral("Wörter mit eigenen Bildern"));
    switch (chosen) {
    case 0: easy(); break;
    case 1: harder(); break;
    case 3: ownPictures(); break;
    default: all(); break;
    }
}

void ExerciseForm::fallBackToBuiltInWords(OwnPicturesShortage shortage, const std::function<void()>& allWords)
{
    platform::msgBox(shortage == OwnPicturesShortage::None
                         ? QStringLiteral("Es gibt keine eigenen Bilder! Ich verwende meine Bilder.")
                         : QStringLiteral("Es gibt zu wenige eigene Bilder! Ich verwende meine Bilder."));
    allWords();
}

void ExerciseForm::Form_Load()
{
    if (secondInstance())
        platform::End();
    TRAVEK::RemoveOrphanedTempFiles();
    centerOnScreen();
    if (config.scratch == ExerciseConfig::ScratchFile::AtStart)
        state.TempFile = TRAVEK::TempFileName();
    state.DataDir = exercise::findDataDir();
    exercise::removeSaveLeftovers(state.DataDir);
    LoadSuiteOptions(state.options, state.DataDir, OptionsReader::Program);
    state.LoggingOn = state.options.ProtSave;
    state.CommandLine = platform::services().processes->ownArguments();
    placeWindow();
    state.HelpFile = exercise::helpFile(state.options, state.launcherStarted());
    if (config.scratch == ExerciseConfig::ScratchFile::AfterHelpFile)
        state.TempFile = TRAVEK::TempFileName();
    loadProgramSettings();
    readCommandLine();
    startExercise();
}

bool ExerciseForm::secondInstance()
{
    instance_ = std::make_unique<platform::SingleInstance>(config.program);
    if (!instance_->anotherRunning())
        return false;
    setCaption(QStringLiteral("-<[Zweite Instanz]>-"));
    return true;
}

void ExerciseForm::placeWindow()
{
    const exercise::WindowPlacement placement =
        exercise::windowPlacement(state.options, state.launcherStarted());
    if (placement.backdrop && config.backdropController) {
        HG = std::make_unique<BlackBack>();
        HG->TaskVisible = state.options.taskbarVisible();
        HG->owner = name();
        HG->EnableBlack();
    } else if (placement.backdrop) {
        auto* backdrop = new Hintergrund(state.options.taskbarVisible(), *this);
        backdrop->show();
    }
    setMinimizeBox(placement.minimizeBox);
    setTopmost(placement.topmost);
}

void ExerciseForm::readCommandLine()
{
    const ExerciseCommandLine line = parseExerciseCommandLine(state.CommandLine);
    state.TasksDone = 0;
    state.WrongFirst = 0;
    state.TaskMode = config.assignments && line.taskMode;
    state.AllowedErrors = state.TaskMode ? line.allowedErrors : 0;
    if (state.TaskMode) {
        if (Ende)
            Ende->hide();
        M_Leer->setVisible(true);
        M_Ende->setVisible(true);
    }
    state.PupilName.clear();
    const bool named = state.LoggingOn != 0 && !line.pupilName.isEmpty() && !line.logPath.isEmpty();
    if (!config.resultsLog) {
        if (named)
            state.PupilName = line.pupilName;
        state.LoggingOn = 0;
        return;
    }
    // A log folder that is not there counts as absent, as does an unusable name.
    if (named && platform::folderExists(line.logPath)) {
        state.PupilName = line.pupilName;
        startLog(line.logPath);
    } else {
        state.LoggingOn = 0;
    }
}

void ExerciseForm::startLog(const QString& logPath)
{
    Proto().SetPath(logPath);
    Proto().UserName = state.PupilName;
    Proto().NameChange();
    Proto().Programm = config.logTitle;
}

bool ExerciseForm::Form_QueryUnload(platform::UnloadMode mode)
{
    return mode != platform::UnloadMode::Code && state.TaskMode;
}

// At a logout or shutdown the unload runs too, but starts no launcher (the process service
// starts nothing then).
void ExerciseForm::Form_Unload()
{
    proto_.reset();
    returnToLauncher();
    if (config.backdropController) {
        HG.reset();
        return;
    }
    removeBackdrop();
    TRAVEK::KillIfExists(state.TempFile);
}

void ExerciseForm::returnToLauncher()
{
    const auto launcher = exercise::launcherReturn(state);
    if (!launcher)
        return;
    QDir::setCurrent(launcher->currentFolder);
    platform::services().processes->start(launcher->commandLine);
    QDir::setCurrent(TRAVEK::AppPath());
}

void ExerciseForm::removeBackdrop()
{
    if (!TRAVEK::FormLoaded(QStringLiteral("Hintergrund")))
        return;
    auto* backdrop = qobject_cast<Hintergrund*>(platform::findForm(QStringLiteral("Hintergrund")));
    if (!backdrop)
        return;
    backdrop->restoreOwner();
    backdrop->unload();
    backdrop->deleteLater();
}

void ExerciseForm::Form_KeyDown(int& keyCode, int)
{
    std::optional<TeacherMenu::Heights> heights;
    if (config.largeHeight != 0)
        heights = TeacherMenu::Heights{.shown = config.largeHeight, .hidden = config.smallHeight};
    if (const std::optional<bool> shown = TeacherMenu::toggleOnF6(*this, keyCode, dasmenu, heights))
        WFehler->setVisible(*shown && config.tasks);
}

void ExerciseForm::Ende_Click()
{
    unload();
    platform::End();
}

void ExerciseForm::Hilfe_Click()
{
    platform::services().help->open(state.HelpFile, config.helpMapId);
}

void ExerciseForm::M_Ende_Click()
{
    Protokoll(state, *this).ProtokollExit();
    Ende_Click();
}

void ExerciseForm::Neues_Click()
{
    const bool skipAllowed = !state.TaskMode && state.options.skipUnsolved();
    if (!skipAllowed && !solved())
        return;
    if (state.options.skipUnsolved() && !solved())
        exercise::recordAnswer(state, Proto(), false);
    exercise::countTask(state, state.TaskWrong);
    showBlockResultWhenDue(kBlockSize);
    nextTask();
}

void ExerciseForm::showMark(exercise::Mark mark)
{
    Richtig->setVisible(mark == exercise::Mark::Right);
    Falsch->setVisible(mark == exercise::Mark::Wrong);
}

void ExerciseForm::markAnswer(bool right)
{
    showMark(right ? exercise::Mark::Right : exercise::Mark::Wrong);
    exercise::recordAnswer(state, Proto(), right);
}

void ExerciseForm::showBlockResultWhenDue(int blockSize)
{
    if (state.TasksDone >= blockSize && (state.options.blockResult() || state.TaskMode))
        showBlockResult(blockSize);
}

void ExerciseForm::showBlockResult(int blockSize)
{
    Protokoll block(state, *this);
    block.load();
    block.GesamteA = blockSize;
    block.FalscheA = state.WrongFirst;
    block.RichtigeA = blockSize - state.WrongFirst;
    block.ProtokollInit();
    if (state.TaskMode)
        block.Weiter->hide();
    block.showModal();
}

void ExerciseForm::WFehler_Click()
{
    if (!solved())
        exercise::recordAnswer(state, Proto(), false);
    Richtig->show();
    Neues_Click();
}
