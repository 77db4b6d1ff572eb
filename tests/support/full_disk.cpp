// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/full_disk.h"

#include <QFile>

#include <sys/mount.h>

namespace testing_support {

FullDisk::FullDisk(QString folder) : folder_(std::move(folder))
{
    mounted_ = ::mount("tavoro-full", QFile::encodeName(folder_).constData(), "tmpfs", 0, "size=64k,mode=0700") == 0;
}

FullDisk::~FullDisk()
{
    if (mounted_)
        ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
}

void FullDisk::fill() const
{
    QFile filler(folder_ + QStringLiteral("/.filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return;
    const QByteArray page(4096, 'x');
    while (filler.write(page) == page.size()) {
    }
    while (filler.write("x", 1) == 1) {
    }
}

} // namespace testing_support
