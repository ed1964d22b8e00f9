#include "simulator/sim_command_port.h"

#include <algorithm>
#include <string>

#include "orvan_ports.h"
#include "simulator/wide_text.h"

namespace orvan::sim {
namespace {

constexpr std::size_t kPageBuffer = LNK_PAGE_BUFFER_SIZE;
constexpr std::int32_t kMaxTransfer = 65536;
constexpr std::size_t kMaxPathCodes = 4096;
constexpr std::int32_t kPasswordBytes = 8;
constexpr std::int32_t kBufferMode = 2;
constexpr std::int32_t kPageFormat = 1;
constexpr std::uint8_t kNotBusyBit = 0x04;

bool validTransfer(const void* data, std::int32_t length, std::int32_t most) {
    return length >= 0 && length <= most && (data != nullptr || length == 0);
}

Bytes copyOf(const std::uint8_t* data, std::size_t length) {
    return data == nullptr ? Bytes{} : Bytes(data, data + length);
}

// The path ends with a 0 code; one that does not end within reach is refused.
std::optional<std::string> readWidePath(const std::uint8_t* widePath) {
    if (widePath == nullptr) return std::nullopt;
    std::u16string codes;
    for (std::size_t k = 0; k < kMaxPathCodes; ++k) {
        const char16_t c = static_cast<char16_t>(widePath[2 * k] | (widePath[2 * k + 1] << 8));
        if (c == 0) return fromWide(codes);
        codes.push_back(c);
    }
    return std::nullopt;
}

}  // namespace

ResultCode SimCommandPort::onPrinter(CallRecord call, std::int32_t slot, std::int32_t scsiId,
                                     const std::function<ResultCode(SimPrinter&)>& act) {
    const std::string operation = call.operation;
    world_.record(std::move(call));
    if (auto scripted = world_.takeScriptedResult(operation)) return scripted->code;
    const auto index = world_.findUsb(slot, scsiId);
    if (!index) return kNoPrinter;
    UsbPort& port = world_.usbPort(*index);
    if (!port.attached) return kPortLost;
    return act(port.printer);
}

ResultCode SimCommandPort::scanFrom(int from, std::int32_t* slot, std::int32_t* scsiId) {
    for (int i = std::max(from, 0); i < world_.usbCount(); ++i) {
        const UsbPort& port = world_.usbPort(i);
        if (!port.attached) continue;
        *slot = port.slot;
        *scsiId = port.scsiId;
        return 0;
    }
    return kNoPrinter;
}

std::int32_t SimCommandPort::KQCMD_ScanPrinter(std::int32_t* slot, std::int32_t* scsiId) {
    world_.record({"KQCMD_ScanPrinter", {}, {}});
    if (auto scripted = world_.takeScriptedResult("KQCMD_ScanPrinter")) return scripted->code;
    if (slot == nullptr || scsiId == nullptr) return kInvalidArgument;
    return scanFrom(0, slot, scsiId);
}

std::int32_t SimCommandPort::KQCMD_ScanPrinterNext(std::int32_t* slot, std::int32_t* scsiId) {
    if (slot == nullptr || scsiId == nullptr) {
        world_.record({"KQCMD_ScanPrinterNext", {}, {}});
        return kInvalidArgument;
    }
    world_.record({"KQCMD_ScanPrinterNext", {*slot, *scsiId}, {}});
    if (auto scripted = world_.takeScriptedResult("KQCMD_ScanPrinterNext")) return scripted->code;
    const auto at = world_.findUsb(*slot, *scsiId);
    return at ? scanFrom(*at + 1, slot, scsiId) : kNoPrinter;
}

std::int32_t SimCommandPort::KQCMD_TestUnitReady(std::int32_t slot, std::int32_t scsiId) {
    return onPrinter({"KQCMD_TestUnitReady", {slot, scsiId}, {}}, slot, scsiId,
                     [](SimPrinter& p) { return p.printerError() < 0 ? p.printerError() : 0; });
}

std::int32_t SimCommandPort::KQCMD_GetPrinterStatus(std::int32_t slot, std::int32_t scsiId,
                                                    std::int32_t* printerResult,
                                                    std::int32_t* printerState,
                                                    std::int32_t* laminatorResult,
                                                    std::int32_t* laminatorState) {
    world_.record({"KQCMD_GetPrinterStatus", {slot, scsiId}, {}});
    if (auto scripted = world_.takeScriptedResult("KQCMD_GetPrinterStatus")) return scripted->code;
    if (!printerResult || !printerState || !laminatorResult || !laminatorState) return 0;
    // Unlike the other commands the answer is in the four values: a lost
    // printer is reported there too.
    UsbStatus s;
    const auto index = world_.findUsb(slot, scsiId);
    if (!index) {
        s.printerResult = kNoPrinter;
    } else if (!world_.usbPort(*index).attached) {
        s.printerResult = kPortLost;
    } else {
        s = world_.usb(*index).takeUsbStatus();
    }
    *printerResult = s.printerResult;
    *printerState = s.printerState;
    *laminatorResult = s.laminatorResult;
    *laminatorState = s.laminatorState;
    return 1;
}

std::int32_t SimCommandPort::KQCMD_ReadPosition(std::int32_t slot, std::int32_t scsiId,
                                                std::uint8_t* buffer) {
    return onPrinter({"KQCMD_ReadPosition", {slot, scsiId}, {}}, slot, scsiId,
                     [&](SimPrinter& p) -> ResultCode {
                         if (buffer == nullptr) return kInvalidArgument;
                         if (p.printerError() < 0) return p.printerError();
                         std::fill_n(buffer, 8, std::uint8_t{0});
                         buffer[0] = p.takeNotBusy() ? kNotBusyBit : 0;
                         return 0;
                     });
}

std::int32_t SimCommandPort::KQCMD_StandardInquiry(std::int32_t slot, std::int32_t scsiId,
                                                   std::uint8_t* buffer) {
    return onPrinter({"KQCMD_StandardInquiry", {slot, scsiId}, {}}, slot, scsiId,
                     [&](SimPrinter& p) -> ResultCode {
                         if (buffer == nullptr) return kInvalidArgument;
                         std::copy(p.inquiry().begin(), p.inquiry().end(), buffer);
                         return 0;
                     });
}

std::int32_t SimCommandPort::KQCMD_ModeSense(std::int32_t slot, std::int32_t scsiId,
                                             std::int32_t pageFormat, std::int32_t page,
                                             std::uint8_t* buffer) {
    return onPrinter({"KQCMD_ModeSense", {slot, scsiId, pageFormat, page}, {}}, slot, scsiId,
                     [&](SimPrinter& p) -> ResultCode {
                         if (buffer == nullptr) return kInvalidArgument;
                         if (pageFormat != kPageFormat) return kInvalidCommandField;
                         return p.modeSense(page, std::span(buffer, kPageBuffer));
                     });
}

std::int32_t SimCommandPort::KQCMD_ModeSelect(std::int32_t slot, std::int32_t scsiId,
                                              std::int32_t pageFormat, std::int32_t page,
                                              const std::uint8_t* request) {
    // Only as many request bytes as the page's select layout holds are read.
    const PageLayout* layout = findPageLayout(page);
    const std::size_t size = layout != nullptr ? layout->selectSize : 0;
    return onPrinter({"KQCMD_ModeSelect", {slot, scsiId, pageFormat, page}, copyOf(request, size)},
                     slot, scsiId, [&](SimPrinter& p) -> ResultCode {
                         if (request == nullptr) return kInvalidArgument;
                         if (pageFormat != kPageFormat || size == 0) return kInvalidCommandField;
                         return p.modeSelect(page, std::span(request, size));
                     });
}

std::int32_t SimCommandPort::KQCMD_LogSense(std::int32_t slot, std::int32_t scsiId,
                                            std::int32_t page, std::uint8_t* buffer) {
    return onPrinter({"KQCMD_LogSense", {slot, scsiId, page}, {}}, slot, scsiId,
                     [&](SimPrinter& p) -> ResultCode {
                         if (buffer == nullptr) return kInvalidArgument;
                         return p.logSense(page, std::span(buffer, kPageBuffer));
                     });
}

std::int32_t SimCommandPort::KQCMD_LogSelect(std::int32_t slot, std::int32_t scsiId,
                                             std::int32_t mode) {
    return onPrinter({"KQCMD_LogSelect", {slot, scsiId, mode}, {}}, slot, scsiId,
                     [&](SimPrinter& p) { return p.logSelect(mode); });
}

std::int32_t SimCommandPort::KQCMD_ReadBuffer(std::int32_t slot, std::int32_t scsiId,
                                              std::int32_t mode, std::int32_t bufferId,
                                              std::uint8_t* data, std::int32_t offset,
                                              std::int32_t length) {
    return onPrinter({"KQCMD_ReadBuffer", {slot, scsiId, mode, bufferId, offset, length}, {}}, slot,
                     scsiId, [&](SimPrinter& p) -> ResultCode {
                         if (!validTransfer(data, length, kMaxTransfer)) return kInvalidArgument;
                         if (mode != kBufferMode) return kInvalidCommandField;
                         return p.readBuffer(bufferId, offset,
                                             std::span(data, static_cast<std::size_t>(length)));
                     });
}

std::int32_t SimCommandPort::KQCMD_WriteBuffer(std::int32_t slot, std::int32_t scsiId,
                                               std::int32_t mode, std::int32_t bufferId,
                                               const std::uint8_t* data, std::int32_t offset,
                                               std::int32_t length) {
    const bool valid = validTransfer(data, length, kMaxTransfer);
    return onPrinter({"KQCMD_WriteBuffer",
                      {slot, scsiId, mode, bufferId, offset, length},
                      valid ? copyOf(data, static_cast<std::size_t>(length)) : Bytes{}},
                     slot, scsiId, [&](SimPrinter& p) -> ResultCode {
                         if (!valid) return kInvalidArgument;
                         if (mode != kBufferMode) return kInvalidCommandField;
                         return p.writeBuffer(bufferId, offset,
                                              std::span(data, static_cast<std::size_t>(length)));
                     });
}

std::int32_t SimCommandPort::KQCMD_SendDiagnostic(std::int32_t slot, std::int32_t scsiId,
                                                  std::int32_t selfTest, std::int32_t testCode,
                                                  std::int32_t unitOffline) {
    return onPrinter({"KQCMD_SendDiagnostic", {slot, scsiId, selfTest, testCode, unitOffline}, {}},
                     slot, scsiId, [&](SimPrinter& p) { return p.testPrint(selfTest, testCode); });
}

std::int32_t SimCommandPort::KQCMD_UpdateFirmware(std::int32_t slot, std::int32_t scsiId,
                                                  const std::uint8_t* widePath,
                                                  std::int32_t flags) {
    const auto path = readWidePath(widePath);
    const std::string text = path.value_or("");
    return onPrinter(
        {"KQCMD_UpdateFirmware", {slot, scsiId, flags}, Bytes(text.begin(), text.end())}, slot,
        scsiId, [&](SimPrinter& p) -> ResultCode {
            if (!path) return kInvalidArgument;
            return p.updateFirmware(*path);
        });
}

std::int32_t SimCommandPort::KQCMD_SecurityLock(std::int32_t slot, std::int32_t scsiId,
                                                std::int32_t operation, std::uint8_t* data,
                                                std::int32_t length) {
    const bool valid = validTransfer(data, length, kPasswordBytes);
    return onPrinter({"KQCMD_SecurityLock",
                      {slot, scsiId, operation, length},
                      valid ? copyOf(data, static_cast<std::size_t>(length)) : Bytes{}},
                     slot, scsiId, [&](SimPrinter& p) -> ResultCode {
                         if (!valid) return kInvalidArgument;
                         return p.securityLock(operation,
                                               std::span(data, static_cast<std::size_t>(length)));
                     });
}

}  // namespace orvan::sim
