#pragma once
// One abstract class per printer library. The methods carry the libraries'
// entry-point names and argument lists (see orvan_ports.h). The program loads
// the real libraries at run time (dynamic_port_libraries.h); tests plug in the
// simulator or a scripted fake.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "orvan_ports.h"

namespace orvan::link {

// The library (or one it depends on) cannot be loaded, or lacks an entry
// point: the "file not found" failure that ends the program at start-up.
class PortLibraryMissing : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Any other run-time failure inside a library call.
class PortLibraryFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class CommandLibrary {
  public:
    virtual ~CommandLibrary() = default;
    virtual std::int32_t KQCMD_ScanPrinter(std::int32_t* slot, std::int32_t* scsiId) = 0;
    virtual std::int32_t KQCMD_ScanPrinterNext(std::int32_t* slot, std::int32_t* scsiId) = 0;
    virtual std::int32_t KQCMD_TestUnitReady(std::int32_t slot, std::int32_t scsiId) = 0;
    virtual std::int32_t KQCMD_GetPrinterStatus(std::int32_t slot, std::int32_t scsiId,
                                                std::int32_t* printerResult,
                                                std::int32_t* printerState,
                                                std::int32_t* laminatorResult,
                                                std::int32_t* laminatorState) = 0;
    virtual std::int32_t KQCMD_ReadPosition(std::int32_t slot, std::int32_t scsiId,
                                            std::uint8_t* buffer) = 0;
    virtual std::int32_t KQCMD_StandardInquiry(std::int32_t slot, std::int32_t scsiId,
                                               std::uint8_t* buffer) = 0;
    virtual std::int32_t KQCMD_ModeSense(std::int32_t slot, std::int32_t scsiId,
                                         std::int32_t pageFormat, std::int32_t page,
                                         std::uint8_t* buffer) = 0;
    virtual std::int32_t KQCMD_ModeSelect(std::int32_t slot, std::int32_t scsiId,
                                          std::int32_t pageFormat, std::int32_t page,
                                          const std::uint8_t* request) = 0;
    virtual std::int32_t KQCMD_LogSense(std::int32_t slot, std::int32_t scsiId, std::int32_t page,
                                        std::uint8_t* buffer) = 0;
    virtual std::int32_t KQCMD_LogSelect(std::int32_t slot, std::int32_t scsiId,
                                         std::int32_t mode) = 0;
    virtual std::int32_t KQCMD_ReadBuffer(std::int32_t slot, std::int32_t scsiId, std::int32_t mode,
                                          std::int32_t bufferId, std::uint8_t* data,
                                          std::int32_t offset, std::int32_t length) = 0;
    virtual std::int32_t KQCMD_WriteBuffer(std::int32_t slot, std::int32_t scsiId,
                                           std::int32_t mode, std::int32_t bufferId,
                                           const std::uint8_t* data, std::int32_t offset,
                                           std::int32_t length) = 0;
    virtual std::int32_t KQCMD_SendDiagnostic(std::int32_t slot, std::int32_t scsiId,
                                              std::int32_t selfTest, std::int32_t testCode,
                                              std::int32_t unitOffline) = 0;
    virtual std::int32_t KQCMD_UpdateFirmware(std::int32_t slot, std::int32_t scsiId,
                                              const std::uint8_t* widePath, std::int32_t flags) = 0;
    virtual std::int32_t KQCMD_SecurityLock(std::int32_t slot, std::int32_t scsiId,
                                            std::int32_t operation, std::uint8_t* data,
                                            std::int32_t length) = 0;
};

class SettingsLibrary {
  public:
    virtual ~SettingsLibrary() = default;
    virtual std::int32_t P_Connect(std::int32_t* connection, std::int32_t mode,
                                   std::int32_t* statusWord, std::int16_t ipv6,
                                   const std::uint8_t* address, std::int32_t requestList,
                                   std::int32_t reserved) = 0;
    virtual std::int32_t U_Set1stPrinterInfo(std::int32_t item, std::int32_t requestList) = 0;
    virtual std::int32_t U_SetNextPrinterInfo(std::int32_t item, std::int32_t requestList) = 0;
    virtual std::int32_t P_FlushSettingReq(std::int32_t connection, std::int32_t* statusWord,
                                           std::int32_t sequence, std::int32_t requestList,
                                           std::int32_t mode, std::int32_t reserved) = 0;
    virtual std::int32_t P_FlushPropertyReq(std::int32_t connection, std::int32_t* statusWord,
                                            std::int32_t sequence, std::int32_t requestList,
                                            std::int32_t reserved) = 0;
    virtual std::int32_t P_FlushStatusReq(std::int32_t connection, std::int32_t* statusWord,
                                          std::int32_t sequence, std::int32_t requestList,
                                          std::int32_t reserved) = 0;
    virtual std::int32_t P_QueryQueueStatus(std::int32_t connection, std::int32_t* statusWord,
                                            std::int32_t sequence) = 0;
    virtual std::int32_t U_Set1stSettingValue(std::int32_t item, std::int32_t size,
                                              const std::uint8_t* value,
                                              std::int32_t requestList) = 0;
    virtual std::int32_t U_SetNextSettingValue(std::int32_t item, std::int32_t size,
                                               const std::uint8_t* value,
                                               std::int32_t requestList) = 0;
    virtual std::int32_t P_FlushSettingValue(std::int32_t connection, std::int32_t* statusWord,
                                             std::int32_t sequence, std::int32_t requestList,
                                             std::int32_t reserved1, std::int32_t reserved2) = 0;
    virtual std::int32_t P_CheckReply(std::int32_t connection, std::int32_t* statusWord,
                                      std::int32_t* sequence, LNK_REPLY_HEADER* header,
                                      std::uint8_t* reply, std::int32_t* replyLength,
                                      std::int32_t timeout) = 0;
    virtual std::int32_t P_Close(std::int32_t connection, LNK_CLOSE_RECORD* record) = 0;
    virtual std::int32_t U_OpenPrinterList(LNK_PRINTER_LIST* list) = 0;
    virtual std::int32_t P_RefreshPrinterList(std::int16_t ipv6, LNK_PRINTER_LIST* list,
                                              std::int32_t* statusWord, std::int32_t timeoutMs) = 0;
    virtual std::int32_t U_GetPrinterListSize(LNK_PRINTER_LIST* list, std::int32_t* size) = 0;
    virtual std::int32_t U_GetPrinterListData(LNK_PRINTER_LIST* list, std::uint8_t* data,
                                              std::int32_t size) = 0;
    virtual std::int32_t U_FreePrinterList(LNK_PRINTER_LIST* list) = 0;
    virtual std::int32_t Px_SecurityLock(std::int16_t ipv6, const std::uint8_t* address,
                                         std::int32_t operation, std::uint8_t* data,
                                         std::int32_t length) = 0;
};

}  // namespace orvan::link
