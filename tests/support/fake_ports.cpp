#include "support/fake_ports.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <tuple>

namespace orvan::test {
namespace {

constexpr std::size_t kPageBuffer = LNK_PAGE_BUFFER_SIZE;
constexpr std::int32_t kNoMorePrinters = -0x09000002;

// Copies at most capacity bytes of what the printer "has" into the buffer.
void handOut(const Bytes& from, std::uint8_t* to, std::size_t capacity) {
    const std::size_t n = std::min(from.size(), capacity);
    if (to && n > 0) std::memcpy(to, from.data(), n);
}

Bytes copyOf(const std::uint8_t* p, std::size_t n) {
    return p ? Bytes(p, p + n) : Bytes{};
}

const Bytes* find(const std::map<int, Bytes>& m, int key) {
    auto it = m.find(key);
    return it == m.end() ? nullptr : &it->second;
}

}  // namespace

// ---- ResultScript and CallLog ---------------------------------------------

void ResultScript::push(const std::string& entry, std::initializer_list<std::int32_t> results) {
    auto& q = queued_[entry];
    q.insert(q.end(), results.begin(), results.end());
}

void ResultScript::always(const std::string& entry, std::int32_t result) {
    fixed_[entry] = result;
}

std::int32_t ResultScript::next(const std::string& entry, std::int32_t natural) {
    auto& q = queued_[entry];
    if (!q.empty()) {
        const std::int32_t r = q.front();
        q.pop_front();
        return r;
    }
    auto it = fixed_.find(entry);
    return it == fixed_.end() ? natural : it->second;
}

int CallLog::count(const std::string& name) const {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                          [&](const PortCall& c) { return c.name == name; }));
}

std::vector<PortCall> CallLog::callsTo(const std::string& name) const {
    std::vector<PortCall> out;
    for (const auto& c : calls)
        if (c.name == name) out.push_back(c);
    return out;
}

std::vector<std::string> CallLog::names() const {
    std::vector<std::string> out;
    for (const auto& c : calls) out.push_back(c.name);
    return out;
}

// ---- command library --------------------------------------------------------

std::int32_t FakeCommandLibrary::KQCMD_ScanPrinter(std::int32_t* slot, std::int32_t* scsiId) {
    calls.push_back({"KQCMD_ScanPrinter", {}, {}});
    const std::int32_t r =
        results.next("KQCMD_ScanPrinter", usbPrinters.empty() ? kNoMorePrinters : 0);
    if (r == 0 && !usbPrinters.empty()) std::tie(*slot, *scsiId) = usbPrinters.front();
    return r;
}

std::int32_t FakeCommandLibrary::KQCMD_ScanPrinterNext(std::int32_t* slot, std::int32_t* scsiId) {
    calls.push_back({"KQCMD_ScanPrinterNext", {*slot, *scsiId}, {}});
    auto it = std::find(usbPrinters.begin(), usbPrinters.end(), std::make_pair(*slot, *scsiId));
    const bool more = it != usbPrinters.end() && std::next(it) != usbPrinters.end();
    const std::int32_t r = results.next("KQCMD_ScanPrinterNext", more ? 0 : kNoMorePrinters);
    if (r == 0 && more) std::tie(*slot, *scsiId) = *std::next(it);
    return r;
}

std::int32_t FakeCommandLibrary::KQCMD_TestUnitReady(std::int32_t slot, std::int32_t scsiId) {
    calls.push_back({"KQCMD_TestUnitReady", {slot, scsiId}, {}});
    return results.next("KQCMD_TestUnitReady");
}

std::int32_t FakeCommandLibrary::KQCMD_GetPrinterStatus(std::int32_t slot, std::int32_t scsiId,
                                                        std::int32_t* pr, std::int32_t* ps,
                                                        std::int32_t* lr, std::int32_t* ls) {
    calls.push_back({"KQCMD_GetPrinterStatus", {slot, scsiId}, {}});
    const std::int32_t r = results.next("KQCMD_GetPrinterStatus", 1);
    if (r != 0) {
        *pr = printerResult;
        *ps = printerState;
        *lr = laminatorResult;
        *ls = laminatorState;
    }
    return r;
}

