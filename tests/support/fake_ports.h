#pragma once
// Scripted stand-ins for the two printer libraries, for unit tests that need
// exact control: the result of each call, the bytes a call hands back, and a
// log of every call with its arguments and the bytes it was given.
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "link/channel.h"
#include "link/port_libraries.h"
#include "ui/timer.h"
#include "ui/virtual_clock.h"

namespace orvan::test {

using Bytes = std::vector<std::uint8_t>;

struct PortCall {
    std::string name;                // entry point, e.g. "KQCMD_ModeSelect"
    std::vector<std::int64_t> args;  // integer arguments, in order
    Bytes bytes;                     // bytes the program handed to the library
};

// Results per entry point: queued results answer the next calls in order;
// after that the entry point answers its natural result (success, mostly).
class ResultScript {
  public:
    void push(const std::string& entry, std::initializer_list<std::int32_t> results);
    // Every further call of entry answers result (after the queued ones).
    void always(const std::string& entry, std::int32_t result);
    std::int32_t next(const std::string& entry, std::int32_t natural = 0);

  private:
    std::map<std::string, std::deque<std::int32_t>> queued_;
    std::map<std::string, std::int32_t> fixed_;
};

class CallLog {
  public:
    std::vector<PortCall> calls;
    int count(const std::string& name) const;
    std::vector<PortCall> callsTo(const std::string& name) const;
    std::vector<std::string> names() const;
    void clear() { calls.clear(); }
};

class FakeCommandLibrary : public link::CommandLibrary, public CallLog {
  public:
    ResultScript results;

    // Bytes copied into the caller's buffer when the call answers 0. Keys:
    // the page code for mode and log pages, the buffer id for ReadBuffer.
    Bytes inquiry;
    std::map<int, Bytes> modePages, logPages, buffers;
    std::uint8_t position = 0x04;  // ReadPosition byte 0: 0x04 = not busy

    // USB printers the scan finds, in order: {slot, scsiId}.
    std::vector<std::pair<std::int32_t, std::int32_t>> usbPrinters;
    // The four values of GetPrinterStatus (its natural result is 1: valid).
    std::int32_t printerResult = 0, printerState = 0, laminatorResult = 0, laminatorState = 0;

    std::int32_t KQCMD_ScanPrinter(std::int32_t* slot, std::int32_t* scsiId) override;
    std::int32_t KQCMD_ScanPrinterNext(std::int32_t* slot, std::int32_t* scsiId) override;
    std::int32_t KQCMD_TestUnitReady(std::int32_t slot, std::int32_t scsiId) override;
    std::int32_t KQCMD_GetPrinterStatus(std::int32_t slot, std::int32_t scsiId, std::int32_t* pr,
                                        std::int32_t* ps, std::int32_t* lr,
                                        std::int32_t* ls) override;
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

    // The select request the printer received for page (the last one).
    Bytes lastSelect(int page) const;
};

// One request as the settings library received it.
struct SentRequest {
    std::string kind;  // "setting", "property", "status", "queue", "values"
    std::int32_t sequence = 0;
    std::vector<std::int32_t> items;                     // queries
    std::vector<std::pair<std::int32_t, Bytes>> values;  // writes
};

class FakeSettingsLibrary : public link::SettingsLibrary, public CallLog {
  public:
    ResultScript results;
    std::vector<SentRequest> sent;
    // Replies handed out by P_CheckReply in order; none left answers 0 bytes.
    std::deque<Bytes> replies;
    // Added to the echoed sequence number of the next replies (0: a true echo).
    std::deque<std::int32_t> sequenceSkew;
    // Written into the status word by a failing flush or connect.
    std::int32_t statusWordOnFailure = 0;
    // What the last P_Connect was given.
    link::AddressBytes connectedAddress{};
    std::int16_t connectedIPv6 = 0;
    int connects = 0, closes = 0;
    // The network printer list data, and the size reported for it (-1: its size).
    Bytes printerList;
    std::int32_t claimedListSize = -1;

    void queueReply(Bytes reply) { replies.push_back(std::move(reply)); }

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
    std::int32_t flushed(const std::string& kind, std::int32_t* statusWord, std::int32_t sequence,
                         std::vector<std::int64_t> args);
    SentRequest building_;
    std::int32_t lastSequence_ = 0;
};

// A command channel over both fakes on a virtual clock, with one USB or
// network printer selected. The timer is declared before the loop so that
// the loop lets go of it first.
struct FakeLink {
    link::LinkState state;
    FakeCommandLibrary commands;
    FakeSettingsLibrary settings;
    ui::Timer timer2{"Timer2"};
    ui::VirtualClockLoop loop;
    link::Channel channel{state, commands, settings, loop, timer2};

    FakeLink& usb(std::int32_t slot = 3, std::int32_t scsiId = 5);
    FakeLink& network(std::initializer_list<std::uint8_t> address = {192, 168, 0, 50});
};

// ---- reply builders: [id][length][unused data byte 0][value...] ------------
Bytes item(std::uint8_t id, std::initializer_list<std::uint8_t> value);
Bytes item(std::uint8_t id, std::span<const std::uint8_t> value);
Bytes textItem(std::uint8_t id, const std::string& text);
Bytes counterItem(std::uint8_t id, std::uint32_t value);  // big-endian 32-bit
Bytes concat(std::initializer_list<Bytes> parts);

}  // namespace orvan::test
