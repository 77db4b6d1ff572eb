// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/LevelChoice.h"

#include "framework/SStufe.h"

int askLevel(LevelDialog& dialog, const QStringList& captions, const QString& ownPicturesCaption)
{
    dialog.load();
    for (int i = 0; i < captions.size() && i < static_cast<int>(dialog.Stufe.size()); ++i)
        dialog.Stufe[static_cast<std::size_t>(i)]->setText(captions.at(i));
    if (!ownPicturesCaption.isEmpty()) {
        dialog.Stufe.back()->setText(ownPicturesCaption);
        dialog.Stufe.back()->show();
        dialog.setHeightTwips(dialog.heightTwips() + 840);
    }
    dialog.showModal();
    bool ok = false;
    const int index = platform::tag(dialog.Stufe.front()).toInt(&ok);
    dialog.unload();
    return ok ? index : -1;
}
