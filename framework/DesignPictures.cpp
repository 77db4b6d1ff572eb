// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/DesignPictures.h"

#include "framework/TRAVEK.h"

QString designPicturePath(DesignPicture picture)
{
    static const char* const kFiles[] = {"richtig.png", "falsch.png", "ende.png", "weiter.png",
                                         "loeschen.png"};
    return TRAVEK::AppPath() + QStringLiteral("/design/")
           + QLatin1String(kFiles[static_cast<int>(picture)]);
}
