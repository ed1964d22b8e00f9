#include "link/net_requests.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "link/reply_walk.h"

namespace orvan::link {
namespace {

constexpr std::int32_t kRequestList = 0;  // the libraries' request-list value, always 0
constexpr std::int32_t kConnectMode = 1;
constexpr std::int32_t kSettingQueryMode = 1;
constexpr std::int32_t kReplyWait = 300;
constexpr std::size_t kQueueHeader = 4;
constexpr std::size_t kOwnerCodes = 16, kDocumentCodes = 32;

}  // namespace

struct NetworkRequests::Outgoing {
    RequestKind kind;
    const RequestDef* def = nullptr;  // where answered items go (reads)
    std::vector<std::pair<std::uint8_t, std::vector<std::uint8_t>>> values;  // writes
};

void decodeQueueReply(JobList& jobs, std::span<const std::uint8_t> reply) {
    jobs.count = 0;
    jobs.owners.assign(1, {});
    jobs.documents.assign(1, {});
    if (reply.empty()) return;
    const std::size_t records =
        reply.size() > kQueueHeader ? (reply.size() - kQueueHeader) / kQueueRecordSize : 0;
    const std::size_t n = std::min({std::size_t{reply[0]}, kQueueRecordsMax, records});
    if (n == 0) return;
    jobs.owners.resize(n);
    jobs.documents.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const auto record = reply.subspan(kQueueHeader + i * kQueueRecordSize, kQueueRecordSize);
        jobs.owners[i] = textFromCodes16(record, kOwnerCodes);
        jobs.documents[i] = textFromCodes16(record.subspan(2 * kOwnerCodes), kDocumentCodes);
    }
    jobs.count = static_cast<int>(n);
}

NetworkRequests::NetworkRequests(Channel& channel, PrinterData& data)
    : channel_(channel), data_(data) {}

ResultCode NetworkRequests::identityRead() {
    return runIfNetwork(NetOp::IdentityRead);
}
ResultCode NetworkRequests::statusTabRead() {
    return runIfNetwork(NetOp::StatusTabRead);
}
ResultCode NetworkRequests::conditionRead() {
    return runIfNetwork(NetOp::ConditionRead);
}
ResultCode NetworkRequests::conditionWrite() {
    return runIfNetwork(NetOp::ConditionWrite);
}
ResultCode NetworkRequests::retransferRead() {
    return runIfNetwork(NetOp::RetransferRead);
}
ResultCode NetworkRequests::retransferWrite() {
    return runIfNetwork(NetOp::RetransferWrite);
}
ResultCode NetworkRequests::bendRemedyRead() {
    return runIfNetwork(NetOp::BendRemedyRead);
}
ResultCode NetworkRequests::bendRemedyWrite() {
    return runIfNetwork(NetOp::BendRemedyWrite);
}
ResultCode NetworkRequests::mediaRead() {
    return runIfNetwork(NetOp::MediaRead);
}
ResultCode NetworkRequests::mediaWrite() {
    return runIfNetwork(NetOp::MediaWrite);
}
ResultCode NetworkRequests::propertyRead() {
    return runIfNetwork(NetOp::PropertyRead);
}
ResultCode NetworkRequests::laminatorRead() {
    return runIfNetwork(NetOp::LaminatorRead);
}
ResultCode NetworkRequests::laminatorWrite() {
    return runIfNetwork(NetOp::LaminatorWrite);
}
ResultCode NetworkRequests::networkRead() {
    return runIfNetwork(NetOp::NetworkRead);
}
ResultCode NetworkRequests::networkWrite() {
    return runIfNetwork(NetOp::NetworkWrite);
}
ResultCode NetworkRequests::securityLockRead() {
    return runIfNetwork(NetOp::SecurityLockRead);
}
ResultCode NetworkRequests::counterClear() {
    return runIfNetwork(NetOp::CounterClear);
}
ResultCode NetworkRequests::counterReread() {
    return runIfNetwork(NetOp::CounterReread);
}

// Discovery asks before any printer is listed, so no network check here.
ResultCode NetworkRequests::nameProbe() {
    return runOperation(NetOp::NameProbe);
}

ResultCode NetworkRequests::writeSettingValue(std::uint8_t item,
                                              std::span<const std::uint8_t> value) {
    if (!channel_.state().network()) return 0;
    Outgoing request{RequestKind::Write, nullptr, {}};
    request.values.emplace_back(item, std::vector<std::uint8_t>(value.begin(), value.end()));
    return run(std::span(&request, 1), kReplyWait);
}

ResultCode NetworkRequests::runIfNetwork(NetOp op) {
    return channel_.state().network() ? runOperation(op) : 0;
}

ResultCode NetworkRequests::runOperation(NetOp op) {
    const auto& def = operation(op);
    // Written values are taken from the image before anything is sent.
    std::vector<Outgoing> requests;
    for (const auto& r : def.requests) {
        Outgoing out{r.kind, &r, {}};
        if (r.kind == RequestKind::Write) {
            for (const auto& item : r.items) {
                auto bytes = itemValue(item, data_);
                if (!bytes.empty()) out.values.emplace_back(item.id, std::move(bytes));
            }
        }
        requests.push_back(std::move(out));
    }
    return run(requests, def.timeout);
}