std::int32_t FakeCommandLibrary::KQCMD_ReadPosition(std::int32_t slot, std::int32_t scsiId,
                                                    std::uint8_t* buffer) {
    calls.push_back({"KQCMD_ReadPosition", {slot, scsiId}, {}});
    const std::int32_t r = results.next("KQCMD_ReadPosition");
    if (r == 0 && buffer) buffer[0] = position;
    return r;
}

std::int32_t FakeCommandLibrary::KQCMD_StandardInquiry(std::int32_t slot, std::int32_t scsiId,
                                                       std::uint8_t* buffer) {
    calls.push_back({"KQCMD_StandardInquiry", {slot, scsiId}, {}});
    const std::int32_t r = results.next("KQCMD_StandardInquiry");
    if (r == 0) handOut(inquiry, buffer, kPageBuffer);
    return r;
}

std::int32_t FakeCommandLibrary::KQCMD_ModeSense(std::int32_t slot, std::int32_t scsiId,
                                                 std::int32_t pageFormat, std::int32_t page,
                                                 std::uint8_t* buffer) {
    calls.push_back({"KQCMD_ModeSense", {slot, scsiId, pageFormat, page}, {}});
    const std::int32_t r = results.next("KQCMD_ModeSense");
    if (const Bytes* reply = find(modePages, page); r == 0 && reply)
        handOut(*reply, buffer, kPageBuffer);
    return r;
}

// The request's length byte says how much of it is the page.
std::int32_t FakeCommandLibrary::KQCMD_ModeSelect(std::int32_t slot, std::int32_t scsiId,
                                                  std::int32_t pageFormat, std::int32_t page,
                                                  const std::uint8_t* request) {
    const std::size_t size = request ? std::min<std::size_t>(request[1] + 2u, kPageBuffer) : 0;
    calls.push_back({"KQCMD_ModeSelect", {slot, scsiId, pageFormat, page}, copyOf(request, size)});
    return results.next("KQCMD_ModeSelect");
}

std::int32_t FakeCommandLibrary::KQCMD_LogSense(std::int32_t slot, std::int32_t scsiId,
                                                std::int32_t page, std::uint8_t* buffer) {
    calls.push_back({"KQCMD_LogSense", {slot, scsiId, page}, {}});
    const std::int32_t r = results.next("KQCMD_LogSense");
    if (const Bytes* reply = find(logPages, page); r == 0 && reply)
        handOut(*reply, buffer, kPageBuffer);
    return r;
}

std::int32_t FakeCommandLibrary::KQCMD_LogSelect(std::int32_t slot, std::int32_t scsiId,
                                                 std::int32_t mode) {
    calls.push_back({"KQCMD_LogSelect", {slot, scsiId, mode}, {}});
    return results.next("KQCMD_LogSelect");
}

std::int32_t FakeCommandLibrary::KQCMD_ReadBuffer(std::int32_t slot, std::int32_t scsiId,
                                                  std::int32_t mode, std::int32_t bufferId,
                                                  std::uint8_t* data, std::int32_t offset,
                                                  std::int32_t length) {
    calls.push_back({"KQCMD_ReadBuffer", {slot, scsiId, mode, bufferId, offset, length}, {}});
    const std::int32_t r = results.next("KQCMD_ReadBuffer");
    if (const Bytes* content = find(buffers, bufferId); r == 0 && content && length > 0)
        handOut(*content, data, static_cast<std::size_t>(length));
    return r;
}

std::int32_t FakeCommandLibrary::KQCMD_WriteBuffer(std::int32_t slot, std::int32_t scsiId,
                                                   std::int32_t mode, std::int32_t bufferId,
                                                   const std::uint8_t* data, std::int32_t offset,
                                                   std::int32_t length) {
    calls.push_back({"KQCMD_WriteBuffer",
                     {slot, scsiId, mode, bufferId, offset, length},
                     copyOf(data, length > 0 ? static_cast<std::size_t>(length) : 0)});
    return results.next("KQCMD_WriteBuffer");
}

