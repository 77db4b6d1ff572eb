// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/printer_on_demand.h"

#include "platform/printer_module.h"
#include "platform/services.h"

#include <QDir>
#include <QLibrary>

namespace platform {

PrinterOnDemand::PrinterOnDemand() = default;
PrinterOnDemand::~PrinterOnDemand() = default;

Printer& PrinterOnDemand::real() const
{
    if (real_)
        return *real_;
    // Never unloaded: the printer lives until the program ends.
    QLibrary module(QDir(services().paths->programFolder()).filePath(QLatin1String(kPrinterModule)));
    const auto create = reinterpret_cast<PrinterFactory>(module.resolve(kPrinterModuleFactory));
    if (!create)
        throw PrinterError("no printer module: " + module.errorString().toStdString());
    real_.reset(create(services()));
    return *real_;
}

} // namespace platform
