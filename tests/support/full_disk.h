// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace testing_support {

// A real, small file system that runs full: a 64 KB tmpfs mounted over `folder` for the
// object's life. Mounting needs the right to mount (root, as in CI); without it `mounted()`
// is false and the test skips.
class FullDisk {
public:
    explicit FullDisk(QString folder);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool mounted() const { return mounted_; }
    // Takes every free byte: from now on no write into the folder can complete.
    void fill() const;

private:
    QString folder_;
    bool mounted_ = false;
};

} // namespace testing_support
