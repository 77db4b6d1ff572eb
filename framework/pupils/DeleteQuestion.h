// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QListWidget;
class QListWidgetItem;

// The teacher's dialogs delete the selected entry of a list only after a Yes to `question`, whose
// %1 is the entry's text. Returns that entry, or nullptr when none is selected or the answer is No.
QListWidgetItem* confirmedDeletion(const QListWidget& list, const QString& question);
