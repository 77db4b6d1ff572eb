// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/Form1.h"

#include "framework/DesignPictures.h"
#include "launcher/Form2.h"
#include "launcher/Launcher.h"
#include "launcher/Man_Namen.h"
#include "launcher/PictureButton.h"
#include "framework/TRAVEK.h"

#include "framework/TeacherMenu.h"
#include "framework/pupils/Man_NamenAnzeigen.h"
#include "framework/pupils/Man_Protokolle.h"
#include "framework/pupils/PupilNames.h"

#include "platform/forms/end.h"
#include "platform/forms/events.h"
#include "platform/forms/twips.h"
#include "platform/services.h"
#include "platform/single_instance.h"

namespace launcher {

namespace {

constexpr int kClientWidth = 9105;
constexpr int kClientHeight = 5790;
const char* const kCaption = "QL Tavoro ;   <F6> für Lehrermenü";

} // namespace

Form1::Form1(LauncherState& state)
    : Form(QStringLiteral("Form1")), state_(state)
{
    setCaption(QString::fromUtf8(kCaption));
    setClientSizeTwips(kClientWidth, kClientHeight);
    Hilfe = addLabel(QStringLiteral("Hilfe"), QRect(300, 120, 8415, 735),
                     QStringLiteral("Hallo! Wähle aus, was du üben möchtest:"));
    platform::setControlFont(Hilfe, QStringLiteral("Arial"), 14, true);
    const QString appPath = TRAVEK::AppPath();
    for (const Exercise& e : kExercises) {
        const QString program = QString::fromLatin1(e.program);
        auto* button = new PictureButton(QString::fromUtf8(e.caption),
                                         platform::pictureIcon(appPath + QLatin1Char('/') + QLatin1String(e.picture)),
                                         client());
        button->setObjectName(QString::fromLatin1(e.button));
        button->setGeometry(platform::twipsRect(e.left, e.top, 2055, 1455));
        button->setAutoDefault(false);
        platform::onEvent(button, &QPushButton::clicked, this, [this, program] { startExercise(program); });
        exerciseButtons.push_back(button);
    }
    CB_Name = addButton(QStringLiteral("CB_Name"), QRect(4560, 4200, 2055, 1215),
                        QStringLiteral("Namen eingeben"), [this] { CB_Name_Click(); });
    Command8 = addButton(QStringLiteral("Command8"), QRect(6720, 4440, 2055, 735), {},
                         [this] { Command8_Click(); });
    Command8->setIcon(platform::pictureIcon(designPicturePath(DesignPicture::Ende)));
    Command8->setIconSize(QSize(platform::twipsToPixels(1800), platform::twipsToPixels(660)));
    buildMenu();
}

Form1::~Form1() = default;

void Form1::buildMenu()
{
    dasmenu = addMenu(QStringLiteral("dasmenu"), QStringLiteral("Lehrermenü"));
    M_Hilfe_Paket = addMenuItem(dasmenu, QStringLiteral("M_Hilfe_Paket"), QStringLiteral("Hilfe zum Programmpaket"),
                                [this] { M_Hilfe_Paket_Click(); });
    M_Hilfe_Paket->setShortcut(QKeySequence(Qt::Key_F1));
    addSeparator(dasmenu, QStringLiteral("M_wsgek"));
    M_Info = addMenuItem(dasmenu, QStringLiteral("M_Info"), QStringLiteral("Infos über die Programme"),
                         [] { TRAVEK::ShowInfo(); });
    addSeparator(dasmenu, QStringLiteral("M_wsge"));
    M_Protokolle = dasmenu->addMenu(QStringLiteral("Protokolle"));
    M_Protokolle->setObjectName(QStringLiteral("M_Protokolle"));
    M_ProtokolleAnzeigen = addMenuItem(M_Protokolle, QStringLiteral("M_ProtokolleAnzeigen"),
                                       QStringLiteral("Protokolle anzeigen"), [this] { M_ProtokolleAnzeigen_Click(); });
    M_Namen = addMenuItem(M_Protokolle, QStringLiteral("M_Namen"), QStringLiteral("Namen anzeigen und löschen"),
                          [this] { M_Namen_Click(); });
    addSeparator(dasmenu, QStringLiteral("M_sgr"));
    for (const QString& caption : {QStringLiteral("Eigene Wörterlisten für \"Bogenblick\""),
                                   QStringLiteral("und \"Fugolin\" erstellen")})
        WErstellen.push_back(addMenuItem(dasmenu, QStringLiteral("WErstellen"), caption,
                                         [this] { WErstellen_Click(); }));
    addSeparator(dasmenu, QStringLiteral("M_wg"));
    M_Optionen = addMenuItem(dasmenu, QStringLiteral("M_Optionen"), QStringLiteral("Optionen"),
                             [this] { M_Optionen_Click(); });
}

void Form1::Form_Load()
{
    setMenuVisible(dasmenu, false);
    setClientSizeTwips(kClientWidth, kClientHeight);
    endIfAnotherCopyRuns();
    if (platform::services().processes->isRunning(QStringLiteral("Pensumo.exe"))) {
        platform::msgBox(QString::fromUtf8(kTaskManagerRunning));
        unload();
        platform::End();
    }
    prepareDataFolder();
    LoadSuiteOptions(state_.options, state_.DataDir, OptionsReader::Launcher);
    display_.setUp(displayOptions(state_.options), MainWindowDisplay::Placement::Centre);
    Hilfe->setText(greeting({}));
    state_.HelpFile = helpFile(TRAVEK::AppPath(), state_.options);
    CB_Name->setVisible(state_.options.logging());
    if (state_.options.logging())
        askForName();
}

void Form1::endIfAnotherCopyRuns()
{
    if (instance_)
        return;
    instance_ = std::make_unique<platform::SingleInstance>(QStringLiteral("startomo"));
    if (instance_->anotherRunning()) {
        setCaption(QStringLiteral("-<[Zweite Instanz]>-"));
        unload();
        platform::End();
    }
}

void Form1::prepareDataFolder()
{
    state_.DataDir = TRAVEK::MakeDataFolder({QStringLiteral("DA Ravezure"), QStringLiteral("Tavoro")});
    platform::removeSaveLeftovers({state_.DataDir + QStringLiteral("/options4.ini"),
                                   state_.DataDir + QStringLiteral("/options4.bak"),
                                   logFolder() + QStringLiteral("/Namen.ini")});
    wordLists_.start(TRAVEK::AppPath(), state_.DataDir, this,
                     [this] { platform::runHandler([this] { needWordLists(); }); });
}

// What reads the received lists starts only once they are there and safe; a failure to receive
// them ends the launcher.
void Form1::needWordLists()
{
    platform::endOnError(wordLists_.finish());
}

void Form1::askForName()
{
    state_.PupilName = PupilNames::nameFromCommandLine(state_.CommandLine);
    if (!state_.PupilName.isEmpty()) {
        const QString folder = logFolder();
        platform::endOnError(PupilNames::ensureNameList(folder, TRAVEK::AppPath() + QStringLiteral("/Protokoll_2/Namen.ini")));
        const QString log = PupilNames::logFilePath(folder, state_.PupilName);
        if (!platform::fileExists(log))
            platform::endOnError(platform::appendTextLines(log, {}));
    }
    Hilfe->setText(greeting(state_.PupilName));
    if (state_.PupilName.isEmpty())
        CB_Name_Click();
}

QString Form1::logFolder() const
{
    return state_.DataDir + QStringLiteral("/Protokoll_2");
}

void Form1::CB_Name_Click()
{
    Man_Namen dialog(logFolder(), TRAVEK::AppPath() + QStringLiteral("/Protokoll_2/Namen.ini"), state_.PupilName);
    dialog.showModal();
    Hilfe->setText(greeting(state_.PupilName));
}

void Form1::Form_KeyDown(int& keyCode, int)
{
    TeacherMenu::toggleOnF6(*this, keyCode, dasmenu);
}

bool Form1::Form_QueryUnload(platform::UnloadMode mode)
{
    return mode != platform::UnloadMode::Code;
}

void Form1::Form_Unload()
{
    display_.tearDown();
}

void Form1::startExercise(const QString& program)
{
    needWordLists();
    const QString line = exerciseCommandLine(program, state_.options, state_.DataDir, state_.PupilName);
    if (!platform::services().processes->start(line)) {
        platform::msgBox(QString::fromUtf8(kProgramMissing));
        return;
    }
    if (state_.options.launcherStaysOpen())
        return;
    // The exercise's start does not wait for the launcher's end, not even on one core.
    platform::services().processes->stepAside();
    unload();
    platform::End();
}

void Form1::Command8_Click()
{
    unload();
    platform::End();
}

void Form1::M_Hilfe_Paket_Click()
{
    platform::services().help->open(state_.HelpFile, 99);
}

void Form1::WErstellen_Click()
{
    needWordLists();
    if (!platform::services().processes->start(TRAVEK::AppPath() + QStringLiteral("/Kartello.exe")))
        platform::msgBox(QString::fromUtf8(kProgramMissing));
}

void Form1::M_Optionen_Click()
{
    hide();
    state_.OptionsCaller = objectName();
    options_ = std::make_unique<Form2>(state_);
    options_->show();
}

void Form1::M_ProtokolleAnzeigen_Click()
{
    Man_Protokolle viewer({QStringLiteral("Man_Protokolle"), logFolder()});
    viewer.showModal();
}

void Form1::M_Namen_Click()
{
    Man_NamenAnzeigen list(QStringLiteral("Man_NamenAnzeigen"), logFolder(),
                           TRAVEK::AppPath() + QStringLiteral("/Protokoll_2/Namen.ini"), state_.PupilName);
    list.showModal();
}

} // namespace launcher
