// Network replies come straight from the network: whatever their bytes, the
// item walk and every store of every request stay inside the reply.
#include <cstddef>
#include <cstdint>
#include <span>

#include "link/net_items.h"
#include "link/reply_walk.h"

using namespace orvan::link;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> reply(data, size);
    std::size_t covered = 0;
    walkReplyItems(reply, [&](std::uint8_t, std::span<const std::uint8_t> item) {
        if (item.size() < 2 || item.data() < reply.data() ||
            item.data() + item.size() > reply.data() + reply.size())
            __builtin_trap();
        covered += item.size();
        (void)valueByte(item);
        (void)valueBigEndian32(item);
        (void)valueNumber(item);
        if (valueText(item, 10).size() > 10) __builtin_trap();
        if (valueBlock(item, 16).size() > 16) __builtin_trap();
    });
    if (covered > size) __builtin_trap();

    PrinterData printer;
    for (int op = 0; op <= static_cast<int>(NetOp::CounterReread); ++op) {
        for (const auto& request : operation(static_cast<NetOp>(op)).requests) {
            walkReplyItems(reply, [&](std::uint8_t id, std::span<const std::uint8_t> item) {
                for (const auto& def : request.items)
                    if (def.id == id) storeItem(def, printer, item);
            });
        }
    }
    if (networkName(printer.image.NetworkSetting).size() > 20)
        __builtin_trap();  // ten characters, two bytes at most each
    (void)textFromCodes16(reply, 48);
    return 0;
}
