// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/SuiteOptions.h"

#include "platform/files.h"

#include <QString>

#include <memory>

namespace launcher {

// The options dialog's hold on "options4.ini": locked from opening until the rewrite, so that
// a second dialog, also on another computer, refuses to open and readers wait.
class OptionsEditor {
public:
    enum class Opened { Ok, InUse, Failed };

    explicit OptionsEditor(const QString& dataDir);
    ~OptionsEditor();

    // Takes the lock and reads the file: lines 1 to 10 over `current` where present, so
    // `loaded()` is `current` with them and line 11 (0 when missing).
    Opened open(SuiteOptions& current);
    const SuiteOptions& loaded() const { return loaded_; }
    const QString& error() const { return error_; }

    // Rewrites all eleven lines through a temporary file while the lock is held, then lets go.
    // On failure the old file stays and the lock is kept.
    platform::FileError save(const SuiteOptions& values);
    void release();

    // Line 2 always follows line 1 and is not compared.
    static bool changed(const SuiteOptions& before, const SuiteOptions& after);

    static const char* const kInUseMessage;

private:
    QString path_;
    std::unique_ptr<platform::FileLock> lock_;
    SuiteOptions loaded_;
    QString error_;
};

} // namespace launcher
