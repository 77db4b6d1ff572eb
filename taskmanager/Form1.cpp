// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "taskmanager/Form1.h"

#include "taskmanager/Form2.h"
#include "taskmanager/Namen.h"
#include "taskmanager/PackageOptions.h"

#include "framework/TRAVEK.h"

#include "framework/pupils/Man_NamenAnzeigen.h"
#include "framework/pupils/Man_Protokolle.h"
#include "framework/pupils/PupilNames.h"

#include "platform/files.h"
#include "platform/forms/end.h"
#include "platform/services.h"

#include <QDir>

namespace taskmanager {

Form1::Form1(TaskManagerState& state) : platform::Form(QStringLiteral("Form1")), state_(state)
{
    setCaption(QStringLiteral("QL Pensumo"));
    setMinimizeBox(false);   // added at start-up unless the backdrop is shown
    QMenu* Zusammen = addMenu(QStringLiteral("Zusammen"), QStringLiteral("Aufgabenzusammenstellung"));
    for (int i = 0; i < kSetCount; ++i) {
        Nr[i] = setItems_.add(addMenuItem(Zusammen, QStringLiteral("Nr%1").arg(i + 1),
                                          QStringLiteral("Nr. %1 :").arg(i + 1), [this, i] { Nr_Click(i + 1); }));
    }
    QMenu* Einstell = addMenu(QStringLiteral("Einstell"), QStringLiteral("Optionen"));
    addMenuItem(Einstell, QStringLiteral("Einstellungen"), QStringLiteral("Einstellungen"),
                [this] { Einstellungen_Click(); });
    addMenuItem(Einstell, QStringLiteral("Anzeigen"), QStringLiteral("Protokolle anzeigen"),
                [this] { Anzeigen_Click(); });
    addMenuItem(Einstell, QStringLiteral("NamenAnz"), QStringLiteral("Namen anzeigen und löschen"),
                [this] { NamenAnz_Click(); });
    setClientSizeTwips(3465, 3585);

    Command1 = addButton(QStringLiteral("Command1"), QRect(405, 240, 2655, 1215), QStringLiteral("Los geht's"),
                         [this] { Command1_Click(); });
    CB_Name = addButton(QStringLiteral("CB_Name"), QRect(405, 1680, 2655, 735), QStringLiteral("Name eingeben"),
                        [this] { CB_Name_Click(); });
    CB_Name->hide();
    EndeKnopf = addButton(QStringLiteral("EndeKnopf"), QRect(405, 2520, 2655, 735), {},
                          [this] { EndeKnopf_Click(); });
    for (QPushButton* button : {Command1, CB_Name})
        platform::setControlFont(button, QStringLiteral("Arial"), 14.25, true);
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    state_.AppPath = TRAVEK::AppPath();
    moveTwips(0, 0);
    EndeKnopf->setIcon(platform::loadPicture(state_.AppPath + QStringLiteral("/design/ende.png")));
    EndeKnopf->setIconSize(EndeKnopf->size());
    const MainWindowDisplayOptions display = readPackage();
    prepareFolders();
    display_.setUp(display, MainWindowDisplay::Placement::Keep);
    init();
    if (state_.settings.loggingOn()) {
        show();
        askNameWhenLogging();
    }
}

MainWindowDisplayOptions Form1::readPackage()
{
    const QString managerSource = state_.AppPath + QStringLiteral("/manager.ini");
    const platform::TextFile source = platform::readTextFile(managerSource);
    platform::endOnError(source.error);
    const QString code = source.lines.isEmpty() ? QString() : readField(source.lines.first());
    const PackageInfo package = packageInfo(code);
    QStringList levels{QStringLiteral("DA Ravezure")};
    if (!package.folder.isEmpty())
        levels << package.folder;
    state_.PackageDir = TRAVEK::MakeDataFolder(levels);
    if (code == QLatin1String("PL"))
        QDir().mkpath(state_.PackageDir + QStringLiteral("/Ornifant"));
    removeSaveLeftovers(code, package);
    return loadPackageOptions(package, state_.PackageDir, state_.AppPath);
}

// What the task manager rewrites in its package folder.
void Form1::removeSaveLeftovers(const QString& code, const PackageInfo& package) const
{
    QStringList files = assignmentResultsFiles(code, state_.PackageDir);
    files << state_.managerFile() << state_.logFolder() + QStringLiteral("/Namen.ini");
    for (const QString& options : {package.optionsFile, package.optionsBackup})
        if (!options.isEmpty())
            files << state_.PackageDir + QLatin1Char('/') + options;
    platform::removeSaveLeftovers(files);
}

void Form1::prepareFolders()
{
    const QString defaultNames = state_.AppPath + QStringLiteral("/Protokoll/Namen.ini");
    // Without its name list and task sets the start-up cannot go on.
    platform::FileError error = PupilNames::ensureNameList(state_.logFolder(), defaultNames);
    if (!error.failed() && platform::fileMissingOrEmpty(state_.managerFile()))
        error = platform::copyFileKeepingTime(state_.AppPath + QStringLiteral("/manager.ini"), state_.managerFile());
    if (error.failed()) {
        platform::msgBox(error.message);
        platform::End();
    }
}

void Form1::init()
{
    const ManagerRead file = readManagerFile(state_.managerFile());
    if (file.error.failed()) {
        platform::msgBox(file.error.message);
        return;
    }
    state_.settings = file.settings;
    for (int i = 0; i < kSetCount; ++i)
        Nr[i]->setText(QStringLiteral("Nr. %1: ").arg(i + 1) + state_.settings.sets[i].name);
    const int active = state_.settings.activeSet;
    if (active >= 1 && active <= kSetCount)
        Nr_Click(active);
}

void Form1::Nr_Click(int set)
{
    state_.settings.activeSet = set;
    MenuInit();
    setItems_.check(Nr[set - 1]);
    AktivSave();
}

void Form1::MenuInit()
{
    const TaskSet& set = state_.settings.sets[state_.settings.activeSet - 1];
    for (int p = 0; p < kPositions; ++p)
        state_.active[p] = resolveProgram(state_.settings.Programmpaket, set.indices[p], state_.AppPath);
}

void Form1::AktivSave()
{
    if (const auto error = saveActiveSet(state_.managerFile(), state_.settings.activeSet); error.failed())
        platform::msgBox(error.message);
}

void Form1::Command1_Click()
{
    const bool logging = state_.settings.loggingOn();
    if (logging && state_.PupilName.isEmpty())
        CB_Name_Click();
    if (logging && state_.PupilName.isEmpty())
        return;
    setEnabled(false);
    const QString taskLog = logging ? PupilNames::logFilePath(state_.logFolder(), state_.PupilName) : QString();
    TaskRun(state_.settings.Programmpaket, state_.PackageDir)
        .run(state_.active, state_.settings.allowedErrors, taskLog);
    setEnabled(true);
    activateWindow();
    Command1->setFocus();
}

void Form1::askNameWhenLogging()
{
    CB_Name->setVisible(state_.settings.loggingOn());
    if (state_.settings.loggingOn() && state_.PupilName.isEmpty())
        CB_Name_Click();
}

void Form1::CB_Name_Click()
{
    Namen entry(state_.logFolder(), state_.PupilName);
    entry.showModal();
}

void Form1::Einstellungen_Click()
{
    {
        Form2 editor(state_);
        editor.showModal();
    }
    init();
    askNameWhenLogging();
    if (!state_.settings.loggingOn())
        state_.PupilName.clear();
}

void Form1::Anzeigen_Click()
{
    Man_Protokolle::Setup setup;
    setup.formName = QStringLiteral("Protokolle");
    setup.folder = state_.logFolder();
    setup.createFolder = false;
    setup.clientWidth = 8055;
    setup.textWidth = 5175;
    Man_Protokolle viewer(setup);
    viewer.showModal();
}

void Form1::NamenAnz_Click()
{
    {
        Man_NamenAnzeigen list(QStringLiteral("NamenAnzeigen"), state_.logFolder(), {}, state_.PupilName);
        list.showModal();
    }
    if (state_.settings.loggingOn())
        askNameWhenLogging();
}

void Form1::EndeKnopf_Click()
{
    unload();
    platform::End();
}

bool Form1::Form_QueryUnload(platform::UnloadMode)
{
    return true;
}

void Form1::Form_Unload()
{
    display_.tearDown();
}

} // namespace taskmanager
