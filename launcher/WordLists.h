// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/files.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>

namespace launcher {

// Copies each central word list of appPath/Listen into dataDir/Listen when the user has never
// received it or when it changed since it was last received (dataDir/Listen/Server holds the
// lists as last received), on a thread of its own, so that no window waits for the disk. The
// copies are made safe together at the end; the first failure stops the run, and the lists
// copied before it are received. A program that ends during the run abandons it.
class WordListSync {
public:
    WordListSync() = default;
    ~WordListSync();
    WordListSync(const WordListSync&) = delete;
    WordListSync& operator=(const WordListSync&) = delete;

    // `done` runs in `context`'s thread once the run has ended.
    void start(const QString& appPath, const QString& dataDir, QObject* context = nullptr,
               std::function<void()> done = {});
    // Waits until the run has ended; its failure.
    platform::FileError finish();

private:
    platform::FileError write(const QString& appPath, const QString& dataDir);

    platform::CopyBatch copies_;
    std::atomic<bool> stopping_{false};
    std::thread run_;
    platform::FileError result_;
};

} // namespace launcher
