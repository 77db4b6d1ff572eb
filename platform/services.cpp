// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/services.h"

#include "platform/help_window.h"
#include "platform/printer.h"
#include "platform/printer_on_demand.h"
#include "platform/real_services.h"
#include "platform/termination.h"

#include <QDir>
#include <QStringList>

namespace platform {

Services::Services() = default;
Services::~Services() = default;

Services& services()
{
    static Services current;
    return current;
}

void startProgram(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    Services& s = services();
    s.paths = std::make_unique<RealPaths>();
    s.processes = std::make_unique<RealProcesses>(arguments);
    s.clock = std::make_unique<RealClock>();
    s.messages = std::make_unique<RealMessageBoxes>();
    s.help = std::make_unique<RealHelpViewer>();
    s.display = std::make_unique<RealDisplay>();
    s.printer = std::make_unique<PrinterOnDemand>();
    handleTermination();
    enterProgramFolder();
}

bool enterProgramFolder()
{
    return QDir::setCurrent(services().paths->programFolder());
}

} // namespace platform
