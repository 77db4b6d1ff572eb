#pragma once

#include "fakes.h"

#include "platform/services.h"

#include <QDir>
#include <QTemporaryDir>

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
        QDir::setCurrent(QStringLiteral(TAVORO_SUITE_DIR));
    }
};
