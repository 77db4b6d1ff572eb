// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One fuzz case: a real program on its own copy of the program folder and its own data, temp,
// runtime and home folders, on a private X server, driven by real clicks to where it reads the
// damaged input, then ended by SIGTERM as a logout ends it; afterwards the folders around it
// are checked.

#include "tests/fuzz/fuzz_inputs.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <filesystem>
#include <map>
#include <string>

#include <sys/types.h>

namespace testing_support {
class PrivateXServer;
}

namespace fuzz {

// Every entry below a folder: its kind, size and modification time.
using Snapshot = std::map<std::string, std::string>;
Snapshot snapshot(const std::filesystem::path& folder);
// The entries added, removed or changed, one per line.
QStringList differences(const Snapshot& before, const Snapshot& after);

// A copy of a folder whose executables are hard links (copies where the file system has none):
// a program that writes its own folder changes the copy, not the original.
void copyFolder(const QString& from, const QString& to);

struct Fault {
    QString kind;
    QString text;
};

// Fault kinds.
inline const QString kCrash = QStringLiteral("crash");
inline const QString kSanitizer = QStringLiteral("sanitizer report");
inline const QString kHang = QStringLiteral("no end on SIGTERM");
inline const QString kOutside = QStringLiteral("written outside the data folder or TMPDIR");
inline const QString kLeftBehind = QStringLiteral("left behind");
inline const QString kLeftRunning = QStringLiteral("left running");
inline const QString kNotStarted = QStringLiteral("not started");

class FuzzRun {
public:
    // Starts the case's program on `x`, in a new folder below `base`, with a copy of `programFolder`.
    FuzzRun(const Case& c, const testing_support::PrivateXServer& x, const QString& base, const QString& programFolder);
    ~FuzzRun();
    FuzzRun(const FuzzRun&) = delete;
    FuzzRun& operator=(const FuzzRun&) = delete;

    // Done once the program and everything it started have ended and the folders are checked.
    bool step();
    const std::vector<Fault>& faults() const { return faults_; }
    // The windows acted on and the signal, with their times.
    QString trace() const { return trace_.join(QStringLiteral(", ")); }
    QString folderName() const;

private:
    enum class Phase { Steps, Idle, Terminating, Draining, Done };

    void start();
    void look();
    qint64 quietFor() const { return clock_.elapsed() - quietSince_; }
    void doSteps();
    void nextStep();
    void terminate(bool idle);
    void ended(int status);
    void finish();
    void checkProcesses();
    void checkSanitizers();
    void checkFolders();
    bool mayWrite(const QString& path) const;
    void fault(const QString& kind, const QString& text);

    const Case& case_;
    const testing_support::PrivateXServer& x_;
    QTemporaryDir dir_;
    CaseFolders folders_;
    QString root_;
    QString arguments_;
    QString damage_;
    Snapshot programBefore_;
    pid_t pid_ = -1;
    QElapsedTimer clock_;
    Phase phase_ = Phase::Steps;
    std::size_t step_ = 0;
    int acts_ = 0;
    qint64 lastCpu_ = -1;
    qint64 quietSince_ = 0;
    qint64 sentAt_ = 0;
    qint64 endedAt_ = 0;
    bool sentIdle_ = false;
    bool killed_ = false;
    QStringList trace_;
    std::vector<Fault> faults_;
};

} // namespace fuzz
