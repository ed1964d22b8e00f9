#include "simulator/sim_settings_port.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include "simulator/printer_list_data.h"

namespace orvan::sim {
namespace {

constexpr std::int32_t kMaxSequence = 32767;
constexpr std::size_t kMaxPendingReplies = 16;
constexpr std::int32_t kPasswordBytes = 8;

std::size_t addressSize(std::int16_t ipv6) {
    return ipv6 != 0 ? 16 : 4;
}

Bytes copyOf(const std::uint8_t* data, std::size_t length) {
    return data == nullptr ? Bytes{} : Bytes(data, data + length);
}

void setWord(std::int32_t* statusWord, std::int32_t value) {
    if (statusWord != nullptr) *statusWord = value;
}

}  // namespace

std::optional<ResultCode> SimSettingsPort::begin(CallRecord call, std::int32_t* statusWord) {
    if (world_.networkLatencyMs() > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(world_.networkLatencyMs()));
    const std::string operation = call.operation;
    world_.record(std::move(call));
    auto scripted = world_.takeScriptedResult(operation);
    if (!scripted) return std::nullopt;
    setWord(statusWord, scripted->statusWord);
    return scripted->code;
}

SimPrinter* SimSettingsPort::sessionPrinter(std::int32_t connection, std::int32_t* statusWord) {
    auto it = sessions_.find(connection);
    if (it == sessions_.end() || it->second.printer >= world_.networkCount() ||
        !world_.networkPort(it->second.printer).attached) {
        setWord(statusWord, kSocketTimedOut);
        return nullptr;
    }
    return &world_.network(it->second.printer);
}

std::int32_t SimSettingsPort::P_Connect(std::int32_t* connection, std::int32_t mode,
                                        std::int32_t* statusWord, std::int16_t ipv6,
                                        const std::uint8_t* address, std::int32_t requestList,
                                        std::int32_t reserved) {
    const std::size_t size = addressSize(ipv6);
    if (auto r = begin({"P_Connect", {mode, ipv6, requestList, reserved}, copyOf(address, size)},
                       statusWord)) {
        return *r;
    }
    if (connection == nullptr || statusWord == nullptr || address == nullptr)
        return kInvalidArgument;
    const auto printer = world_.findNetwork(ipv6 != 0, std::span(address, size));
    if (!printer || !world_.networkPort(*printer).attached) {
        *statusWord = kSocketTimedOut;
        return kSocketFailure;
    }
    if (sessions_.size() >= kMaxSessions) {
        *statusWord = kSocketTooMany;
        return kSocketFailure;
    }
    *connection = nextConnection_++;
    sessions_[*connection] = {*printer, {}};
    *statusWord = 0;
    return 0;
}

ResultCode SimSettingsPort::addItem(const char* operation, std::int32_t item,
                                    std::int32_t requestList, bool first) {
    if (auto r = begin({operation, {item, requestList}, {}}, nullptr)) return *r;
    auto& items = requests_[requestList].items;
    if (first) items.clear();
    if (item < 0 || item > 255 || items.size() >= kMaxListItems) return kInvalidArgument;
    items.push_back(item);
    return 0;
}

std::int32_t SimSettingsPort::U_Set1stPrinterInfo(std::int32_t item, std::int32_t requestList) {
    return addItem("U_Set1stPrinterInfo", item, requestList, true);
}

std::int32_t SimSettingsPort::U_SetNextPrinterInfo(std::int32_t item, std::int32_t requestList) {
    return addItem("U_SetNextPrinterInfo", item, requestList, false);
}

ResultCode SimSettingsPort::addValue(const char* operation, std::int32_t item, std::int32_t size,
                                     const std::uint8_t* value, std::int32_t requestList,
                                     bool first) {
    const bool valid = size >= 0 && size <= kMaxValueSize && (value != nullptr || size == 0);
    const Bytes bytes = valid ? copyOf(value, static_cast<std::size_t>(size)) : Bytes{};
    if (auto r = begin({operation, {item, size, requestList}, bytes}, nullptr)) return *r;
    auto& values = requests_[requestList].values;
    if (first) values.clear();
    if (!valid || item < 0 || item > 255 || values.size() >= kMaxListItems) return kInvalidArgument;
    values.emplace_back(item, bytes);
    return 0;
}

std::int32_t SimSettingsPort::U_Set1stSettingValue(std::int32_t item, std::int32_t size,
                                                   const std::uint8_t* value,
                                                   std::int32_t requestList) {
    return addValue("U_Set1stSettingValue", item, size, value, requestList, true);
}

std::int32_t SimSettingsPort::U_SetNextSettingValue(std::int32_t item, std::int32_t size,
                                                    const std::uint8_t* value,
                                                    std::int32_t requestList) {
    return addValue("U_SetNextSettingValue", item, size, value, requestList, false);
}

ResultCode SimSettingsPort::send(CallRecord call, std::int32_t connection, std::int32_t* statusWord,
                                 std::int32_t sequence, RequestKind kind,
                                 const std::function<Bytes(SimPrinter&)>& answer) {
    if (auto r = begin(std::move(call), statusWord)) return *r;
    if (statusWord == nullptr || sequence < 1 || sequence > kMaxSequence) return kInvalidArgument;
    SimPrinter* printer = sessionPrinter(connection, statusWord);
    if (printer == nullptr) return kSocketFailure;
    auto& replies = sessions_[connection].replies;
    if (replies.size() >= kMaxPendingReplies) replies.pop_front();
    replies.push_back({sequence, kind, answer(*printer)});
    *statusWord = 0;
    return 0;
}

std::int32_t SimSettingsPort::P_FlushSettingReq(std::int32_t connection, std::int32_t* statusWord,
                                                std::int32_t sequence, std::int32_t requestList,
                                                std::int32_t mode, std::int32_t reserved) {
    const auto items = requests_[requestList].items;
    return send({"P_FlushSettingReq",
                 {connection, sequence, requestList, mode, reserved},
                 Bytes(items.begin(), items.end())},
                connection, statusWord, sequence, kSettingQuery, [&](SimPrinter& p) {
                    return buildItemReply(p, ItemSpace::Setting, items, LNK_REPLY_BUFFER_SIZE);
                });
}

std::int32_t SimSettingsPort::P_FlushPropertyReq(std::int32_t connection, std::int32_t* statusWord,
                                                 std::int32_t sequence, std::int32_t requestList,
                                                 std::int32_t reserved) {
    const auto items = requests_[requestList].items;
    return send({"P_FlushPropertyReq",
                 {connection, sequence, requestList, reserved},
                 Bytes(items.begin(), items.end())},
                connection, statusWord, sequence, kPropertyQuery, [&](SimPrinter& p) {
                    return buildItemReply(p, ItemSpace::Property, items, LNK_REPLY_BUFFER_SIZE);
                });
}

std::int32_t SimSettingsPort::P_FlushStatusReq(std::int32_t connection, std::int32_t* statusWord,
                                               std::int32_t sequence, std::int32_t requestList,
                                               std::int32_t reserved) {
    const auto items = requests_[requestList].items;
    return send({"P_FlushStatusReq",
                 {connection, sequence, requestList, reserved},
                 Bytes(items.begin(), items.end())},
                connection, statusWord, sequence, kStatusQuery, [&](SimPrinter& p) {
                    return buildItemReply(p, ItemSpace::Status, items, LNK_REPLY_BUFFER_SIZE);
                });
}

std::int32_t SimSettingsPort::P_QueryQueueStatus(std::int32_t connection, std::int32_t* statusWord,
                                                 std::int32_t sequence) {
    return send({"P_QueryQueueStatus", {connection, sequence}, {}}, connection, statusWord,
                sequence, kQueueQuery, [](SimPrinter& p) { return buildQueueReply(p); });
}

std::int32_t SimSettingsPort::P_FlushSettingValue(std::int32_t connection, std::int32_t* statusWord,
                                                  std::int32_t sequence, std::int32_t requestList,
                                                  std::int32_t reserved1, std::int32_t reserved2) {
    const auto values = requests_[requestList].values;
    // The log holds the values as they travel: [item][size][bytes...] each.
    Bytes sent;
    for (const auto& [item, bytes] : values) {
        sent.push_back(static_cast<std::uint8_t>(item));
        sent.push_back(static_cast<std::uint8_t>(std::min<std::size_t>(bytes.size(), 255)));
        sent.insert(sent.end(), bytes.begin(), bytes.end());
    }
    return send({"P_FlushSettingValue",
                 {connection, sequence, requestList, reserved1, reserved2},
                 std::move(sent)},
                connection, statusWord, sequence, kSettingWrite, [&](SimPrinter& p) {
                    for (const auto& [item, bytes] : values) writeSettingItem(p, item, bytes);
                    return Bytes{};
                });
}

std::int32_t SimSettingsPort::P_CheckReply(std::int32_t connection, std::int32_t* statusWord,
                                           std::int32_t* sequence, LNK_REPLY_HEADER* header,
                                           std::uint8_t* reply, std::int32_t* replyLength,
                                           std::int32_t timeout) {
    const std::int64_t capacity = replyLength != nullptr ? *replyLength : -1;
    if (auto r = begin({"P_CheckReply", {connection, timeout, capacity}, {}}, statusWord))
        return *r;
    if (!statusWord || !sequence || !reply || !replyLength || *replyLength < 0) {
        return kInvalidArgument;
    }
    if (sessionPrinter(connection, statusWord) == nullptr) return kSocketFailure;
    auto& replies = sessions_[connection].replies;
    if (replies.empty()) {
        *replyLength = 0;
        *statusWord = 0;
        return kReplyTimeout;
    }
    PendingReply answer = std::move(replies.front());
    replies.pop_front();
    world_.applyReplyEdit(answer.bytes);
    if (world_.takeSequenceMismatch()) answer.sequence = answer.sequence % kMaxSequence + 1;
    const auto written =
        std::min<std::size_t>(answer.bytes.size(), static_cast<std::size_t>(*replyLength));
    std::copy_n(answer.bytes.begin(), written, reply);
    *replyLength = static_cast<std::int32_t>(written);
    if (header != nullptr) *header = {answer.sequence, answer.kind, *replyLength, 0};
    *sequence = answer.sequence;
    *statusWord = 0;
    return 0;
}

std::int32_t SimSettingsPort::P_Close(std::int32_t connection, LNK_CLOSE_RECORD* record) {
    if (auto r = begin({"P_Close", {connection}, {}}, nullptr)) return *r;
    // Closing a session that never opened is harmless, as after a failed connect.
    sessions_.erase(connection);
    if (record != nullptr) *record = {};
    return 0;
}

Bytes* SimSettingsPort::printerList(const LNK_PRINTER_LIST* list) {
    if (list == nullptr) return nullptr;
    auto it = printerLists_.find(reinterpret_cast<std::uintptr_t>(list->handle));
    return it == printerLists_.end() ? nullptr : &it->second;
}

std::int32_t SimSettingsPort::U_OpenPrinterList(LNK_PRINTER_LIST* list) {
    if (auto r = begin({"U_OpenPrinterList", {}, {}}, nullptr)) return *r;
    if (list == nullptr) return kInvalidArgument;
    // Handles are numbers, never addresses, so that a stale one is refused
    // rather than followed.
    const std::uintptr_t id = nextList_++;
    Bytes empty(kListHeaderSize, 0);
    empty[0] = static_cast<std::uint8_t>(kListHeaderSize);
    printerLists_[id] = std::move(empty);
    list->handle = reinterpret_cast<void*>(id);
    return 0;
}

std::int32_t SimSettingsPort::P_RefreshPrinterList(std::int16_t ipv6, LNK_PRINTER_LIST* list,
                                                   std::int32_t* statusWord,
                                                   std::int32_t timeoutMs) {
    if (auto r = begin({"P_RefreshPrinterList", {ipv6, timeoutMs}, {}}, statusWord)) return *r;
    Bytes* data = printerList(list);
    if (data == nullptr || statusWord == nullptr) return kInvalidArgument;
    *data = buildPrinterListData(world_);
    *statusWord = 0;
    return 0;
}

std::int32_t SimSettingsPort::U_GetPrinterListSize(LNK_PRINTER_LIST* list, std::int32_t* size) {
    if (auto r = begin({"U_GetPrinterListSize", {}, {}}, nullptr)) return *r;
    const Bytes* data = printerList(list);
    if (data == nullptr || size == nullptr) return kInvalidArgument;
    *size = static_cast<std::int32_t>(data->size());
    return 0;
}

std::int32_t SimSettingsPort::U_GetPrinterListData(LNK_PRINTER_LIST* list, std::uint8_t* data,
                                                   std::int32_t size) {
    if (auto r = begin({"U_GetPrinterListData", {size}, {}}, nullptr)) return *r;
    const Bytes* content = printerList(list);
    if (content == nullptr || size < 0 || (data == nullptr && size > 0)) return kInvalidArgument;
    std::copy_n(content->begin(),
                std::min<std::size_t>(content->size(), static_cast<std::size_t>(size)), data);
    return 0;
}

std::int32_t SimSettingsPort::U_FreePrinterList(LNK_PRINTER_LIST* list) {
    if (auto r = begin({"U_FreePrinterList", {}, {}}, nullptr)) return *r;
    if (printerList(list) == nullptr) return kInvalidArgument;
    printerLists_.erase(reinterpret_cast<std::uintptr_t>(list->handle));
    list->handle = nullptr;
    return 0;
}

std::int32_t SimSettingsPort::Px_SecurityLock(std::int16_t ipv6, const std::uint8_t* address,
                                              std::int32_t operation, std::uint8_t* data,
                                              std::int32_t length) {
    const bool valid = length >= 0 && length <= kPasswordBytes && (data != nullptr || length == 0);
    if (auto r = begin({"Px_SecurityLock",
                        {ipv6, operation, length},
                        valid ? copyOf(data, static_cast<std::size_t>(length)) : Bytes{}},
                       nullptr)) {
        return *r;
    }
    if (!valid || address == nullptr) return kInvalidArgument;
    const auto printer = world_.findNetwork(ipv6 != 0, std::span(address, addressSize(ipv6)));
    if (!printer || !world_.networkPort(*printer).attached) return kSocketFailure;
    return world_.network(*printer).securityLock(operation,
                                                 std::span(data, static_cast<std::size_t>(length)));
}

}  // namespace orvan::sim