std::int32_t FakeCommandLibrary::KQCMD_SendDiagnostic(std::int32_t slot, std::int32_t scsiId,
                                                      std::int32_t selfTest, std::int32_t testCode,
                                                      std::int32_t unitOffline) {
    calls.push_back({"KQCMD_SendDiagnostic", {slot, scsiId, selfTest, testCode, unitOffline}, {}});
    return results.next("KQCMD_SendDiagnostic");
}

std::int32_t FakeCommandLibrary::KQCMD_UpdateFirmware(std::int32_t slot, std::int32_t scsiId,
                                                      const std::uint8_t* widePath,
                                                      std::int32_t flags) {
    std::size_t n = 0;
    while (widePath && (widePath[n] != 0 || widePath[n + 1] != 0)) n += 2;
    calls.push_back({"KQCMD_UpdateFirmware", {slot, scsiId, flags}, copyOf(widePath, n)});
    return results.next("KQCMD_UpdateFirmware");
}

std::int32_t FakeCommandLibrary::KQCMD_SecurityLock(std::int32_t slot, std::int32_t scsiId,
                                                    std::int32_t operation, std::uint8_t* data,
                                                    std::int32_t length) {
    calls.push_back({"KQCMD_SecurityLock",
                     {slot, scsiId, operation, length},
                     copyOf(data, length > 0 ? static_cast<std::size_t>(length) : 0)});
    return results.next("KQCMD_SecurityLock");
}

Bytes FakeCommandLibrary::lastSelect(int page) const {
    for (auto it = calls.rbegin(); it != calls.rend(); ++it)
        if (it->name == "KQCMD_ModeSelect" && it->args[3] == page) return it->bytes;
    return {};
}

// ---- settings library -------------------------------------------------------

std::int32_t FakeSettingsLibrary::P_Connect(std::int32_t* connection, std::int32_t mode,
                                            std::int32_t* statusWord, std::int16_t ipv6,
                                            const std::uint8_t* address, std::int32_t requestList,
                                            std::int32_t reserved) {
    calls.push_back({"P_Connect", {mode, ipv6, requestList, reserved}, copyOf(address, 16)});
    if (address) std::copy_n(address, connectedAddress.size(), connectedAddress.begin());
    connectedIPv6 = ipv6;
    const std::int32_t r = results.next("P_Connect");
    if (r < 0) {
        *statusWord = statusWordOnFailure;
        return r;
    }
    ++connects;
    *connection = 7;
    return r;
}

std::int32_t FakeSettingsLibrary::U_Set1stPrinterInfo(std::int32_t item, std::int32_t requestList) {
    calls.push_back({"U_Set1stPrinterInfo", {item, requestList}, {}});
    building_ = SentRequest{};
    building_.items.push_back(item);
    return results.next("U_Set1stPrinterInfo");
}

std::int32_t FakeSettingsLibrary::U_SetNextPrinterInfo(std::int32_t item,
                                                       std::int32_t requestList) {
    calls.push_back({"U_SetNextPrinterInfo", {item, requestList}, {}});
    building_.items.push_back(item);
    return results.next("U_SetNextPrinterInfo");
}

std::int32_t FakeSettingsLibrary::U_Set1stSettingValue(std::int32_t item, std::int32_t size,
                                                       const std::uint8_t* value,
                                                       std::int32_t requestList) {
    Bytes bytes = copyOf(value, size > 0 ? static_cast<std::size_t>(size) : 0);
    calls.push_back({"U_Set1stSettingValue", {item, size, requestList}, bytes});
    building_ = SentRequest{};
    building_.values.emplace_back(item, std::move(bytes));
    return results.next("U_Set1stSettingValue");
}

std::int32_t FakeSettingsLibrary::U_SetNextSettingValue(std::int32_t item, std::int32_t size,
                                                        const std::uint8_t* value,
                                                        std::int32_t requestList) {
    Bytes bytes = copyOf(value, size > 0 ? static_cast<std::size_t>(size) : 0);
    calls.push_back({"U_SetNextSettingValue", {item, size, requestList}, bytes});
    building_.values.emplace_back(item, std::move(bytes));
    return results.next("U_SetNextSettingValue");
}

