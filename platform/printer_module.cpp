// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/printer_module.h"

#include "platform/qt_printer.h"

extern "C" Q_DECL_EXPORT platform::Printer* tavoro_create_printer(platform::Services& services)
{
    return new platform::QtPrinter(services);
}
