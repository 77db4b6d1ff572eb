// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A program whose name is longer than the kernel's 15-character command name. It runs until
// its standard input closes (the test ends it) or it is killed.
#include <iostream>
#include <string>

int main()
{
    std::string line;
    std::getline(std::cin, line);
    return 0;
}
