// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "taskmanager/Namen.h"

#include "framework/pupils/PupilNames.h"

#include "platform/forms/application.h"
#include "platform/services.h"

namespace taskmanager {

Namen::Namen(QString folder, QString& pupilName)
    : platform::Form(QStringLiteral("Namen")), folder_(std::move(folder)), pupilName_(pupilName)
{
    setCaption(QStringLiteral("Namen eingeben"));
    setClientSizeTwips(5430, 5070);
    Label1 = addLabel(QStringLiteral("Label1"), QRect(120, 120, 5055, 495), QStringLiteral("Gib deinen Namen ein:"));
    platform::setControlFont(Label1, QStringLiteral("Arial"), 12);
    Text1 = addTextBox(QStringLiteral("Text1"), QRect(240, 840, 4935, 615));
    platform::setControlFont(Text1, QStringLiteral("Arial"), 14);
    List1 = addListBox(QStringLiteral("List1"), QRect(240, 1800, 4935, 2235), [this] { List1_Click(); });
    OK = addButton(QStringLiteral("OK"), QRect(1080, 4320, 3135, 495), QStringLiteral("Weiter"), [this] { OK_Click(); });
    OK->setDefault(true);
}

void Namen::Form_Load()
{
    centerOnScreen();
    const platform::TextFile list = PupilNames::readNameList(folder_);
    if (list.error.failed())
        platform::msgBox(list.error.message);
    List1->addItems(PupilNames::offeredNames(list.lines));
}

void Namen::Form_KeyDown(int& keyCode, int)
{
    // Enter presses "Weiter", the default button.
    if (platform::takeKey(keyCode, {platform::kKeyReturn}))
        OK_Click();
}

bool Namen::Form_QueryUnload(platform::UnloadMode mode)
{
    // Only "Weiter" leaves the dialog.
    return mode != platform::UnloadMode::Code;
}

void Namen::List1_Click()
{
    if (QListWidgetItem* item = List1->currentItem())
        Text1->setText(item->text());
}

void Namen::OK_Click()
{
    const QString name = PupilNames::confirmedName(Text1->text());
    if (name.isEmpty())
        return;
    // A list that cannot be written is reported; the pupil still goes on under the name.
    if (const platform::FileError error = PupilNames::registerName(folder_, name); error.failed())
        platform::msgBox(error.message);
    pupilName_ = name;
    unload();
}

} // namespace taskmanager
