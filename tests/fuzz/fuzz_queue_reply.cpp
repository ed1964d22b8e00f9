// The print-queue reply: whatever it claims, the job list never promises
// more documents than it holds names for.
#include <cstddef>
#include <cstdint>
#include <span>

#include "link/net_requests.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    orvan::link::JobList jobs;
    orvan::link::decodeQueueReply(jobs, std::span<const std::uint8_t>(data, size));
    const auto count = static_cast<std::size_t>(jobs.count);
    if (jobs.count < 0 || count > orvan::link::kQueueRecordsMax) __builtin_trap();
    if (jobs.owners.size() < count || jobs.documents.size() < count) __builtin_trap();
    if (jobs.owners.empty() || jobs.documents.empty()) __builtin_trap();
    return 0;
}
