// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Holds the settings lock on a file until its standard input closes or it is killed, as another
// program's options dialog would.
#include "platform/files.h"

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    platform::FileLock lock(QString::fromLocal8Bit(argv[1]));
    if (lock.acquire().failed())
        return 1;
    std::cout << "locked" << std::endl;
    std::string line;
    std::getline(std::cin, line);
    return 0;
}
