#include "platform/printer_module.h"

#include "platform/qt_printer.h"

extern "C" Q_DECL_EXPORT platform::Printer* tavoro_create_printer(platform::Services& services)
{
    return new platform::QtPrinter(services);
}
