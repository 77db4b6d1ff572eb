#include "termination.h"

#include "forms/end.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
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

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
}

// Carries the signal from the pipe to the handlers, once.
class TerminationNotice : public QObject {
    Q_OBJECT
public:
    explicit TerminationNotice(QObject* parent) : QObject(parent)
    {
        auto* notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, notifier] {
            notifier->setEnabled(false);
            g_requested = true;
            emit terminating();
            // Ended as End ends it: a form shown modally at start-up would otherwise just close
            // and leave the program to run on into its main loop.
            runHandler([] { End(); });
            QCoreApplication::exit(0);
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

} // namespace

void onTermination(QObject* context, std::function<void()> handler)
{
    if (TerminationNotice* n = notice())
        QObject::connect(n, &TerminationNotice::terminating, context, std::move(handler));
}

bool terminationRequested()
{
    return g_requested;
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

} // namespace platform

#include "termination.moc"
