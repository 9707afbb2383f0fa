#pragma once
// KZModulePrinter: the printer a module keeps from its start-up to its
// shut-down, made at its first use (a print, a print setup, a page setup).
// Making a printer asks the spooler for the default printer, which costs the
// program's start tens of milliseconds when every module does it up front.
// Owned by its module; GUI thread only.

#include <functional>
#include <memory>
#include <utility>

template <typename Printer> class KZModulePrinter
{
public:
    using Maker = std::function<std::unique_ptr<Printer>()>;

    // From now on Get makes the printer with make (a printer already made stays).
    void Start(Maker make) { maker = std::move(make); }
    // The printer, made at the first call after Start; null when none can be
    // made or outside Start and Stop.
    Printer *Get()
    {
        if (!printer && maker)
            printer = maker();
        return printer.get();
    }
    // The printer if it has been made, else null; makes nothing.
    Printer *Made() const { return printer.get(); }
    // Deletes the printer; Get answers null until the next Start.
    void Stop()
    {
        printer.reset();
        maker = nullptr;
    }

private:
    Maker maker;
    std::unique_ptr<Printer> printer;
};
