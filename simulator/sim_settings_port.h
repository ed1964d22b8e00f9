#pragma once
// The settings library over the simulated network printers: sessions,
// item-coded requests, replies with sequence numbers, the printer list.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "link/port_libraries.h"
#include "simulator/net_items.h"
#include "simulator/simulated_printers.h"

namespace orvan::sim {

// Request kinds, as the reply header reports them.
enum RequestKind : std::int32_t {
    kSettingQuery = 1,
    kPropertyQuery = 2,
    kStatusQuery = 3,
    kQueueQuery = 4,
    kSettingWrite = 5
};

class SimSettingsPort : public link::SettingsLibrary {
  public:
    static constexpr std::size_t kMaxSessions = 64;
    static constexpr std::size_t kMaxListItems = 128;
    static constexpr std::int32_t kMaxValueSize = 256;

    explicit SimSettingsPort(SimulatedPrinters& world) : world_(world) {}

    // Sessions opened and not closed yet: a leak shows here.
    std::size_t openSessions() const { return sessions_.size(); }

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
    struct PendingReply {
        std::int32_t sequence;
        std::int32_t kind;
        Bytes bytes;
    };
    struct Session {
        int printer;
        std::deque<PendingReply> replies;
    };
    struct RequestList {
        std::vector<int> items;
        std::vector<std::pair<int, Bytes>> values;
    };

    // Logs the call and answers a scripted result if one is due.
    std::optional<ResultCode> begin(CallRecord call, std::int32_t* statusWord);
    // Finds the session's printer; a closed session or a printer that went
    // away is a socket time-out.
    SimPrinter* sessionPrinter(std::int32_t connection, std::int32_t* statusWord);
    ResultCode send(CallRecord call, std::int32_t connection, std::int32_t* statusWord,
                    std::int32_t sequence, RequestKind kind,
                    const std::function<Bytes(SimPrinter&)>& answer);
    ResultCode addItem(const char* operation, std::int32_t item, std::int32_t requestList,
                       bool first);
    ResultCode addValue(const char* operation, std::int32_t item, std::int32_t size,
                        const std::uint8_t* value, std::int32_t requestList, bool first);
    Bytes* printerList(const LNK_PRINTER_LIST* list);

    SimulatedPrinters& world_;
    std::map<std::int32_t, Session> sessions_;
    std::int32_t nextConnection_ = 1;
    std::map<std::int32_t, RequestList> requests_;
    std::map<std::uintptr_t, Bytes> printerLists_;
    std::uintptr_t nextList_ = 1;
};

}  // namespace orvan::sim
