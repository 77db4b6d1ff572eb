// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/end.h"

#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/files.h"
#include "platform/services.h"
#include "platform/termination.h"

#include <QCoreApplication>

namespace platform {

namespace {
bool g_ended = false;
int g_depth = 0;

void closeEverything()
{
    // End runs no unload code: the forms are just hidden, which also closes their modal loops,
    // and the open dialogs (message boxes) are closed.
    for (Form* form : std::vector<Form*>(loadedForms()))
        form->hide();
    closeOpenDialogs();
    // Only a running main loop is told to end: an exit without one would make every later
    // event loop of the process return at once.
    if (Application::mainLoopRunning())
        QCoreApplication::exit(0);
}

bool mayRun(Entry entry)
{
    if (closingBySystem())
        return true;
    if (g_ended)
        return false;
    return entry == Entry::Unload || !terminationRequested();
}

struct Depth {
    Depth() { ++g_depth; }
    ~Depth() { --g_depth; }
    Depth(const Depth&) = delete;
    Depth& operator=(const Depth&) = delete;
};
} // namespace

void End()
{
    g_ended = true;
    throw ProgramEnded{};
}

void endOnError(const FileError& error)
{
    if (!error.failed())
        return;
    msgBox(error.message);
    End();
}

bool programEnded()
{
    return g_ended;
}

void resetProgramEnded()
{
    g_ended = false;
}

void runHandler(const std::function<void()>& handler, Entry entry)
{
    if (!mayRun(entry))
        return;
    {
        const Depth depth;
        try {
            handler();
        } catch (const ProgramEnded&) {
            closeEverything();
        }
    }
    if (g_depth == 0)
        finishTermination();
}

bool handlerRunning()
{
    return g_depth > 0;
}

void unwindIfEnding()
{
    if (handlerRunning() && !closingBySystem() && (g_ended || terminationRequested()))
        throw ProgramEnded{};
}

} // namespace platform
