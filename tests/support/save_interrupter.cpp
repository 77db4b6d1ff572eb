// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded into a real program (LD_PRELOAD) by the tests: interrupts the program at the rename
// that ends an atomic rewrite, after its temporary file is written, when the rename's target
// ends in $TAVORO_INTERRUPT_RENAME. $TAVORO_INTERRUPT_SIGNAL "STOP" stops the program there (a
// save in progress, held open); anything else kills it (kill -9 between the two steps).
#include <dlfcn.h>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace {

void interruptAt(const char* target)
{
    const char* wanted = std::getenv("TAVORO_INTERRUPT_RENAME");
    if (!wanted || !target)
        return;
    const std::size_t length = std::strlen(target);
    const std::size_t suffix = std::strlen(wanted);
    if (length < suffix || std::strcmp(target + length - suffix, wanted) != 0)
        return;
    const char* signal = std::getenv("TAVORO_INTERRUPT_SIGNAL");
    std::raise(signal && std::strcmp(signal, "STOP") == 0 ? SIGSTOP : SIGKILL);
}

template <typename Function>
Function next(const char* name)
{
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int rename(const char* from, const char* to)
{
    interruptAt(to);
    static const auto real = next<int (*)(const char*, const char*)>("rename");
    return real(from, to);
}

extern "C" int renameat(int fromDir, const char* from, int toDir, const char* to)
{
    interruptAt(to);
    static const auto real = next<int (*)(int, const char*, int, const char*)>("renameat");
    return real(fromDir, from, toDir, to);
}

extern "C" int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned int flags)
{
    interruptAt(to);
    static const auto real = next<int (*)(int, const char*, int, const char*, unsigned int)>("renameat2");
    return real(fromDir, from, toDir, to, flags);
}
