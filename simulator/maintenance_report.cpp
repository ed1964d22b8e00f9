#include "simulator/maintenance_report.h"

#include <cstdio>

#include "simulator/control_journal.h"

namespace orvan::sim {
namespace {

const char* sidesOf(const std::string& testCode) {
    if (testCode == "7") return " (one side)";
    if (testCode == "23") return " (both sides)";
    return "";
}

void describe(std::string& out, const std::string& printer, SimPrinter& p) {
    if (const auto& t = p.lastTestPrint())
        out += printer + " test print " + t->what + sidesOf(t->what) + ": answered " +
               resultText(t->result) + "\n";
    if (const auto& f = p.lastFirmware())
        out += printer + " firmware \"" + f->what + "\": answered " + resultText(f->result) + "\n";
}

}  // namespace

std::string maintenanceReportPath() {
    return controlJournalPath() + ".last";
}

std::string resultText(ResultCode code) {
    if (code >= 0) return std::to_string(code);
    char text[16];
    std::snprintf(text, sizeof text, "-0x%08X", 0u - static_cast<std::uint32_t>(code));
    return text;
}

std::string maintenanceReport(SimulatedPrinters& world) {
    std::string out;
    for (int i = 0; i < world.usbCount(); ++i)
        describe(out, "usb " + std::to_string(i), world.usb(i));
    for (int i = 0; i < world.networkCount(); ++i)
        describe(out, "net " + std::to_string(i), world.network(i));
    return out;
}

}  // namespace orvan::sim
