#pragma once
// The audit of writes to a printer: who made them, on which screen or from
// which settings file, with which settings, and whether they took.
#include <cstdint>
#include <string>

#include "history/history_records.h"

namespace orvan::history {

// The login name of the user this process runs for ("uid <n>" when the
// user database does not know it).
std::string LoginName();

// The entry of one write at now: result 0 is success.
AuditEntry AuditOf(std::string screen, std::string settings, std::int64_t result, std::int64_t now,
                   std::string user = LoginName());

}  // namespace orvan::history
