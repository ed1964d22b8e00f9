#pragma once
// The printer libraries loaded at run time. A library is opened on its first
// call and every entry point is looked up then; a library that cannot be
// opened or lacks an entry point throws PortLibraryMissing from that call and
// from every later one.
#include <memory>
#include <string>

#include "link/port_libraries.h"

namespace orvan::link {

// One opened shared library and the addresses of its entry points.
class PortLibraryHandle;
struct CommandEntryPoints;
struct SettingsEntryPoints;

class DynamicCommandLibrary : public CommandLibrary {
  public:
    // path: the library file (findPortLibrary); empty when none was found.
    explicit DynamicCommandLibrary(std::string path);
    ~DynamicCommandLibrary() override;

    // Opens the library now; throws PortLibraryMissing.
    void load();

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
    const CommandEntryPoints& entries();

    std::unique_ptr<PortLibraryHandle> library_;
    std::unique_ptr<CommandEntryPoints> entries_;
};

class DynamicSettingsLibrary : public SettingsLibrary {
  public:
    explicit DynamicSettingsLibrary(std::string path);
    ~DynamicSettingsLibrary() override;

    void load();

    std::int32_t P_Connect(std::int32_t* connection, std::int32_t mode, std::int32_t* statusWord,
                           std::int16_t ipv6, const std::uint8_t* address, std::int32_t requestList,
                           std::int32_t reserved) override;
    std::int32_t U_Set1stPrinterInfo(std::int32_t item, std::int32_t requestList) override;
    std::int32_t U_SetNextPrinterInfo(std::int32_t item, std::int32_t requestList) override;
    std::int32_t P_FlushSettingReq(std::int32_t connection, std::int32_t* statusWord,
                                   std::int32_t sequence, std::int32_t requestList,
                                   std::int32_t mode, std::int32_t reserved) override;
    std::int32_t P_FlushPropertyReq(std::int32_t connection, std::int32_t* statusWord,
                                    std::int32_t sequence, std::int32_t requestList,
                                    std::int32_t reserved) override;
    std::int32_t P_FlushStatusReq(std::int32_t connection, std::int32_t* statusWord,
                                  std::int32_t sequence, std::int32_t requestList,
                                  std::int32_t reserved) override;
    std::int32_t P_QueryQueueStatus(std::int32_t connection, std::int32_t* statusWord,
                                    std::int32_t sequence) override;
    std::int32_t U_Set1stSettingValue(std::int32_t item, std::int32_t size,
                                      const std::uint8_t* value, std::int32_t requestList) override;
    std::int32_t U_SetNextSettingValue(std::int32_t item, std::int32_t size,
                                       const std::uint8_t* value,
                                       std::int32_t requestList) override;
    std::int32_t P_FlushSettingValue(std::int32_t connection, std::int32_t* statusWord,
                                     std::int32_t sequence, std::int32_t requestList,
                                     std::int32_t reserved1, std::int32_t reserved2) override;
    std::int32_t P_CheckReply(std::int32_t connection, std::int32_t* statusWord,
                              std::int32_t* sequence, LNK_REPLY_HEADER* header, std::uint8_t* reply,
                              std::int32_t* replyLength, std::int32_t timeout) override;
    std::int32_t P_Close(std::int32_t connection, LNK_CLOSE_RECORD* record) override;
    std::int32_t U_OpenPrinterList(LNK_PRINTER_LIST* list) override;
    std::int32_t P_RefreshPrinterList(std::int16_t ipv6, LNK_PRINTER_LIST* list,
                                      std::int32_t* statusWord, std::int32_t timeoutMs) override;
    std::int32_t U_GetPrinterListSize(LNK_PRINTER_LIST* list, std::int32_t* size) override;
    std::int32_t U_GetPrinterListData(LNK_PRINTER_LIST* list, std::uint8_t* data,
                                      std::int32_t size) override;
    std::int32_t U_FreePrinterList(LNK_PRINTER_LIST* list) override;
    std::int32_t Px_SecurityLock(std::int16_t ipv6, const std::uint8_t* address,
                                 std::int32_t operation, std::uint8_t* data,
                                 std::int32_t length) override;

  private:
    const SettingsEntryPoints& entries();

    std::unique_ptr<PortLibraryHandle> library_;
    std::unique_ptr<SettingsEntryPoints> entries_;
};

}  // namespace orvan::link
