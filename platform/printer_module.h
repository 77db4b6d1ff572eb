// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The printer module: QtPrinter with Qt's print support, in a shared object of its own in the
// program folder, opened at the first print, so a start maps none of the print libraries.
namespace platform {

class Printer;
struct Services;

constexpr const char* kPrinterModule = "tavoro_printer";
constexpr const char* kPrinterModuleFactory = "tavoro_create_printer";
// The module's factory; the caller owns the printer.
using PrinterFactory = Printer* (*)(Services& services);

} // namespace platform
