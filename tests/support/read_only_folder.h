// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace testing_support {

// A folder that refuses every write, as a read-only disk or a locked-down profile does: the
// folder bound read-only over itself for the object's life, so even root meets the refusal.
// Binding needs the right to mount (root, as in CI); without it `mounted()` is false and the
// test skips.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(QString folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool mounted() const { return mounted_; }

private:
    QString folder_;
    bool mounted_ = false;
};

} // namespace testing_support
