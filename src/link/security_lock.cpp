#include "link/security_lock.h"

#include <algorithm>

namespace orvan::link {

ResultCode SendSecurityLock(Channel& channel, LockCommand command, const Password& password) {
    const LinkState& state = channel.state();
    if (!state.usb() && !state.network()) return 0;
    const auto code = static_cast<std::int32_t>(command);
    const std::int32_t length = std::clamp<std::int32_t>(password.length, 0, kPasswordBytes);
    // Sent once: a lock, an unlock or a new password that took effect on a
    // first attempt answered as busy would make a retry fail (wrong password,
    // already locked) and report an error for a command that worked.
    Password sent;
    if (state.usb()) {
        const UsbAddress to = channel.usbAddress();
        return channel.attempt(Channel::Retry::Never, [&] {
            sent = password;
            return channel.commands().KQCMD_SecurityLock(to.slot, to.scsiId, code,
                                                         sent.bytes.data(), length);
        });
    }
    const std::int16_t ipv6 = state.preferIPv6 ? 1 : 0;
    const AddressBytes address = state.selected.address;
    return channel.attempt(Channel::Retry::Never, [&] {
        sent = password;
        return channel.settings().Px_SecurityLock(ipv6, address.data(), code, sent.bytes.data(),
                                                  length);
    });
}

}  // namespace orvan::link