// Every flush sends the list built so far and starts a new one.
std::int32_t FakeSettingsLibrary::flushed(const std::string& kind, std::int32_t* statusWord,
                                          std::int32_t sequence, std::vector<std::int64_t> args) {
    calls.push_back({kind, std::move(args), {}});
    building_.sequence = sequence;
    building_.kind = kind == "P_FlushSettingReq"    ? "setting"
                     : kind == "P_FlushPropertyReq" ? "property"
                     : kind == "P_FlushStatusReq"   ? "status"
                     : kind == "P_QueryQueueStatus" ? "queue"
                                                    : "values";
    sent.push_back(std::exchange(building_, SentRequest{}));
    lastSequence_ = sequence;
    const std::int32_t r = results.next(kind);
    if (r < 0) *statusWord = statusWordOnFailure;
    return r;
}

std::int32_t FakeSettingsLibrary::P_FlushSettingReq(std::int32_t connection,
                                                    std::int32_t* statusWord, std::int32_t sequence,
                                                    std::int32_t requestList, std::int32_t mode,
                                                    std::int32_t reserved) {
    return flushed("P_FlushSettingReq", statusWord, sequence,
                   {connection, sequence, requestList, mode, reserved});
}

std::int32_t FakeSettingsLibrary::P_FlushPropertyReq(std::int32_t connection,
                                                     std::int32_t* statusWord,
                                                     std::int32_t sequence,
                                                     std::int32_t requestList,
                                                     std::int32_t reserved) {
    return flushed("P_FlushPropertyReq", statusWord, sequence,
                   {connection, sequence, requestList, reserved});
}

std::int32_t FakeSettingsLibrary::P_FlushStatusReq(std::int32_t connection,
                                                   std::int32_t* statusWord, std::int32_t sequence,
                                                   std::int32_t requestList,
                                                   std::int32_t reserved) {
    return flushed("P_FlushStatusReq", statusWord, sequence,
                   {connection, sequence, requestList, reserved});
}

std::int32_t FakeSettingsLibrary::P_QueryQueueStatus(std::int32_t connection,
                                                     std::int32_t* statusWord,
                                                     std::int32_t sequence) {
    building_ = SentRequest{};
    return flushed("P_QueryQueueStatus", statusWord, sequence, {connection, sequence});
}

std::int32_t FakeSettingsLibrary::P_FlushSettingValue(
    std::int32_t connection, std::int32_t* statusWord, std::int32_t sequence,
    std::int32_t requestList, std::int32_t reserved1, std::int32_t reserved2) {
    return flushed("P_FlushSettingValue", statusWord, sequence,
                   {connection, sequence, requestList, reserved1, reserved2});
}

// Never writes more than the capacity the caller passes in *replyLength.
std::int32_t FakeSettingsLibrary::P_CheckReply(std::int32_t connection, std::int32_t* statusWord,
                                               std::int32_t* sequence, LNK_REPLY_HEADER* header,
                                               std::uint8_t* reply, std::int32_t* replyLength,
                                               std::int32_t timeout) {
    calls.push_back({"P_CheckReply", {connection, *sequence, *replyLength, timeout}, {}});
    const std::int32_t r = results.next("P_CheckReply");
    if (r != 0) {
        *statusWord = statusWordOnFailure;
        return r;
    }
    Bytes bytes;
    if (!replies.empty()) {
        bytes = std::move(replies.front());
        replies.pop_front();
    }
    std::int32_t skew = 0;
    if (!sequenceSkew.empty()) {
        skew = sequenceSkew.front();
        sequenceSkew.pop_front();
    }
    const std::size_t n = std::min<std::size_t>(bytes.size(), std::max(*replyLength, 0));
    handOut(bytes, reply, n);
    *replyLength = static_cast<std::int32_t>(n);
    *sequence = lastSequence_ + skew;
    if (header) *header = LNK_REPLY_HEADER{*sequence, 0, *replyLength, 0};
    return 0;
}

