// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/termination.h"

#include "platform/forms/end.h"
#include "platform/forms/form.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QSocketNotifier>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

namespace platform {

namespace {

int g_pipe[2] = {-1, -1};
bool g_requested = false;
bool g_closing = false;
bool g_finished = false;

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
}

// Nothing waits for the user any more: the modal loops end, and every loop started later
// returns at once.
void stopWaiting()
{
    closeOpenDialogs();
    for (Form* form : std::vector<Form*>(loadedForms()))
        if (form->isModal())
            form->hide();
    QCoreApplication::exit(0);
}

// Carries the signal from the pipe into the program, once.
class TerminationNotice : public QObject {
    Q_OBJECT
public:
    explicit TerminationNotice(QObject* parent) : QObject(parent)
    {
        auto* notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [notifier] {
            notifier->setEnabled(false);
            g_requested = true;
            stopWaiting();
            // Inside a handler the close waits until the handlers have been unwound.
            if (!handlerRunning())
                finishTermination();
        });
    }

signals:
    void terminating();
};

TerminationNotice* notice()
{
    static TerminationNotice* instance = nullptr;
    if (instance || !qApp || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return instance;
    instance = new TerminationNotice(qApp);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
    return instance;
}

bool stillLoaded(const Form* form)
{
    const auto& forms = loadedForms();
    return std::find(forms.begin(), forms.end(), form) != forms.end();
}

} // namespace

void handleTermination()
{
    notice();
}

void onTermination(QObject* context, std::function<void()> handler)
{
    if (TerminationNotice* n = notice())
        QObject::connect(n, &TerminationNotice::terminating, context, std::move(handler));
}

bool terminationRequested()
{
    return g_requested;
}

bool closingBySystem()
{
    return g_closing;
}

bool pauseUnlessTerminated(int ms)
{
    if (g_pipe[0] < 0) {
        QThread::msleep(static_cast<unsigned long>(std::max(ms, 0)));
        return false;
    }
    QDeadlineTimer deadline(std::max(ms, 0));
    pollfd signal{g_pipe[0], POLLIN, 0};
    int ready = 0;
    do
        ready = ::poll(&signal, 1, static_cast<int>(deadline.remainingTime()));
    while (ready < 0 && errno == EINTR);
    return ready > 0;
}

void closeOpenDialogs()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
            dialog->reject();
}

void finishTermination()
{
    if (!g_requested || g_finished)
        return;
    g_finished = true;
    g_closing = true;
    if (TerminationNotice* n = notice())
        emit n->terminating();
    // Forms unloaded by an earlier one's unload (a backdrop) are skipped.
    for (Form* form : std::vector<Form*>(loadedForms()))
        if (stillLoaded(form))
            form->unload();
    runHandler([] { End(); });
    // From here on the program has ended: no handler runs any more, not even one that the same
    // event would still have called.
    g_closing = false;
}

} // namespace platform

#include "termination.moc"
