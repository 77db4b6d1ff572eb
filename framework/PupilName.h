// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A pupil name as the name dialog accepts it: blanks, 0-9, A-Z and a-z, not empty. Only such a
// name may become a log file name.
bool isValidPupilName(const QString& name);
