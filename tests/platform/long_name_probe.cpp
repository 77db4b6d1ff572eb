// A program whose name is longer than the kernel's 15-character command name.
#include <chrono>
#include <thread>

int main()
{
    std::this_thread::sleep_for(std::chrono::seconds(20));
    return 0;
}
