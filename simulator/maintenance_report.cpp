#include "simulator/maintenance_report.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

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

bool writeMaintenanceReport(const std::string& path, std::string_view text) {
    const std::string temporary = path + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

std::optional<std::string> readMaintenanceReport(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::vector<char> buffer(kMaxReportSize);
    std::size_t filled = 0;
    while (filled < buffer.size()) {
        const ssize_t got = ::read(fd, buffer.data() + filled, buffer.size() - filled);
        if (got <= 0) break;
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    return std::string(buffer.data(), filled);
}

}  // namespace orvan::sim
