#pragma once
// Reports as the survey and the monitor build them, for the report tests.
#include "report/printer_report.h"
#include "status/error_catalogue.h"

namespace orvan::testing {

// A USB printer with a laminator, everything read: ink 40 of 50, film 8 of
// 10, cards enough.
inline report::PrinterReport readyPrinter(const std::string& name = "USB:Unit1") {
    report::PrinterReport r;
    r.name = name;
    r.id = name.rfind("NET:", 0) == 0 ? "net:192.168.0.51" : "usb:0:0";
    r.connection = "usb";
    r.up = true;
    r.answered = true;
    r.readAt = 1700000000;
    r.details.inkQuantity = 40;
    r.details.filmQuantity = 8;
    r.details.cardCode = 0;
    r.details.laminatorInstalled = true;
    r.details.counters = {1234, 15230, 8800, 120, 7, 640};
    r.details.firmware = report::Firmware{"1.02.003", "L1.10", "C2.00", "T3.05"};
    return r;
}

inline const status::ErrorCatalogue& catalogue() {
    return status::SharedCatalogue();
}

}  // namespace orvan::testing