std::int32_t FakeSettingsLibrary::P_Close(std::int32_t connection, LNK_CLOSE_RECORD*) {
    calls.push_back({"P_Close", {connection}, {}});
    ++closes;
    return results.next("P_Close");
}

std::int32_t FakeSettingsLibrary::U_OpenPrinterList(LNK_PRINTER_LIST* list) {
    calls.push_back({"U_OpenPrinterList", {}, {}});
    if (list) list->handle = this;
    return results.next("U_OpenPrinterList");
}

std::int32_t FakeSettingsLibrary::P_RefreshPrinterList(std::int16_t ipv6, LNK_PRINTER_LIST*,
                                                       std::int32_t* statusWord,
                                                       std::int32_t timeoutMs) {
    calls.push_back({"P_RefreshPrinterList", {ipv6, timeoutMs}, {}});
    const std::int32_t r = results.next("P_RefreshPrinterList");
    if (r < 0) *statusWord = statusWordOnFailure;
    return r;
}

std::int32_t FakeSettingsLibrary::U_GetPrinterListSize(LNK_PRINTER_LIST*, std::int32_t* size) {
    calls.push_back({"U_GetPrinterListSize", {}, {}});
    *size = claimedListSize >= 0 ? claimedListSize : static_cast<std::int32_t>(printerList.size());
    return results.next("U_GetPrinterListSize");
}

std::int32_t FakeSettingsLibrary::U_GetPrinterListData(LNK_PRINTER_LIST*, std::uint8_t* data,
                                                       std::int32_t size) {
    calls.push_back({"U_GetPrinterListData", {size}, {}});
    handOut(printerList, data, static_cast<std::size_t>(std::max(size, 0)));
    return results.next("U_GetPrinterListData");
}

std::int32_t FakeSettingsLibrary::U_FreePrinterList(LNK_PRINTER_LIST* list) {
    calls.push_back({"U_FreePrinterList", {}, {}});
    if (list) list->handle = nullptr;
    return results.next("U_FreePrinterList");
}

std::int32_t FakeSettingsLibrary::Px_SecurityLock(std::int16_t ipv6, const std::uint8_t* address,
                                                  std::int32_t operation, std::uint8_t* data,
                                                  std::int32_t length) {
    Bytes bytes = copyOf(data, length > 0 ? static_cast<std::size_t>(length) : 0);
    calls.push_back({"Px_SecurityLock", {ipv6, operation, length}, bytes});
    (void)address;
    return results.next("Px_SecurityLock");
}

// ---- FakeLink -------------------------------------------------------------

FakeLink& FakeLink::usb(std::int32_t slot, std::int32_t scsiId) {
    state.printerCount = 1;
    state.selected.connection = link::Connection::Usb;
    state.selected.slot = slot;
    state.selected.scsiId = scsiId;
    return *this;
}

FakeLink& FakeLink::network(std::initializer_list<std::uint8_t> address) {
    state.printerCount = 1;
    state.selected.connection = link::Connection::Network;
    state.selected.address = {};
    std::copy_n(address.begin(), std::min(address.size(), state.selected.address.size()),
                state.selected.address.begin());
    return *this;
}

// ---- reply builders ---------------------------------------------------------

Bytes item(std::uint8_t id, std::span<const std::uint8_t> value) {
    Bytes b{id, static_cast<std::uint8_t>(value.size() + 1), 0};
    b.insert(b.end(), value.begin(), value.end());
    return b;
}

Bytes item(std::uint8_t id, std::initializer_list<std::uint8_t> value) {
    return item(id, std::span<const std::uint8_t>(value.begin(), value.size()));
}

Bytes textItem(std::uint8_t id, const std::string& text) {
    Bytes value(text.begin(), text.end());
    value.push_back(0);
    return item(id, value);
}

Bytes counterItem(std::uint8_t id, std::uint32_t v) {
    return item(id, {static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16),
                     static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)});
}

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

}  // namespace orvan::test
