// C entry points of the stand-in settings library, over the simulated
// network printers.
#pragma GCC visibility push(default)
#include "orvan_ports.h"
#pragma GCC visibility pop

#include "ports/process_world.h"

using orvan::ports::ProcessWorld;

// This library serves the network printers; its report file describes those.
orvan::sim::ReportedPrinters orvan::ports::reportedPrinters() {
    return orvan::sim::ReportedPrinters::Network;
}

namespace {

template <class Call>
int32_t onSettings(Call&& call) {
    return ProcessWorld::instance().run([&](ProcessWorld& w) { return call(w.settings()); });
}

}  // namespace

extern "C" {

int32_t P_Connect(int32_t* connection, int32_t mode, int32_t* statusWord, int16_t ipv6,
                  const uint8_t* address, int32_t requestList, int32_t reserved) {
    return onSettings([&](auto& s) {
        return s.P_Connect(connection, mode, statusWord, ipv6, address, requestList, reserved);
    });
}

int32_t U_Set1stPrinterInfo(int32_t item, int32_t requestList) {
    return onSettings([&](auto& s) { return s.U_Set1stPrinterInfo(item, requestList); });
}

int32_t U_SetNextPrinterInfo(int32_t item, int32_t requestList) {
    return onSettings([&](auto& s) { return s.U_SetNextPrinterInfo(item, requestList); });
}

int32_t P_FlushSettingReq(int32_t connection, int32_t* statusWord, int32_t sequence,
                          int32_t requestList, int32_t mode, int32_t reserved) {
    return onSettings([&](auto& s) {
        return s.P_FlushSettingReq(connection, statusWord, sequence, requestList, mode, reserved);
    });
}

int32_t P_FlushPropertyReq(int32_t connection, int32_t* statusWord, int32_t sequence,
                           int32_t requestList, int32_t reserved) {
    return onSettings([&](auto& s) {
        return s.P_FlushPropertyReq(connection, statusWord, sequence, requestList, reserved);
    });
}

int32_t P_FlushStatusReq(int32_t connection, int32_t* statusWord, int32_t sequence,
                         int32_t requestList, int32_t reserved) {
    return onSettings([&](auto& s) {
        return s.P_FlushStatusReq(connection, statusWord, sequence, requestList, reserved);
    });
}

int32_t P_QueryQueueStatus(int32_t connection, int32_t* statusWord, int32_t sequence) {
    return onSettings(
        [&](auto& s) { return s.P_QueryQueueStatus(connection, statusWord, sequence); });
}

int32_t U_Set1stSettingValue(int32_t item, int32_t size, const uint8_t* value,
                             int32_t requestList) {
    return onSettings(
        [&](auto& s) { return s.U_Set1stSettingValue(item, size, value, requestList); });
}

int32_t U_SetNextSettingValue(int32_t item, int32_t size, const uint8_t* value,
                              int32_t requestList) {
    return onSettings(
        [&](auto& s) { return s.U_SetNextSettingValue(item, size, value, requestList); });
}

int32_t P_FlushSettingValue(int32_t connection, int32_t* statusWord, int32_t sequence,
                            int32_t requestList, int32_t reserved1, int32_t reserved2) {
    return onSettings([&](auto& s) {
        return s.P_FlushSettingValue(connection, statusWord, sequence, requestList, reserved1,
                                     reserved2);
    });
}

int32_t P_CheckReply(int32_t connection, int32_t* statusWord, int32_t* sequence,
                     LNK_REPLY_HEADER* header, uint8_t* reply, int32_t* replyLength,
                     int32_t timeout) {
    return onSettings([&](auto& s) {
        return s.P_CheckReply(connection, statusWord, sequence, header, reply, replyLength,
                              timeout);
    });
}

int32_t P_Close(int32_t connection, LNK_CLOSE_RECORD* record) {
    return onSettings([&](auto& s) { return s.P_Close(connection, record); });
}

int32_t U_OpenPrinterList(LNK_PRINTER_LIST* list) {
    return onSettings([&](auto& s) { return s.U_OpenPrinterList(list); });
}

int32_t P_RefreshPrinterList(int16_t ipv6, LNK_PRINTER_LIST* list, int32_t* statusWord,
                             int32_t timeoutMs) {
    return onSettings(
        [&](auto& s) { return s.P_RefreshPrinterList(ipv6, list, statusWord, timeoutMs); });
}

int32_t U_GetPrinterListSize(LNK_PRINTER_LIST* list, int32_t* size) {
    return onSettings([&](auto& s) { return s.U_GetPrinterListSize(list, size); });
}

int32_t U_GetPrinterListData(LNK_PRINTER_LIST* list, uint8_t* data, int32_t size) {
    return onSettings([&](auto& s) { return s.U_GetPrinterListData(list, data, size); });
}

int32_t U_FreePrinterList(LNK_PRINTER_LIST* list) {
    return onSettings([&](auto& s) { return s.U_FreePrinterList(list); });
}

int32_t Px_SecurityLock(int16_t ipv6, const uint8_t* address, int32_t operation, uint8_t* data,
                        int32_t length) {
    return onSettings(
        [&](auto& s) { return s.Px_SecurityLock(ipv6, address, operation, data, length); });
}

}  // extern "C"
