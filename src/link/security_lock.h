#pragma once
// The printer's security lock: one command that locks or unlocks the printer
// or sets or deletes its password. The printer answers only with a result
// code; its new state is read back from page 0x28.
#include <cstdint>

#include "link/channel.h"
#include "link/password.h"

namespace orvan::link {

enum class LockCommand : std::int32_t {
    NewPassword = 0x20,
    DeletePassword = 0x21,
    Unlock = 0x22,
    Lock = 0x23,
};

// Sends one lock command to the selected printer, `KQCMD_SecurityLock` over
// USB or `Px_SecurityLock` over the network, with the attempt loop of every
// command that changes the printer (a positive result is tried again, with
// the very same bytes to the very same printer). Returns 0 without a call
// when no printer is selected.
ResultCode SendSecurityLock(Channel& channel, LockCommand command, const Password& password);

}  // namespace orvan::link
