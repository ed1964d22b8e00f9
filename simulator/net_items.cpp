#include "simulator/net_items.h"

#include <algorithm>
#include <array>
#include <functional>

#include "simulator/wide_text.h"

namespace orvan::sim {
namespace {

enum class Source : std::uint8_t {
    Page,
    Inquiry,
    Buffer,
    Counter,
    IpsecEnabled,
    EffectiveIPv6,
    PrinterStatus,
    LaminatorStatus
};

struct ItemSource {
    int item;
    Source source;
    int where;  // page code, buffer id or counter
    int offset;
    int length;
    bool writable;
};

constexpr int kCounter(Counter c) {
    return static_cast<int>(c);
}

constexpr std::array<ItemSource, 54> kSettingItems = {{
    {1, Source::Page, 0x2D, 17, 10, true},
    {2, Source::Page, 0x2D, 16, 1, true},
    {3, Source::Page, 0x2D, 2, 4, true},
    {4, Source::Page, 0x2D, 6, 4, true},
    {5, Source::Page, 0x2D, 10, 4, true},
    {6, Source::Page, 0x2D, 15, 1, true},
    {7, Source::Page, 0x2D, 14, 1, true},
    {8, Source::IpsecEnabled, kIpsecModeBuffer, 0, 1, false},
    {9, Source::Buffer, kIpsecModeBuffer, 0, 1, false},
    {10, Source::Buffer, kClockBuffer, 0, 8, true},
    {11, Source::Page, 0x2D, 29, 1, true},
    {12, Source::Page, 0x2D, 30, 1, true},
    {13, Source::Page, 0x2D, 31, 16, true},
    {14, Source::EffectiveIPv6, 0, 0, 48, false},
    {20, Source::Page, 0x28, 22, 1, true},
    {22, Source::Page, 0x28, 45, 1, true},
    {24, Source::Page, 0x28, 46, 1, true},
    {27, Source::Page, 0x28, 51, 1, true},
    {29, Source::Page, 0x28, 53, 1, true},
    {30, Source::Page, 0x28, 54, 1, true},
    {31, Source::Page, 0x28, kLockStateByte, 1, false},
    {40, Source::Page, 0x2A, 7, 1, true},
    {41, Source::Page, 0x2A, 3, 1, true},
    {42, Source::Page, 0x2A, 2, 1, true},
    {50, Source::Counter, kCounter(Counter::Print), 0, 4, true},
    {51, Source::Page, 0x28, 20, 1, true},
    {54, Source::Counter, kCounter(Counter::Error), 0, 4, true},
    {70, Source::Page, 0x28, 41, 1, true},
    {71, Source::Page, 0x28, 42, 1, true},
    {72, Source::Page, 0x28, 50, 1, true},
    {74, Source::Page, 0x28, 43, 1, true},
    {75, Source::Page, 0x28, 44, 1, true},
    {76, Source::Page, 0x28, 33, 1, true},
    {77, Source::Page, 0x28, 34, 1, true},
    {78, Source::Page, 0x28, 35, 1, true},
    {79, Source::Page, 0x28, 36, 1, true},
    {80, Source::Page, 0x28, 37, 1, true},
    {85, Source::Page, 0x28, 16, 1, true},
    {86, Source::Page, 0x28, 23, 1, true},
    {92, Source::Page, 0x28, 8, 1, true},
    {93, Source::Page, 0x28, 56, 1, true},
    {94, Source::Page, 0x28, 57, 1, true},
    {95, Source::Page, 0x28, 58, 1, true},
    {200, Source::Page, 0x2C, 2, 1, true},
    {201, Source::Page, 0x2C, 4, 1, true},
    {202, Source::Page, 0x2C, 5, 1, true},
    {203, Source::Page, 0x2C, 6, 1, true},
    {204, Source::Page, 0x2C, 3, 1, true},
    {205, Source::Page, 0x2C, 8, 1, true},
    {206, Source::Page, 0x2C, 15, 1, true},
    {207, Source::Page, 0x2C, 16, 1, true},
    {208, Source::Page, 0x2C, 7, 1, false},
    {209, Source::Page, 0x2C, 14, 1, true},
    {210, Source::Page, 0x2C, 9, 1, true},
}};

constexpr std::array<ItemSource, 13> kPropertyItems = {{
    {3, Source::Buffer, kMacBuffer, 0, 6, false},
    {30, Source::Inquiry, 0, kPrinterVersionAt, 8, false},
    {31, Source::Inquiry, 0, kConfigVersionAt, 8, false},
    {32, Source::Inquiry, 0, kTableVersionAt, 8, false},
    {35, Source::Inquiry, 0, kLaminatorVersionAt, 8, false},
    {50, Source::Inquiry, 0, 40, 1, false},
    {55, Source::Inquiry, 0, 41, 1, false},
    {54, Source::Inquiry, 0, 42, 1, false},
    {56, Source::Inquiry, 0, 43, 1, false},
    {57, Source::Inquiry, 0, 44, 1, false},
    {58, Source::Inquiry, 0, 45, 1, false},
    {59, Source::Inquiry, 0, 46, 1, false},
    {51, Source::Inquiry, 0, 47, 1, false},
}};

constexpr std::array<ItemSource, 14> kStatusItems = {{
    {1, Source::PrinterStatus, 0, 0, 4, false},
    {62, Source::LaminatorStatus, 0, 0, 2, false},
    {10, Source::Page, 0x28, kCardCodeByte, 1, false},
    {11, Source::Page, 0x28, kInkLevelByte, 1, false},
    {12, Source::Page, 0x28, kFilmLevelByte, 1, false},
    {13, Source::Page, 0x23, 2, 1, false},
    {14, Source::Page, 0x23, 4, 2, false},
    {15, Source::Page, 0x23, 8, 6, false},
    {30, Source::Counter, kCounter(Counter::Print), 0, 4, false},
    {31, Source::Counter, kCounter(Counter::PrinterTotal), 0, 4, false},
    {32, Source::Counter, kCounter(Counter::ThermalHead), 0, 4, false},
    {33, Source::Counter, kCounter(Counter::Cleaning), 0, 4, false},
    {35, Source::Counter, kCounter(Counter::Error), 0, 4, false},
    {63, Source::Counter, kCounter(Counter::LaminatorCleaning), 0, 4, false},
}};

const ItemSource* findItem(ItemSpace space, int item) {
    auto search = [item](const auto& table) -> const ItemSource* {
        auto it = std::find_if(table.begin(), table.end(),
                               [item](const ItemSource& s) { return s.item == item; });
        return it == table.end() ? nullptr : &*it;
    };
    switch (space) {
        case ItemSpace::Setting:
            return search(kSettingItems);
        case ItemSpace::Property:
            return search(kPropertyItems);
        case ItemSpace::Status:
            return search(kStatusItems);
    }
    return nullptr;
}

void appendBigEndian32(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

// Printer status: state, or 255 and the sense bytes of the error.
Bytes printerStatusValue(const UsbStatus& s) {
    if (s.printerResult < 0) {
        const auto m = static_cast<std::uint32_t>(-static_cast<std::int64_t>(s.printerResult));
        return {255, static_cast<std::uint8_t>(m >> 16), static_cast<std::uint8_t>(m >> 8),
                static_cast<std::uint8_t>(m)};
    }
    return {static_cast<std::uint8_t>(s.printerState), 0, 0, 0};
}

Bytes laminatorStatusValue(const SimPrinter& printer, const UsbStatus& s) {
    if (!printer.hasLaminator()) return {kLaminatorMissingState, 0};
    if (s.laminatorState == kLaminatorErrorState) {
        return {255, static_cast<std::uint8_t>(s.laminatorResult)};
    }
    return {static_cast<std::uint8_t>(s.laminatorState), 0};
}

Bytes readSource(const SimPrinter& printer, const ItemSource& src,
                 const std::function<const UsbStatus&()>& status) {
    Bytes value;
    switch (src.source) {
        case Source::Page:
            for (int k = 0; k < src.length; ++k)
                value.push_back(printer.pageByte(src.where, src.offset + k));
            break;
        case Source::Inquiry: {
            const auto inquiry = printer.inquiry();
            value.assign(inquiry.begin() + src.offset, inquiry.begin() + src.offset + src.length);
            break;
        }
        case Source::Buffer:
            value.assign(static_cast<std::size_t>(src.length), 0);
            printer.readBuffer(src.where, src.offset, value);
            break;
        case Source::Counter:
            appendBigEndian32(value, printer.counter(static_cast<Counter>(src.where)));
            break;
        case Source::IpsecEnabled:
            value.push_back(printer.ipsecMethod() != 0 ? 1 : 0);
            break;
        case Source::EffectiveIPv6:
            for (const auto& block : printer.effectiveIPv6())
                value.insert(value.end(), block.begin(), block.end());
            break;
        case Source::PrinterStatus:
            value = printerStatusValue(status());
            break;
        case Source::LaminatorStatus:
            value = laminatorStatusValue(printer, status());
            break;
    }
    return value;
}

}  // namespace

Bytes buildItemReply(SimPrinter& printer, ItemSpace space, std::span<const int> items,
                     std::size_t most) {
    // One status snapshot per reply, so that asking for the printer and the
    // laminator uses up one query of a busy period, not two.
    std::optional<UsbStatus> snapshot;
    auto status = [&]() -> const UsbStatus& {
        if (!snapshot) snapshot = printer.takeUsbStatus();
        return *snapshot;
    };
    Bytes reply;
    for (int item : items) {
        const ItemSource* src = findItem(space, item);
        if (src == nullptr) continue;
        const Bytes value = readSource(printer, *src, status);
        if (reply.size() + 3 + value.size() > most) break;
        reply.push_back(static_cast<std::uint8_t>(item));
        reply.push_back(static_cast<std::uint8_t>(value.size() + 1));
        reply.push_back(0);  // data byte 0 is not used
        reply.insert(reply.end(), value.begin(), value.end());
    }
    return reply;
}

bool writeSettingItem(SimPrinter& printer, int item, std::span<const std::uint8_t> value) {
    const ItemSource* src = findItem(ItemSpace::Setting, item);
    if (src == nullptr || !src->writable || value.empty()) return false;
    switch (src->source) {
        case Source::Page:
            for (int k = 0; k < src->length; ++k) {
                const auto b =
                    static_cast<std::size_t>(k) < value.size() ? value[k] : std::uint8_t{0};
                printer.setPageByte(src->where, src->offset + k, b);
            }
            return true;
        case Source::Counter: {
            if (value.size() < 4) return false;
            const std::uint32_t v = (std::uint32_t{value[0]} << 24) |
                                    (std::uint32_t{value[1]} << 16) |
                                    (std::uint32_t{value[2]} << 8) | value[3];
            printer.setCounter(static_cast<Counter>(src->where), v);
            return true;
        }
        case Source::Buffer:
            return printer.writeBuffer(
                       src->where, 0,
                       value.first(std::min<std::size_t>(value.size(), src->length))) == 0;
        default:
            return false;
    }
}

Bytes buildQueueReply(const SimPrinter& printer) {
    constexpr std::size_t kRecordCodes = 54;
    constexpr std::size_t kRecords = 5;
    const auto& jobs = printer.jobs();
    const std::size_t records = std::min(jobs.size(), kRecords);
    Bytes reply(4 + records * kRecordCodes * 2, 0);
    reply[0] = static_cast<std::uint8_t>(std::min<std::size_t>(jobs.size(), 255));
    for (std::size_t r = 0; r < records; ++r) {
        auto record = std::span(reply).subspan(4 + r * kRecordCodes * 2, kRecordCodes * 2);
        putWide(record, kOwnerCodes, jobs[r].owner);
        putWide(record.subspan(kOwnerCodes * 2), kJobListCodes - kOwnerCodes, jobs[r].document);
    }
    return reply;
}

}  // namespace orvan::sim
