#pragma once

#include <QObject>

#include <functional>

// SIGTERM and SIGHUP (a logout, a shutdown) reach the program as an ordinary event on its one
// thread: the handlers run, then the program ends with code 0 as End ends it.
namespace platform {

// `handler` runs at most once, on the first of the signals, as long as `context` lives.
void onTermination(QObject* context, std::function<void()> handler);

// True once a signal's handlers have run: the pauses still to come are skipped.
bool terminationRequested();

// Waits `ms` as a blocking pause does, but a signal cuts the wait short; true when one did.
bool pauseUnlessTerminated(int ms);

} // namespace platform
