// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/Man_Namen.h"

#include "framework/DesignPictures.h"

#include "framework/pupils/PupilNames.h"

#include "platform/forms/application.h"
#include "platform/forms/end.h"
#include "platform/forms/twips.h"
#include "platform/services.h"

namespace launcher {

Man_Namen::Man_Namen(QString folder, QString defaultList, QString& pupilName)
    : Form(QStringLiteral("Man_Namen")), folder_(std::move(folder)),
      defaultList_(std::move(defaultList)), pupilName_(pupilName)
{
    setCaption(QStringLiteral("QL Ornifant"));
    setClientSizeTwips(8580, 5370);
    Label2 = addLabel(QStringLiteral("Label2"), QRect(870, 240, 6135, 855));
    platform::setControlFont(Label2, QStringLiteral("Arial"), 12);
    Text1 = addTextBox(QStringLiteral("Text1"), QRect(1590, 1200, 4695, 480));
    Text1->setReadOnly(true);
    platform::setControlFont(Text1, QStringLiteral("Arial"), 14);
    List1 = addListBox(QStringLiteral("List1"), QRect(360, 2160, 4695, 2220), [this] { List1_Click(); });
    OK = addButton(QStringLiteral("OK"), QRect(5520, 2520, 1815, 1575), QStringLiteral("Weiter"),
                   [this] { OK_Click(); });
    OK->setIcon(platform::pictureIcon(designPicturePath(DesignPicture::Weiter)));
    OK->setIconSize(QSize(platform::twipsToPixels(1500), platform::twipsToPixels(700)));
}

void Man_Namen::Form_Load()
{
    setTopmost(true);
    centerOnScreen();
    platform::endOnError(PupilNames::ensureNameList(folder_, defaultList_));
    const platform::TextFile list = PupilNames::readNameList(folder_);
    platform::endOnError(list.error);
    List1->addItems(PupilNames::offeredNames(list.lines));
    Label2->setText(QStringLiteral("Hallo, schön dass Du üben möchtest!\r\nGib bitte deinen Namen ein:"));
}

void Man_Namen::Form_KeyDown(int& keyCode, int)
{
    // Enter presses the default button.
    if (platform::takeKey(keyCode, {platform::kKeyReturn}))
        OK_Click();
}

void Man_Namen::Form_KeyPress(int& keyAscii)
{
    QString field = Text1->text();
    PupilNames::filterKey(keyAscii, field);
    Text1->setText(field);
}

bool Man_Namen::Form_QueryUnload(platform::UnloadMode mode)
{
    return mode != platform::UnloadMode::Code;
}

void Man_Namen::List1_Click()
{
    if (QListWidgetItem* item = List1->currentItem())
        Text1->setText(item->text());
}

void Man_Namen::OK_Click()
{
    const QString name = PupilNames::confirmedName(Text1->text());
    if (name.isEmpty())
        return;
    pupilName_ = name;
    platform::endOnError(PupilNames::registerName(folder_, name));
    unload();
}

} // namespace launcher
