// Holds the settings lock on a file until it is killed, as another computer's options dialog would.
#include "platform/files.h"

#include <unistd.h>

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    platform::FileLock lock(QString::fromLocal8Bit(argv[1]));
    if (lock.acquire().failed())
        return 1;
    std::cout << "locked" << std::endl;
    for (;;)
        ::pause();
}
