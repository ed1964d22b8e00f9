// C entry points of the stand-in command library, over the simulated USB
// printers. ORVAN_PORTS_WITHOUT_MODE_SELECT builds a damaged copy for the
// loader's tests.
#pragma GCC visibility push(default)
#include "orvan_ports.h"
#pragma GCC visibility pop

#include "ports/process_world.h"

using orvan::ports::ProcessWorld;

// This library serves the USB printers; its report file describes those.
orvan::sim::ReportedPrinters orvan::ports::reportedPrinters() {
    return orvan::sim::ReportedPrinters::Usb;
}

namespace {

template <class Call>
int32_t onCommands(Call&& call) {
    return ProcessWorld::instance().run([&](ProcessWorld& w) { return call(w.commands()); });
}

}  // namespace

extern "C" {

int32_t KQCMD_ScanPrinter(int32_t* slot, int32_t* scsiId) {
    return onCommands([&](auto& c) { return c.KQCMD_ScanPrinter(slot, scsiId); });
}

int32_t KQCMD_ScanPrinterNext(int32_t* slot, int32_t* scsiId) {
    return onCommands([&](auto& c) { return c.KQCMD_ScanPrinterNext(slot, scsiId); });
}

int32_t KQCMD_TestUnitReady(int32_t slot, int32_t scsiId) {
    return onCommands([&](auto& c) { return c.KQCMD_TestUnitReady(slot, scsiId); });
}

int32_t KQCMD_GetPrinterStatus(int32_t slot, int32_t scsiId, int32_t* printerResult,
                               int32_t* printerState, int32_t* laminatorResult,
                               int32_t* laminatorState) {
    return onCommands([&](auto& c) {
        return c.KQCMD_GetPrinterStatus(slot, scsiId, printerResult, printerState, laminatorResult,
                                        laminatorState);
    });
}

int32_t KQCMD_ReadPosition(int32_t slot, int32_t scsiId, uint8_t* buffer) {
    return onCommands([&](auto& c) { return c.KQCMD_ReadPosition(slot, scsiId, buffer); });
}

int32_t KQCMD_StandardInquiry(int32_t slot, int32_t scsiId, uint8_t* buffer) {
    return onCommands([&](auto& c) { return c.KQCMD_StandardInquiry(slot, scsiId, buffer); });
}

int32_t KQCMD_ModeSense(int32_t slot, int32_t scsiId, int32_t pageFormat, int32_t page,
                        uint8_t* buffer) {
    return onCommands(
        [&](auto& c) { return c.KQCMD_ModeSense(slot, scsiId, pageFormat, page, buffer); });
}

#ifndef ORVAN_PORTS_WITHOUT_MODE_SELECT
int32_t KQCMD_ModeSelect(int32_t slot, int32_t scsiId, int32_t pageFormat, int32_t page,
                         const uint8_t* request) {
    return onCommands(
        [&](auto& c) { return c.KQCMD_ModeSelect(slot, scsiId, pageFormat, page, request); });
}
#endif

int32_t KQCMD_LogSense(int32_t slot, int32_t scsiId, int32_t page, uint8_t* buffer) {
    return onCommands([&](auto& c) { return c.KQCMD_LogSense(slot, scsiId, page, buffer); });
}

int32_t KQCMD_LogSelect(int32_t slot, int32_t scsiId, int32_t mode) {
    return onCommands([&](auto& c) { return c.KQCMD_LogSelect(slot, scsiId, mode); });
}

int32_t KQCMD_ReadBuffer(int32_t slot, int32_t scsiId, int32_t mode, int32_t bufferId,
                         uint8_t* data, int32_t offset, int32_t length) {
    return onCommands([&](auto& c) {
        return c.KQCMD_ReadBuffer(slot, scsiId, mode, bufferId, data, offset, length);
    });
}

int32_t KQCMD_WriteBuffer(int32_t slot, int32_t scsiId, int32_t mode, int32_t bufferId,
                          const uint8_t* data, int32_t offset, int32_t length) {
    return onCommands([&](auto& c) {
        return c.KQCMD_WriteBuffer(slot, scsiId, mode, bufferId, data, offset, length);
    });
}

int32_t KQCMD_SendDiagnostic(int32_t slot, int32_t scsiId, int32_t selfTest, int32_t testCode,
                             int32_t unitOffline) {
    return onCommands([&](auto& c) {
        return c.KQCMD_SendDiagnostic(slot, scsiId, selfTest, testCode, unitOffline);
    });
}

int32_t KQCMD_UpdateFirmware(int32_t slot, int32_t scsiId, const uint8_t* widePath, int32_t flags) {
    return onCommands(
        [&](auto& c) { return c.KQCMD_UpdateFirmware(slot, scsiId, widePath, flags); });
}

int32_t KQCMD_SecurityLock(int32_t slot, int32_t scsiId, int32_t operation, uint8_t* data,
                           int32_t length) {
    return onCommands(
        [&](auto& c) { return c.KQCMD_SecurityLock(slot, scsiId, operation, data, length); });
}

}  // extern "C"
