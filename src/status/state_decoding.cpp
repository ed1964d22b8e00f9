#include "status/state_decoding.h"

#include <algorithm>
#include <cstdio>
#include <span>

#include "link/conversions.h"

namespace orvan::status {
namespace {

struct StateText {
    std::int32_t state;
    const char* text;
};

constexpr StateText kPrinterStates[] = {
    {1, "Initializing"},
    {3, "Offline Mode"},
    {7, "Preheating"},
    {50, "Printing"},
    {51, "Card Loading"},
    {52, "Card Transporting"},
    {53, "MG Encoding"},
    {55, "Contact IC Encoding"},
    {56, "No-Contact IC Encoding"},
    {57, "Retransfer"},
    {61, "Printing"},
    {62, "Power Saving"},
    {63, "Heating"},
};
constexpr const char* kPrinterBusy = "Printer is busy.";

constexpr StateText kLaminatorStates[] = {
    {1, "Power Saving"},   {2, "Low Power Mode"},
    {15, "Download Mode"}, {16, "Initializing"},
    {17, "Preheating"},    {18, "Laminating"},
    {19, "Cleaning"},      {20, "Senser Testing"},
    {21, "Motor Testing"}, {254, "Laminator is not found."},
};

constexpr ui::Colour kTints[] = {0xC0FFC0, 0xFFFFC0, 0xFFC0FF, 0xFFC0FF};

std::string Lookup(std::span<const StateText> table, std::int32_t state, const char* otherwise) {
    for (const auto& row : table) {
        if (row.state == state) return row.text;
    }
    return otherwise;
}

DisplayState FromSeverity(Severity s, std::int32_t state) {
    if (s >= Severity::Error) return DisplayState::Failed;
    if (s == Severity::Busy || state != 0) return DisplayState::Running;
    return DisplayState::Ready;
}

std::string HexCode(ResultCode code) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%08X", static_cast<unsigned>(Magnitude(code)));
    return buf;
}

std::string ErrorText(const char* device, const std::string& number, const std::string& message) {
    return std::string(device) + " Error(" + number + ") :\r" + message;
}

}  // namespace

DisplayState PrinterDisplayState(const ErrorCatalogue& catalogue, const link::DeviceStatus& status,
                                 bool printerConnected) {
    if (!printerConnected) return DisplayState::Absent;
    return FromSeverity(catalogue.ClassifyCode(status.printerResult), status.printerState);
}

DisplayState LaminatorDisplayState(const ErrorCatalogue& catalogue,
                                   const link::DeviceStatus& status, bool printerConnected,
                                   bool laminatorInstalled) {
    if (!printerConnected || !laminatorInstalled) return DisplayState::Absent;
    return FromSeverity(catalogue.ClassifyCode(status.laminatorResult), status.laminatorState);
}

std::string PrinterStateText(std::int32_t printerState) {
    return Lookup(kPrinterStates, printerState, kPrinterBusy);
}

std::string LaminatorStateText(std::int32_t laminatorState) {
    return Lookup(kLaminatorStates, laminatorState, "");
}

std::string PrinterErrorText(const ErrorCatalogue& catalogue, ResultCode code,
                             std::int32_t networkStatusWord) {
    const std::string number =
        code == link::kNetworkSocketError ? link::NumberText(networkStatusWord) : HexCode(code);
    return ErrorText("Printer", number, catalogue.DescribeCode(code, networkStatusWord));
}

std::string LaminatorErrorText(const ErrorCatalogue& catalogue, ResultCode code,
                               std::int32_t networkStatusWord) {
    return ErrorText("Laminator", HexCode(code), catalogue.DescribeCode(code, networkStatusWord));
}

DisplayState OverallState(DisplayState printer, DisplayState laminator) {
    if (printer == DisplayState::Absent) return DisplayState::Absent;
    if (laminator == DisplayState::Absent) return printer;
    return std::max(printer, laminator);
}

ui::Colour OverallTint(DisplayState overall) {
    return kTints[std::clamp(static_cast<int>(overall), 0, 3)];
}

}  // namespace orvan::status
