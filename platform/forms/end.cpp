#include "end.h"

#include "application.h"
#include "form.h"

#include <QCoreApplication>

namespace platform {

namespace {
bool g_ended = false;

void closeEverything()
{
    // End runs no unload code: the forms are just hidden, which also closes their modal loops.
    for (Form* form : std::vector<Form*>(loadedForms()))
        form->hide();
    // Only a running main loop is told to end: an exit without one would make every later
    // event loop of the process return at once.
    if (Application::mainLoopRunning())
        QCoreApplication::exit(0);
}
} // namespace

void End()
{
    g_ended = true;
    throw ProgramEnded{};
}

bool programEnded()
{
    return g_ended;
}

void resetProgramEnded()
{
    g_ended = false;
}

void runHandler(const std::function<void()>& handler)
{
    if (g_ended)
        return;
    try {
        handler();
    } catch (const ProgramEnded&) {
        closeEverything();
    }
}

} // namespace platform
