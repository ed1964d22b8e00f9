#pragma once
// Result codes and status words the simulated printers and port libraries
// answer with, and the names of the operations that can be scripted.
#include <array>
#include <cstdint>
#include <string_view>

#include "link/result_code.h"

namespace orvan::sim {

using link::ResultCode;

// Printer sense data: -(0x01000000 + sense key byte, ASC, ASCQ).
inline constexpr ResultCode kKeyAlreadySet = -0x01052100;
inline constexpr ResultCode kKeyMismatch = -0x01052200;
inline constexpr ResultCode kKeyNotSet = -0x01052300;
inline constexpr ResultCode kInvalidCommandField = -0x01052400;
inline constexpr ResultCode kInvalidParameterField = -0x01052600;
inline constexpr ResultCode kOptionMissing = -0x01052E00;
inline constexpr ResultCode kNotInDownloadMode = -0x0102DE00;

// The transient answer of a printer that cannot take a command just now.
inline constexpr ResultCode kCommandBusy = 1;

// Port service and command library.
inline constexpr ResultCode kPortLost = -0x02010005;
inline constexpr ResultCode kInvalidArgument = -0x09000001;
inline constexpr ResultCode kNoPrinter = -0x09000002;
inline constexpr ResultCode kFileUnreadable = -0x09000004;

// Network library; the status word then holds the socket error.
inline constexpr ResultCode kSocketFailure = -2;
inline constexpr ResultCode kReplyTimeout = -5;
inline constexpr std::int32_t kSocketTimedOut = 10060;
inline constexpr std::int32_t kSocketTooMany = 10024;

// Every entry point of the libraries, for scripting and the call log.
inline constexpr std::array<std::string_view, 35> kOperationNames = {"KQCMD_ScanPrinter",
                                                                     "KQCMD_ScanPrinterNext",
                                                                     "KQCMD_TestUnitReady",
                                                                     "KQCMD_GetPrinterStatus",
                                                                     "KQCMD_ReadPosition",
                                                                     "KQCMD_StandardInquiry",
                                                                     "KQCMD_ModeSense",
                                                                     "KQCMD_ModeSelect",
                                                                     "KQCMD_LogSense",
                                                                     "KQCMD_LogSelect",
                                                                     "KQCMD_ReadBuffer",
                                                                     "KQCMD_WriteBuffer",
                                                                     "KQCMD_SendDiagnostic",
                                                                     "KQCMD_UpdateFirmware",
                                                                     "KQCMD_SecurityLock",
                                                                     "P_Connect",
                                                                     "U_Set1stPrinterInfo",
                                                                     "U_SetNextPrinterInfo",
                                                                     "P_FlushSettingReq",
                                                                     "P_FlushPropertyReq",
                                                                     "P_FlushStatusReq",
                                                                     "P_QueryQueueStatus",
                                                                     "U_Set1stSettingValue",
                                                                     "U_SetNextSettingValue",
                                                                     "P_FlushSettingValue",
                                                                     "P_CheckReply",
                                                                     "P_Close",
                                                                     "U_OpenPrinterList",
                                                                     "P_RefreshPrinterList",
                                                                     "U_GetPrinterListSize",
                                                                     "U_GetPrinterListData",
                                                                     "U_FreePrinterList",
                                                                     "Px_SecurityLock",
                                                                     "GetHueAdvisorID",
                                                                     "GetGuidanceColorCode"};

inline bool isOperationName(std::string_view name) {
    for (auto op : kOperationNames) {
        if (op == name) return true;
    }
    return false;
}

}  // namespace orvan::sim
