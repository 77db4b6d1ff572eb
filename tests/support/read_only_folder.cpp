// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/read_only_folder.h"

#include <QFile>

#include <sys/mount.h>

namespace testing_support {

ReadOnlyFolder::ReadOnlyFolder(QString folder) : folder_(std::move(folder))
{
    const QByteArray path = QFile::encodeName(folder_);
    if (::mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) != 0)
        return;
    mounted_ = true;
    if (::mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
        ::umount2(path.constData(), MNT_DETACH);
        mounted_ = false;
    }
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (mounted_)
        ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
}

} // namespace testing_support
