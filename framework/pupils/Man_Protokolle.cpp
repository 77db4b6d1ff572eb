// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/pupils/Man_Protokolle.h"

#include "framework/pupils/DeleteQuestion.h"
#include "framework/pupils/LogFolder.h"

#include "platform/files.h"
#include "platform/forms/application.h"
#include "platform/services.h"

#include <QDir>

Man_Protokolle::Man_Protokolle(Setup setup)
    : Form(setup.formName), setup_(std::move(setup))
{
    setCaption(QStringLiteral("Protokolle anzeigen"));
    setClientSizeTwips(setup_.clientWidth, 5880);
    File1 = addListBox(QStringLiteral("File1"), QRect(240, 240, 2055, 3600), [this] { File1_Click(); });
    Text1 = addMultiLineTextBox(QStringLiteral("Text1"), QRect(2520, 240, setup_.textWidth, 5295));
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Command2 = addButton(QStringLiteral("Command2"), QRect(240, 4080, 2055, 615),
                         QStringLiteral("ausgewähltes Protokoll löschen"), [this] { Command2_Click(); });
    Command1 = addButton(QStringLiteral("Command1"), QRect(240, 4920, 2055, 615),
                         QStringLiteral("Zurück"), [this] { Command1_Click(); });
}

void Man_Protokolle::Form_Load()
{
    centerOnScreen();
    if (setup_.createFolder && !platform::folderExists(setup_.folder))
        QDir().mkpath(setup_.folder);
    refresh();
}

void Man_Protokolle::Form_KeyDown(int& keyCode, int)
{
    // Esc presses "Zurück".
    if (platform::takeKey(keyCode, {platform::kKeyEscape}))
        Command1_Click();
}

void Man_Protokolle::refresh()
{
    const QSignalBlocker quiet(File1);
    File1->clear();
    File1->addItems(LogFolder::logNames(setup_.folder));
}

void Man_Protokolle::File1_Click()
{
    const QListWidgetItem* item = File1->currentItem();
    if (!item)
        return;
    const QString path = setup_.folder + QLatin1Char('/') + item->text();
    const LogFolder::LogText log = LogFolder::readLog(path);
    if (log.error.failed()) {
        platform::msgBox(log.error.message);
        return;
    }
    Text1->setPlainText(log.text);
    platform::setTag(Text1, path);
}

void Man_Protokolle::Command2_Click()
{
    const QListWidgetItem* item = confirmedDeletion(*File1, QStringLiteral("Wollen Sie die Datei %1 wirklich löschen?"));
    if (!item)
        return;
    const QString name = item->text();
    const QString path = setup_.folder + QLatin1Char('/') + name;
    if (const platform::FileError e = platform::removeFile(path); e.failed()) {
        platform::msgBox(e.message);
        return;
    }
    if (platform::tag(Text1) == path) {
        Text1->clear();
        platform::setTag(Text1, {});
    }
    refresh();
}

void Man_Protokolle::Command1_Click()
{
    unload();
}
