// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The pictures of the windows' own controls, kept in the program folder under "design/".
enum class DesignPicture { Richtig, Falsch, Ende, Weiter, Loeschen };

QString designPicturePath(DesignPicture picture);
