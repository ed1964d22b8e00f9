#pragma once
// The command library over the simulated USB printers.
#include <functional>

#include "link/port_libraries.h"
#include "simulator/simulated_printers.h"

namespace orvan::sim {

class SimCommandPort : public link::CommandLibrary {
  public:
    explicit SimCommandPort(SimulatedPrinters& world) : world_(world) {}

    std::int32_t KQCMD_ScanPrinter(std::int32_t* slot, std::int32_t* scsiId) override;
    std::int32_t KQCMD_ScanPrinterNext(std::int32_t* slot, std::int32_t* scsiId) override;
    std::int32_t KQCMD_TestUnitReady(std::int32_t slot, std::int32_t scsiId) override;
    std::int32_t KQCMD_GetPrinterStatus(std::int32_t slot, std::int32_t scsiId,
                                        std::int32_t* printerResult, std::int32_t* printerState,
                                        std::int32_t* laminatorResult,
                                        std::int32_t* laminatorState) override;
    std::int32_t KQCMD_ReadPosition(std::int32_t slot, std::int32_t scsiId,
                                    std::uint8_t* buffer) override;
    std::int32_t KQCMD_StandardInquiry(std::int32_t slot, std::int32_t scsiId,
                                       std::uint8_t* buffer) override;
    std::int32_t KQCMD_ModeSense(std::int32_t slot, std::int32_t scsiId, std::int32_t pageFormat,
                                 std::int32_t page, std::uint8_t* buffer) override;
    std::int32_t KQCMD_ModeSelect(std::int32_t slot, std::int32_t scsiId, std::int32_t pageFormat,
                                  std::int32_t page, const std::uint8_t* request) override;
    std::int32_t KQCMD_LogSense(std::int32_t slot, std::int32_t scsiId, std::int32_t page,
                                std::uint8_t* buffer) override;
    std::int32_t KQCMD_LogSelect(std::int32_t slot, std::int32_t scsiId,
                                 std::int32_t mode) override;
    std::int32_t KQCMD_ReadBuffer(std::int32_t slot, std::int32_t scsiId, std::int32_t mode,
                                  std::int32_t bufferId, std::uint8_t* data, std::int32_t offset,
                                  std::int32_t length) override;
    std::int32_t KQCMD_WriteBuffer(std::int32_t slot, std::int32_t scsiId, std::int32_t mode,
                                   std::int32_t bufferId, const std::uint8_t* data,
                                   std::int32_t offset, std::int32_t length) override;
    std::int32_t KQCMD_SendDiagnostic(std::int32_t slot, std::int32_t scsiId, std::int32_t selfTest,
                                      std::int32_t testCode, std::int32_t unitOffline) override;
    std::int32_t KQCMD_UpdateFirmware(std::int32_t slot, std::int32_t scsiId,
                                      const std::uint8_t* widePath, std::int32_t flags) override;
    std::int32_t KQCMD_SecurityLock(std::int32_t slot, std::int32_t scsiId, std::int32_t operation,
                                    std::uint8_t* data, std::int32_t length) override;

  private:
    // Logs the call, answers a scripted result if one is due, finds the
    // printer (gone: -0x02010005, unknown: -0x09000002) and runs `act` on it.
    ResultCode onPrinter(CallRecord call, std::int32_t slot, std::int32_t scsiId,
                         const std::function<ResultCode(SimPrinter&)>& act);
    // Next attached printer in scan order from position `from`.
    ResultCode scanFrom(int from, std::int32_t* slot, std::int32_t* scsiId);

    SimulatedPrinters& world_;
};

}  // namespace orvan::sim
