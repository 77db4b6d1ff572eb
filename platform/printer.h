#pragma once

namespace platform {

// The process-wide printer.
class Printer {
public:
    virtual ~Printer() = default;
};

} // namespace platform
