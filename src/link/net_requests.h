#pragma once
// The network path to the printer's settings: every read and write is one
// connection carrying one or more item-coded requests, each checked for the
// sequence number of its reply.
#include <cstdint>
#include <span>

#include "link/channel.h"
#include "link/net_items.h"
#include "link/printer_data.h"

namespace orvan::link {

inline constexpr std::size_t kReplyBufferSize = LNK_REPLY_BUFFER_SIZE;
inline constexpr std::size_t kQueueReplySize = LNK_QUEUE_REPLY_SIZE;
inline constexpr std::size_t kQueueRecordSize = 108;  // 54 two-byte codes
inline constexpr std::size_t kQueueRecordsMax = 5;

// Reads the queue reply into jobs: byte 0 the number of documents, records
// from byte 4. Only records wholly inside reply are used, at most five, and
// count never exceeds the names present.
void decodeQueueReply(JobList& jobs, std::span<const std::uint8_t> reply);

class NetworkRequests {
  public:
    NetworkRequests(Channel& channel, PrinterData& data);

    // Each returns 0 at once, calling nothing, unless a network printer is
    // selected. A failed read leaves the fields as they were.
    ResultCode identityRead();
    ResultCode statusTabRead();
    ResultCode conditionRead();
    ResultCode conditionWrite();
    ResultCode retransferRead();
    ResultCode retransferWrite();
    ResultCode bendRemedyRead();
    ResultCode bendRemedyWrite();
    ResultCode mediaRead();
    ResultCode mediaWrite();
    ResultCode propertyRead();
    ResultCode laminatorRead();
    ResultCode laminatorWrite();
    ResultCode networkRead();
    ResultCode networkWrite();
    ResultCode securityLockRead();
    // Discovery's question for the name at state().selected.address. Runs
    // whenever asked (the printer count may still be 0); the name is stored
    // only when the reply's first item is the name.
    ResultCode nameProbe();
    ResultCode counterClear();
    ResultCode counterReread();  // the print and error counters after a clear

    // A one-value setting write (the printer clock, item 10).
    ResultCode writeSettingValue(std::uint8_t item, std::span<const std::uint8_t> value);

  private:
    struct Outgoing;  // one request ready to send
    ResultCode runIfNetwork(NetOp op);
    ResultCode runOperation(NetOp op);
    ResultCode run(std::span<const Outgoing> requests, std::int32_t timeout);
    ResultCode exchange(std::int32_t connection, const Outgoing& request, std::int32_t timeout);
    void sendList(const Outgoing& request);
    ResultCode flush(RequestKind kind, std::int32_t connection, std::int32_t sequence);
    void storeReply(const RequestDef& request, std::span<const std::uint8_t> reply);

    Channel& channel_;
    PrinterData& data_;
};

}  // namespace orvan::link
