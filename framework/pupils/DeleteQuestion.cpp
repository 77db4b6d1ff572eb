// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/pupils/DeleteQuestion.h"

#include "platform/services.h"

#include <QListWidget>

QListWidgetItem* confirmedDeletion(const QListWidget& list, const QString& question)
{
    QListWidgetItem* item = list.currentItem();
    if (!item || !item->isSelected())
        return nullptr;
    const platform::MessageAnswer answer = platform::msgBox(question.arg(item->text()), platform::MessageButtons::YesNo);
    return answer == platform::MessageAnswer::Yes ? item : nullptr;
}
