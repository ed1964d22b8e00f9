#include "simulator/world_report.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <span>

#include "link/conversions.h"

namespace orvan::sim {
namespace {

constexpr int kNetworkPage = 0x2D;
constexpr std::size_t kRowBytes = 16;

std::string hexBytes(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (std::uint8_t b : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", b);
        if (!text.empty()) text += ' ';
        text += hex;
    }
    return text;
}

std::string ipv6Text(std::span<const std::uint8_t> bytes) {
    const std::string text = link::FormatIPv6(bytes).text;
    return text.empty() ? "-" : text;
}

// The clock record as a date, the way the printer reads it.
std::string clockText(std::span<const std::uint8_t> record) {
    if (record.size() < 6) return "?";
    bool set = false;
    for (std::uint8_t b : record) set = set || b != 0;
    if (!set) return "never set";
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", record[0] + 1900,
                  record[1] + 1, record[2] + 1, record[3], record[4], record[5]);
    return text;
}

const char* methodText(std::uint8_t method) {
    switch (method) {
        case 0:
            return "off";
        case 1:
            return "preshared key";
        case 2:
            return "printer certificate";
        default:
            return "?";
    }
}

void hexRows(std::string& out, std::span<const std::uint8_t> bytes, const char* indent) {
    for (std::size_t at = 0; at < bytes.size(); at += kRowBytes) {
        char offset[32];
        std::snprintf(offset, sizeof offset, "%s%04zX:", indent, at);
        out += offset;
        out += " " + hexBytes(bytes.subspan(at, std::min(kRowBytes, bytes.size() - at))) + "\n";
    }
}

// The IPsec key download's buffers as last written, byte by byte; the
// certificate password only by its length, since the report is a file.
struct DownloadBuffer {
    int id;
    const char* content;
    bool secret;
};
constexpr DownloadBuffer kDownloadBuffers[] = {
    {0x80, "preshared key", false},  {0x81, "public key", false},
    {0x82, "private key", false},    {0x83, "certificate password", true},
    {0x84, "CA certificate", false},
};

void describeDownloads(std::string& out, const SimPrinter& p) {
    for (const DownloadBuffer& buffer : kDownloadBuffers) {
        char title[96];
        std::snprintf(title, sizeof title, "  buffer 0x%02X (%s): ", buffer.id, buffer.content);
        out += title;
        const Bytes* written = p.lastBufferWrite(buffer.id);
        if (written == nullptr) {
            out += "never written\n";
            continue;
        }
        out += std::to_string(written->size()) + " bytes";
        if (buffer.secret) {
            out += " (not shown)\n";
            continue;
        }
        out += "\n";
        hexRows(out, *written, "    ");
    }
}

void describePrinter(std::string& out, const SimPrinter& p) {
    const auto page = p.page(kNetworkPage);
    auto byte = [&](int at) { return p.pageByte(kNetworkPage, at); };
    out += "  name " + p.name() + "  IPv4 " + link::FormatIPv4(p.ipv4()) +
           (byte(15) ? " static" : " automatic") + "  mask " +
           link::FormatIPv4(page.subspan(6, 4)) + "  gateway " +
           link::FormatIPv4(page.subspan(10, 4)) + "\n";
    out += "  IPv6 " + std::string(byte(30) ? "static " : "automatic ") +
           ipv6Text(page.subspan(47, 16)) + "/" + std::to_string(byte(29)) + "  gateway " +
           ipv6Text(page.subspan(31, 16)) + "\n";
    out += "  effective IPv6";
    for (const auto& block : p.effectiveIPv6()) out += " " + ipv6Text(block);
    out += "\n  MAC " + hexBytes(p.mac()) + "\n";
    out += "  page 0x2D:\n";
    for (std::size_t at = 0; at < page.size(); at += kRowBytes) {
        char offset[32];
        std::snprintf(offset, sizeof offset, "    %02zu:", at);
        out += offset;
        out += " " + hexBytes(page.subspan(at, std::min(kRowBytes, page.size() - at))) + "\n";
    }
    out += "  IPsec mode (buffer 0xA0): " + hexBytes(p.ipsecModeBuffer()) + " (" +
           methodText(p.ipsecMethod()) + ")\n";
    out += "  clock (buffer 0xA1): " + hexBytes(p.clock()) + " (" + clockText(p.clock()) + ")\n";
    describeDownloads(out, p);
}

}  // namespace

std::string describePrinters(const SimulatedPrinters& world, ReportedPrinters which) {
    std::string out;
    if (which == ReportedPrinters::Usb) {
        for (int i = 0; i < world.usbCount(); ++i) {
            const UsbPort& port = world.usbPort(i);
            out += "usb " + std::to_string(i) + "  slot " + std::to_string(port.slot) +
                   "  SCSI id " + std::to_string(port.scsiId) +
                   (port.attached ? "" : "  (removed)") + "\n";
            describePrinter(out, port.printer);
        }
        return out;
    }
    for (int i = 0; i < world.networkCount(); ++i) {
        const NetworkPort& port = world.networkPort(i);
        out += "net " + std::to_string(i) + (port.listed ? "" : "  (not in the printer list)") +
               (port.attached ? "" : "  (removed)") + "\n";
        describePrinter(out, port.printer);
    }
    return out;
}

std::string reportPath(const std::string& controlPath, ReportedPrinters which) {
    return controlPath + (which == ReportedPrinters::Usb ? ".usb" : ".net");
}

bool replaceFile(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out << text;
        if (!out.flush()) return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
}

std::optional<std::string> readReport(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text(kMaxReportSize, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

}  // namespace orvan::sim
