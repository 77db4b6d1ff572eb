// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/fakes.h"

#include "platform/forms/form.h"
#include "platform/services.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <memory>

// The fake services over the built program folder, with data and temp folders of the run's own,
// and the program folder as the current folder, as a program's start makes it.
struct FakeServices {
    QTemporaryDir root;

    FakeServices()
    {
        platform::Services& s = platform::services();
        auto paths = std::make_unique<testing_support::FakePaths>();
        paths->program = QStringLiteral(TAVORO_SUITE_DIR);
        paths->appData = root.path() + QStringLiteral("/appdata");
        paths->temp = root.path() + QStringLiteral("/temp");
        QDir().mkpath(paths->appData);
        QDir().mkpath(paths->temp);
        s.paths = std::move(paths);
        s.processes = std::make_unique<testing_support::FakeProcesses>();
        s.clock = std::make_unique<testing_support::FakeClock>();
        s.messages = std::make_unique<testing_support::FakeMessageBoxes>();
        s.help = std::make_unique<testing_support::FakeHelpViewer>();
        s.display = std::make_unique<testing_support::FakeDisplay>();
        platform::enterProgramFolder();
    }
};
// Answers every showing of the level dialog `dialog` with its button `caption`, noting the time
// it appeared in `shown`.
inline void answerLevelDialog(const QString& dialog, const QString& caption,
                              std::chrono::steady_clock::time_point& shown)
{
    platform::setFormShownHook([dialog, caption, &shown](platform::Form& form) {
        if (form.objectName() != dialog)
            return;
        shown = std::chrono::steady_clock::now();
        QTimer::singleShot(0, &form, [&form, caption] {
            for (QPushButton* button : form.findChildren<QPushButton*>())
                if (button->text() == caption)
                    button->click();
        });
    });
}