// One connection for all requests of an operation; the first failure ends it.
ResultCode NetworkRequests::run(std::span<const Outgoing> requests, std::int32_t timeout) {
    auto& st = channel_.state();
    if (st.ended) return 0;
    auto& lib = channel_.settings();
    std::int32_t connection = 0;
    ResultCode result =
        lib.P_Connect(&connection, kConnectMode, &st.statusWord, st.preferIPv6 ? 1 : 0,
                      st.selected.address.data(), kRequestList, 0);
    st.lastNetworkResult = result;
    if (result < 0) return result;
    result = 0;
    for (const auto& request : requests) {
        result = exchange(connection, request, timeout);
        if (result != 0) break;
    }
    LNK_CLOSE_RECORD closeRecord{};
    lib.P_Close(connection, &closeRecord);
    st.lastNetworkResult = result;
    return result;
}

ResultCode NetworkRequests::exchange(std::int32_t connection, const Outgoing& request,
                                     std::int32_t timeout) {
    auto& st = channel_.state();
    if (request.kind == RequestKind::Write && request.values.empty()) return 0;
    sendList(request);
    ResultCode result = flush(request.kind, connection, advanceSequence(st));
    st.lastNetworkResult = result;
    if (result < 0) return result;

    const bool queue = request.kind == RequestKind::Queue;
    if (queue) decodeQueueReply(data_.jobs, {});  // reset before the reply is read
    std::array<std::uint8_t, std::max(kReplyBufferSize, kQueueReplySize)> reply{};
    const std::size_t capacity = queue ? kQueueReplySize : kReplyBufferSize;
    std::int32_t length = static_cast<std::int32_t>(capacity);
    LNK_REPLY_HEADER header{};
    result = channel_.settings().P_CheckReply(connection, &st.statusWord, &st.sequence, &header,
                                              reply.data(), &length, timeout);
    st.lastNetworkResult = result;
    if (result != 0) return result;
    if (st.sequence != st.expectedSequence) return kSequenceMismatch;

    const auto received = std::span<const std::uint8_t>(reply).first(
        static_cast<std::size_t>(std::clamp<std::int32_t>(length, 0, capacity)));
    if (queue) {
        decodeQueueReply(data_.jobs, received);
    } else if (request.kind != RequestKind::Write && request.def) {
        storeReply(*request.def, received);
    }
    return 0;
}

void NetworkRequests::sendList(const Outgoing& request) {
    auto& lib = channel_.settings();
    if (request.kind == RequestKind::Queue) return;
    if (request.kind == RequestKind::Write) {
        bool first = true;
        for (const auto& [item, bytes] : request.values) {
            const auto size = static_cast<std::int32_t>(bytes.size());
            if (first) {
                lib.U_Set1stSettingValue(item, size, bytes.data(), kRequestList);
            } else {
                lib.U_SetNextSettingValue(item, size, bytes.data(), kRequestList);
            }
            first = false;
        }
        return;
    }
    bool first = true;
    for (const auto& item : request.def->items) {
        if (first) {
            lib.U_Set1stPrinterInfo(item.id, kRequestList);
        } else {
            lib.U_SetNextPrinterInfo(item.id, kRequestList);
        }
        first = false;
    }
}

ResultCode NetworkRequests::flush(RequestKind kind, std::int32_t connection,
                                  std::int32_t sequence) {
    auto& lib = channel_.settings();
    auto* status = &channel_.state().statusWord;
    switch (kind) {
        case RequestKind::Setting:
            return lib.P_FlushSettingReq(connection, status, sequence, kRequestList,
                                         kSettingQueryMode, 0);
        case RequestKind::Property:
            return lib.P_FlushPropertyReq(connection, status, sequence, kRequestList, 0);
        case RequestKind::Status:
            return lib.P_FlushStatusReq(connection, status, sequence, kRequestList, 0);
        case RequestKind::Queue:
            return lib.P_QueryQueueStatus(connection, status, sequence);
        case RequestKind::Write:
            return lib.P_FlushSettingValue(connection, status, sequence, kRequestList, 0, 0);
    }
    return 0;
}

// Items nobody asked for are skipped; an item asked for twice is stored once
// per answer.
void NetworkRequests::storeReply(const RequestDef& request, std::span<const std::uint8_t> reply) {
    if (request.firstItemMustMatch) {
        if (request.items.empty() || reply.empty() || reply[0] != request.items[0].id) return;
    }
    walkReplyItems(reply, [&](std::uint8_t id, std::span<const std::uint8_t> item) {
        for (const auto& wanted : request.items) {
            if (wanted.id == id) {
                storeItem(wanted, data_, item);
                return;
            }
        }
    });
}

}  // namespace orvan::link
