// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/pupils/Man_NamenAnzeigen.h"

#include "framework/pupils/DeleteQuestion.h"
#include "framework/pupils/PupilNames.h"

#include "platform/forms/application.h"
#include "platform/forms/end.h"
#include "platform/services.h"

Man_NamenAnzeigen::Man_NamenAnzeigen(const QString& formName, QString folder, QString defaultList,
                                     QString& pupilName)
    : Form(formName), folder_(std::move(folder)), defaultList_(std::move(defaultList)),
      pupilName_(pupilName)
{
    setCaption(QStringLiteral("Namen löschen"));
    setClientSizeTwips(5430, 4380);
    List1 = addListBox(QStringLiteral("List1"), QRect(240, 240, 4935, 3105), {});
    Command1 = addButton(QStringLiteral("Command1"), QRect(240, 3600, 2295, 495),
                         QStringLiteral("Name löschen"), [this] { Command1_Click(); });
    OK = addButton(QStringLiteral("OK"), QRect(2880, 3600, 2295, 495), QStringLiteral("Zurück"),
                   [this] { OK_Click(); });
}

void Man_NamenAnzeigen::Form_Load()
{
    centerOnScreen();
    platform::FileError error;
    if (!defaultList_.isEmpty())
        error = PupilNames::ensureNameList(folder_, defaultList_);
    const platform::TextFile list = PupilNames::readNameList(folder_);
    if (!error.failed())
        error = list.error;
    platform::endOnError(error);
    List1->addItems(list.lines);
}

void Man_NamenAnzeigen::Form_KeyDown(int& keyCode, int)
{
    // Esc presses "Zurück".
    if (platform::takeKey(keyCode, {platform::kKeyEscape}))
        OK_Click();
}

void Man_NamenAnzeigen::Command1_Click()
{
    QListWidgetItem* item = confirmedDeletion(*List1, QStringLiteral("Soll der Name %1 wirklich gelöscht werden?"));
    if (!item)
        return;
    const QString name = item->text();
    if (name == pupilName_)
        pupilName_.clear();
    deleted_.append(name);
    delete List1->takeItem(List1->row(item));
}

void Man_NamenAnzeigen::OK_Click()
{
    if (const platform::FileError e = PupilNames::removeNames(folder_, deleted_); e.failed())
        platform::msgBox(e.message);
    unload();
}
