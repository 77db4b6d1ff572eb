#include "end.h"

#include "form.h"

#include <QCoreApplication>

namespace platform {

namespace {
bool g_ended = false;

void closeEverything()
{
    // End runs no unload code: the forms are just hidden, which also closes their modal loops.
    for (Form* form : std::vector<Form*>(loadedForms()))
        form->QWidget::setVisible(false);
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
