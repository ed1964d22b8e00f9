#include "link/dynamic_port_libraries.h"

#include "link/library_handle.h"

namespace orvan::link {

// The entry points of each library, as lists that the table and the lookup
// below are both built from.
// clang-format off
#define ORVAN_COMMAND_ENTRY_POINTS(X) \
    X(KQCMD_ScanPrinter)              \
    X(KQCMD_ScanPrinterNext)          \
    X(KQCMD_TestUnitReady)            \
    X(KQCMD_GetPrinterStatus)         \
    X(KQCMD_ReadPosition)             \
    X(KQCMD_StandardInquiry)          \
    X(KQCMD_ModeSense)                \
    X(KQCMD_ModeSelect)               \
    X(KQCMD_LogSense)                 \
    X(KQCMD_LogSelect)                \
    X(KQCMD_ReadBuffer)               \
    X(KQCMD_WriteBuffer)              \
    X(KQCMD_SendDiagnostic)           \
    X(KQCMD_UpdateFirmware)           \
    X(KQCMD_SecurityLock)

#define ORVAN_SETTINGS_ENTRY_POINTS(X) \
    X(P_Connect)                       \
    X(U_Set1stPrinterInfo)             \
    X(U_SetNextPrinterInfo)            \
    X(P_FlushSettingReq)               \
    X(P_FlushPropertyReq)              \
    X(P_FlushStatusReq)                \
    X(P_QueryQueueStatus)              \
    X(U_Set1stSettingValue)            \
    X(U_SetNextSettingValue)           \
    X(P_FlushSettingValue)             \
    X(P_CheckReply)                    \
    X(P_Close)                         \
    X(U_OpenPrinterList)               \
    X(P_RefreshPrinterList)            \
    X(U_GetPrinterListSize)            \
    X(U_GetPrinterListData)            \
    X(U_FreePrinterList)               \
    X(Px_SecurityLock)
// clang-format on

#define ORVAN_ENTRY_FIELD(name) decltype(&::name) name = nullptr;

struct CommandEntryPoints {
    ORVAN_COMMAND_ENTRY_POINTS(ORVAN_ENTRY_FIELD)
};

struct SettingsEntryPoints {
    ORVAN_SETTINGS_ENTRY_POINTS(ORVAN_ENTRY_FIELD)
};

#define ORVAN_RESOLVE(name) library_->resolve(found->name, #name);

// ---- command library ----------------------------------------------------------

DynamicCommandLibrary::DynamicCommandLibrary(std::string path)
    : library_(std::make_unique<PortLibraryHandle>(std::move(path))) {}

DynamicCommandLibrary::~DynamicCommandLibrary() = default;

void DynamicCommandLibrary::load() {
    entries();
}

const CommandEntryPoints& DynamicCommandLibrary::entries() {
    if (entries_) return *entries_;
    library_->open();
    auto found = std::make_unique<CommandEntryPoints>();
    ORVAN_COMMAND_ENTRY_POINTS(ORVAN_RESOLVE)
    entries_ = std::move(found);
    return *entries_;
}

std::int32_t DynamicCommandLibrary::KQCMD_ScanPrinter(std::int32_t* slot, std::int32_t* scsiId) {
    return entries().KQCMD_ScanPrinter(slot, scsiId);
}

std::int32_t DynamicCommandLibrary::KQCMD_ScanPrinterNext(std::int32_t* slot,
                                                          std::int32_t* scsiId) {
    return entries().KQCMD_ScanPrinterNext(slot, scsiId);
}

std::int32_t DynamicCommandLibrary::KQCMD_TestUnitReady(std::int32_t slot, std::int32_t scsiId) {
    return entries().KQCMD_TestUnitReady(slot, scsiId);
}

std::int32_t DynamicCommandLibrary::KQCMD_GetPrinterStatus(std::int32_t slot, std::int32_t scsiId,
                                                           std::int32_t* printerResult,
                                                           std::int32_t* printerState,
                                                           std::int32_t* laminatorResult,
                                                           std::int32_t* laminatorState) {
    return entries().KQCMD_GetPrinterStatus(slot, scsiId, printerResult, printerState,
                                            laminatorResult, laminatorState);
}

std::int32_t DynamicCommandLibrary::KQCMD_ReadPosition(std::int32_t slot, std::int32_t scsiId,
                                                       std::uint8_t* buffer) {
    return entries().KQCMD_ReadPosition(slot, scsiId, buffer);
}

std::int32_t DynamicCommandLibrary::KQCMD_StandardInquiry(std::int32_t slot, std::int32_t scsiId,
                                                          std::uint8_t* buffer) {
    return entries().KQCMD_StandardInquiry(slot, scsiId, buffer);
}

std::int32_t DynamicCommandLibrary::KQCMD_ModeSense(std::int32_t slot, std::int32_t scsiId,
                                                    std::int32_t pageFormat, std::int32_t page,
                                                    std::uint8_t* buffer) {
    return entries().KQCMD_ModeSense(slot, scsiId, pageFormat, page, buffer);
}

std::int32_t DynamicCommandLibrary::KQCMD_ModeSelect(std::int32_t slot, std::int32_t scsiId,
                                                     std::int32_t pageFormat, std::int32_t page,
                                                     const std::uint8_t* request) {
    return entries().KQCMD_ModeSelect(slot, scsiId, pageFormat, page, request);
}

std::int32_t DynamicCommandLibrary::KQCMD_LogSense(std::int32_t slot, std::int32_t scsiId,
                                                   std::int32_t page, std::uint8_t* buffer) {
    return entries().KQCMD_LogSense(slot, scsiId, page, buffer);
}

std::int32_t DynamicCommandLibrary::KQCMD_LogSelect(std::int32_t slot, std::int32_t scsiId,
                                                    std::int32_t mode) {
    return entries().KQCMD_LogSelect(slot, scsiId, mode);
}

std::int32_t DynamicCommandLibrary::KQCMD_ReadBuffer(std::int32_t slot, std::int32_t scsiId,
                                                     std::int32_t mode, std::int32_t bufferId,
                                                     std::uint8_t* data, std::int32_t offset,
                                                     std::int32_t length) {
    return entries().KQCMD_ReadBuffer(slot, scsiId, mode, bufferId, data, offset, length);
}

std::int32_t DynamicCommandLibrary::KQCMD_WriteBuffer(std::int32_t slot, std::int32_t scsiId,
                                                      std::int32_t mode, std::int32_t bufferId,
                                                      const std::uint8_t* data, std::int32_t offset,
                                                      std::int32_t length) {
    return entries().KQCMD_WriteBuffer(slot, scsiId, mode, bufferId, data, offset, length);
}

std::int32_t DynamicCommandLibrary::KQCMD_SendDiagnostic(std::int32_t slot, std::int32_t scsiId,
                                                         std::int32_t selfTest,
                                                         std::int32_t testCode,
                                                         std::int32_t unitOffline) {
    return entries().KQCMD_SendDiagnostic(slot, scsiId, selfTest, testCode, unitOffline);
}

std::int32_t DynamicCommandLibrary::KQCMD_UpdateFirmware(std::int32_t slot, std::int32_t scsiId,
                                                         const std::uint8_t* widePath,
                                                         std::int32_t flags) {
    return entries().KQCMD_UpdateFirmware(slot, scsiId, widePath, flags);
}

std::int32_t DynamicCommandLibrary::KQCMD_SecurityLock(std::int32_t slot, std::int32_t scsiId,
                                                       std::int32_t operation, std::uint8_t* data,
                                                       std::int32_t length) {
    return entries().KQCMD_SecurityLock(slot, scsiId, operation, data, length);
}

// ---- settings library ---------------------------------------------------------

DynamicSettingsLibrary::DynamicSettingsLibrary(std::string path)
    : library_(std::make_unique<PortLibraryHandle>(std::move(path))) {}

DynamicSettingsLibrary::~DynamicSettingsLibrary() = default;

void DynamicSettingsLibrary::load() {
    entries();
}

const SettingsEntryPoints& DynamicSettingsLibrary::entries() {
    if (entries_) return *entries_;
    library_->open();
    auto found = std::make_unique<SettingsEntryPoints>();
    ORVAN_SETTINGS_ENTRY_POINTS(ORVAN_RESOLVE)
    entries_ = std::move(found);
    return *entries_;
}

std::int32_t DynamicSettingsLibrary::P_Connect(std::int32_t* connection, std::int32_t mode,
                                               std::int32_t* statusWord, std::int16_t ipv6,
                                               const std::uint8_t* address,
                                               std::int32_t requestList, std::int32_t reserved) {
    return entries().P_Connect(connection, mode, statusWord, ipv6, address, requestList, reserved);
}

std::int32_t DynamicSettingsLibrary::U_Set1stPrinterInfo(std::int32_t item,
                                                         std::int32_t requestList) {
    return entries().U_Set1stPrinterInfo(item, requestList);
}

std::int32_t DynamicSettingsLibrary::U_SetNextPrinterInfo(std::int32_t item,
                                                          std::int32_t requestList) {
    return entries().U_SetNextPrinterInfo(item, requestList);
}

std::int32_t DynamicSettingsLibrary::P_FlushSettingReq(std::int32_t connection,
                                                       std::int32_t* statusWord,
                                                       std::int32_t sequence,
                                                       std::int32_t requestList, std::int32_t mode,
                                                       std::int32_t reserved) {
    return entries().P_FlushSettingReq(connection, statusWord, sequence, requestList, mode,
                                       reserved);
}

std::int32_t DynamicSettingsLibrary::P_FlushPropertyReq(std::int32_t connection,
                                                        std::int32_t* statusWord,
                                                        std::int32_t sequence,
                                                        std::int32_t requestList,
                                                        std::int32_t reserved) {
    return entries().P_FlushPropertyReq(connection, statusWord, sequence, requestList, reserved);
}

std::int32_t DynamicSettingsLibrary::P_FlushStatusReq(std::int32_t connection,
                                                      std::int32_t* statusWord,
                                                      std::int32_t sequence,
                                                      std::int32_t requestList,
                                                      std::int32_t reserved) {
    return entries().P_FlushStatusReq(connection, statusWord, sequence, requestList, reserved);
}

std::int32_t DynamicSettingsLibrary::P_QueryQueueStatus(std::int32_t connection,
                                                        std::int32_t* statusWord,
                                                        std::int32_t sequence) {
    return entries().P_QueryQueueStatus(connection, statusWord, sequence);
}

std::int32_t DynamicSettingsLibrary::U_Set1stSettingValue(std::int32_t item, std::int32_t size,
                                                          const std::uint8_t* value,
                                                          std::int32_t requestList) {
    return entries().U_Set1stSettingValue(item, size, value, requestList);
}

std::int32_t DynamicSettingsLibrary::U_SetNextSettingValue(std::int32_t item, std::int32_t size,
                                                           const std::uint8_t* value,
                                                           std::int32_t requestList) {
    return entries().U_SetNextSettingValue(item, size, value, requestList);
}

std::int32_t DynamicSettingsLibrary::P_FlushSettingValue(
    std::int32_t connection, std::int32_t* statusWord, std::int32_t sequence,
    std::int32_t requestList, std::int32_t reserved1, std::int32_t reserved2) {
    return entries().P_FlushSettingValue(connection, statusWord, sequence, requestList, reserved1,
                                         reserved2);
}

std::int32_t DynamicSettingsLibrary::P_CheckReply(std::int32_t connection, std::int32_t* statusWord,
                                                  std::int32_t* sequence, LNK_REPLY_HEADER* header,
                                                  std::uint8_t* reply, std::int32_t* replyLength,
                                                  std::int32_t timeout) {
    return entries().P_CheckReply(connection, statusWord, sequence, header, reply, replyLength,
                                  timeout);
}

std::int32_t DynamicSettingsLibrary::P_Close(std::int32_t connection, LNK_CLOSE_RECORD* record) {
    return entries().P_Close(connection, record);
}

std::int32_t DynamicSettingsLibrary::U_OpenPrinterList(LNK_PRINTER_LIST* list) {
    return entries().U_OpenPrinterList(list);
}

std::int32_t DynamicSettingsLibrary::P_RefreshPrinterList(std::int16_t ipv6, LNK_PRINTER_LIST* list,
                                                          std::int32_t* statusWord,
                                                          std::int32_t timeoutMs) {
    return entries().P_RefreshPrinterList(ipv6, list, statusWord, timeoutMs);
}

std::int32_t DynamicSettingsLibrary::U_GetPrinterListSize(LNK_PRINTER_LIST* list,
                                                          std::int32_t* size) {
    return entries().U_GetPrinterListSize(list, size);
}

std::int32_t DynamicSettingsLibrary::U_GetPrinterListData(LNK_PRINTER_LIST* list,
                                                          std::uint8_t* data, std::int32_t size) {
    return entries().U_GetPrinterListData(list, data, size);
}

std::int32_t DynamicSettingsLibrary::U_FreePrinterList(LNK_PRINTER_LIST* list) {
    return entries().U_FreePrinterList(list);
}

std::int32_t DynamicSettingsLibrary::Px_SecurityLock(std::int16_t ipv6, const std::uint8_t* address,
                                                     std::int32_t operation, std::uint8_t* data,
                                                     std::int32_t length) {
    return entries().Px_SecurityLock(ipv6, address, operation, data, length);
}

}  // namespace orvan::link
