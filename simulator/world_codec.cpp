#include "simulator/world_codec.h"

#include <cstring>
#include <string_view>

#include "simulator/control_commands.h"

namespace orvan::sim {
namespace {

constexpr std::string_view kMagic = "ORVNSIM1";
constexpr std::size_t kMaxText = 4096;  // job texts, firmware paths, operation names
constexpr std::size_t kMaxPassword = 64;
constexpr std::size_t kMaxMapEntries = 16;  // pages and buffers a printer has
constexpr std::int64_t kMaxCountdown = 1000000;

// The buffers a printer always holds, and their sizes.
constexpr std::pair<int, std::size_t> kStoredBuffers[] = {
    {kMacBuffer, 6}, {kIpsecModeBuffer, 4}, {kClockBuffer, 8}};

bool validPage(int code, const Bytes& bytes) {
    const PageLayout* layout = findPageLayout(code);
    return layout != nullptr && bytes.size() == layout->size && bytes[0] == code &&
           bytes[1] == layout->size - 2;
}

bool validSelect(int code, const Bytes& bytes) {
    const PageLayout* layout = findPageLayout(code);
    return layout != nullptr && layout->selectSize != 0 && bytes.size() == layout->selectSize;
}

bool validStored(int id, const Bytes& bytes) {
    for (const auto& [known, size] : kStoredBuffers)
        if (known == id) return bytes.size() == size;
    return false;
}

bool validWrite(int id, const Bytes& bytes) {
    const BufferLayout* layout = findBufferLayout(id);
    return layout != nullptr && layout->writable && bytes.size() <= layout->size;
}

}  // namespace

// Little-endian fixed-size numbers; byte strings with a 32-bit length first.
class WorldCodec::Writer {
  public:
    void u8(std::uint8_t v) { out_.push_back(v); }
    void u32(std::uint32_t v) {
        for (int k = 0; k < 4; ++k) u8(static_cast<std::uint8_t>(v >> (8 * k)));
    }
    void u64(std::uint64_t v) {
        u32(static_cast<std::uint32_t>(v));
        u32(static_cast<std::uint32_t>(v >> 32));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void raw(std::span<const std::uint8_t> bytes) {
        out_.insert(out_.end(), bytes.begin(), bytes.end());
    }
    void bytes(std::span<const std::uint8_t> b) {
        u32(static_cast<std::uint32_t>(b.size()));
        raw(b);
    }
    void text(std::string_view t) {
        bytes({reinterpret_cast<const std::uint8_t*>(t.data()), t.size()});
    }
    void byteMap(const std::map<int, Bytes>& map) {
        u32(static_cast<std::uint32_t>(map.size()));
        for (const auto& [key, value] : map) {
            i32(key);
            bytes(value);
        }
    }
    Bytes take() { return std::move(out_); }

  private:
    Bytes out_;
};

// Reads what Writer wrote. Any read past the end or out of its bounds marks
// the whole input bad, and later reads give zeros.
class WorldCodec::Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> in) : in_(in) {}
    bool ok() const { return ok_; }
    bool atEnd() const { return ok_ && at_ == in_.size(); }
    bool fail() { return ok_ = false; }

    std::span<const std::uint8_t> raw(std::size_t n) {
        if (!ok_ || in_.size() - at_ < n) {
            fail();
            return {};
        }
        auto out = in_.subspan(at_, n);
        at_ += n;
        return out;
    }
    std::uint8_t u8() {
        const auto b = raw(1);
        return b.empty() ? 0 : b[0];
    }
    std::uint32_t u32() {
        const auto b = raw(4);
        std::uint32_t v = 0;
        for (std::size_t k = 0; k < b.size(); ++k) v |= std::uint32_t{b[k]} << (8 * k);
        return v;
    }
    std::uint64_t u64() {
        const std::uint64_t low = u32();
        return low | (std::uint64_t{u32()} << 32);
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    // A number that must lie in [min, max].
    std::int32_t i32In(std::int64_t min, std::int64_t max) {
        const std::int32_t v = i32();
        if (v < min || v > max) fail();
        return v;
    }
    bool flag() {
        const std::uint8_t v = u8();
        if (v > 1) fail();
        return v == 1;
    }
    std::size_t count(std::size_t most) {
        const std::uint32_t n = u32();
        if (n > most) fail();
        return ok_ ? n : 0;
    }
    Bytes bytes(std::size_t most) {
        const auto b = raw(count(most));
        return Bytes(b.begin(), b.end());
    }
    std::string text(std::size_t most = kMaxText) {
        const auto b = raw(count(most));
        return std::string(b.begin(), b.end());
    }
    // Entries accepted by `valid`, keys unique.
    std::map<int, Bytes> byteMap(bool (*valid)(int, const Bytes&)) {
        std::map<int, Bytes> map;
        for (std::size_t n = count(kMaxMapEntries); n > 0 && ok_; --n) {
            const int key = i32();
            Bytes value = bytes(kMaxEncodedSize);
            if (!valid(key, value) || !map.emplace(key, std::move(value)).second) fail();
        }
        return map;
    }

  private:
    std::span<const std::uint8_t> in_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

void WorldCodec::encodePrinter(Writer& out, const SimPrinter& p) {
    out.raw(p.inquiry_);
    out.byteMap(p.pages_);
    out.byteMap(p.lastSelect_);
    for (std::uint32_t c : p.counters_) out.u32(c);
    out.byteMap(p.stored_);
    out.byteMap(p.lastWrite_);
    out.i32(p.printerError_);
    out.i32(p.printerState_);
    out.u8(p.laminatorError_);
    out.i32(p.laminatorState_);
    out.i32(p.busyQueries_);
    out.u32(static_cast<std::uint32_t>(p.jobs_.size()));
    for (const Job& job : p.jobs_) {
        out.text(job.owner);
        out.text(job.document);
    }
    out.bytes(p.password_);
    out.u32(static_cast<std::uint32_t>(p.firmware_.size()));
    for (const auto& path : p.firmware_) out.text(path);
    out.u8(p.downloadMode_ ? 1 : 0);
    out.i32(p.maintenanceBusy_);
    for (const auto* answer : {&p.lastTestPrint_, &p.lastFirmware_}) {
        out.u8(answer->has_value() ? 1 : 0);
        if (!answer->has_value()) continue;
        out.text((*answer)->what);
        out.i32((*answer)->result);
    }
    for (const auto& block : p.effective_) out.raw(block);
    out.u32(p.inkWear_);
    out.u32(p.filmWear_);
}

bool WorldCodec::decodePrinter(Reader& in, SimPrinter& p) {
    const auto inquiry = in.raw(p.inquiry_.size());
    if (!inquiry.empty()) std::memcpy(p.inquiry_.data(), inquiry.data(), inquiry.size());
    p.pages_ = in.byteMap(validPage);
    if (p.pages_.size() != pageLayouts().size()) in.fail();
    p.lastSelect_ = in.byteMap(validSelect);
    for (std::uint32_t& c : p.counters_) c = in.u32();
    p.stored_ = in.byteMap(validStored);
    if (p.stored_.size() != std::size(kStoredBuffers)) in.fail();
    p.lastWrite_ = in.byteMap(validWrite);
    p.printerError_ = in.i32();
    p.printerState_ = in.i32In(0, 255);
    p.laminatorError_ = in.u8();
    p.laminatorState_ = in.i32In(0, 255);
    p.busyQueries_ = in.i32In(0, kMaxCountdown);
    p.jobs_.clear();
    for (std::size_t n = in.count(SimPrinter::kMaxJobs); n > 0 && in.ok(); --n) {
        Job job;
        job.owner = in.text(kMaxControlLine);
        job.document = in.text(kMaxControlLine);
        p.jobs_.push_back(std::move(job));
    }
    p.password_ = in.bytes(kMaxPassword);
    p.firmware_.clear();
    for (std::size_t n = in.count(SimPrinter::kMaxFirmwareHistory); n > 0 && in.ok(); --n)
        p.firmware_.push_back(in.text());
    p.downloadMode_ = in.flag();
    p.maintenanceBusy_ = in.i32In(0, kMaxCountdown);
    for (auto* answer : {&p.lastTestPrint_, &p.lastFirmware_}) {
        answer->reset();
        if (!in.flag()) continue;
        MaintenanceAnswer a;
        a.what = in.text();
        a.result = in.i32();
        *answer = std::move(a);
    }
    for (auto& block : p.effective_) {
        const auto b = in.raw(block.size());
        if (!b.empty()) std::memcpy(block.data(), b.data(), b.size());
    }
    p.inkWear_ = static_cast<std::uint32_t>(in.i32In(0, kMaxCountdown));
    p.filmWear_ = static_cast<std::uint32_t>(in.i32In(0, kMaxCountdown));
    return in.ok();
}

void WorldCodec::encodeWorld(Writer& out, const SimulatedPrinters& w) {
    out.u32(static_cast<std::uint32_t>(w.usb_.size()));
    for (const UsbPort& port : w.usb_) {
        out.i32(port.slot);
        out.i32(port.scsiId);
        out.u8(port.attached ? 1 : 0);
        encodePrinter(out, port.printer);
    }
    out.u32(static_cast<std::uint32_t>(w.network_.size()));
    for (const NetworkPort& port : w.network_) {
        out.u8(port.attached ? 1 : 0);
        out.u8(port.listed ? 1 : 0);
        encodePrinter(out, port.printer);
    }
    out.u32(static_cast<std::uint32_t>(w.scripts_.size()));
    for (const auto& script : w.scripts_) {
        out.text(script.operation);
        out.i32(script.result.code);
        out.i32(script.result.statusWord);
        out.i32(script.remaining);
    }
    out.i32(w.sequenceMismatches_);
    out.u8(w.guidance_.offered ? 1 : 0);
    out.i32(w.guidance_.blocks);
    out.i32(w.networkLatencyMs_);
}

bool WorldCodec::decodeWorld(Reader& in, SimulatedPrinters& w) {
    for (std::size_t n = in.count(SimulatedPrinters::kMaxUsbPrinters); n > 0 && in.ok(); --n) {
        UsbPort port;
        port.slot = in.i32();
        port.scsiId = in.i32();
        port.attached = in.flag();
        decodePrinter(in, port.printer);
        w.usb_.push_back(std::move(port));
    }
    for (std::size_t n = in.count(SimulatedPrinters::kMaxNetworkPrinters); n > 0 && in.ok(); --n) {
        NetworkPort port;
        port.attached = in.flag();
        port.listed = in.flag();
        decodePrinter(in, port.printer);
        w.network_.push_back(std::move(port));
    }
    for (std::size_t n = in.count(SimulatedPrinters::kMaxScripts); n > 0 && in.ok(); --n) {
        SimulatedPrinters::Script script;
        script.operation = in.text();
        script.result.code = in.i32();
        script.result.statusWord = in.i32();
        script.remaining = in.i32In(1, kMaxCountdown);
        if (!isOperationName(script.operation)) in.fail();
        w.scripts_.push_back(std::move(script));
    }
    w.sequenceMismatches_ = in.i32In(0, SimulatedPrinters::kMaxSequenceMismatches);
    w.guidance_.offered = in.flag();
    w.guidance_.blocks = in.i32In(0, 7);
    w.networkLatencyMs_ = in.i32In(0, 1000);
    return in.ok();
}

Bytes WorldCodec::encode(const SimulatedPrinters& printers, const JournalPosition& journal,
                         std::uint64_t generation) {
    Writer out;
    out.raw({reinterpret_cast<const std::uint8_t*>(kMagic.data()), kMagic.size()});
    out.u64(generation);
    out.u64(journal.offset);
    out.u64(journal.device);
    out.u64(journal.inode);
    out.text(journal.pending);
    out.u8(journal.skipping ? 1 : 0);
    encodeWorld(out, printers);
    return out.take();
}

std::optional<std::uint64_t> WorldCodec::generation(std::span<const std::uint8_t> header) {
    Reader in(header);
    const auto magic = in.raw(kMagic.size());
    const std::uint64_t generation = in.u64();
    if (!in.ok() || std::memcmp(magic.data(), kMagic.data(), kMagic.size()) != 0)
        return std::nullopt;
    return generation;
}

std::optional<WorldState> WorldCodec::decode(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kMaxEncodedSize) return std::nullopt;
    const auto generation = WorldCodec::generation(bytes);
    if (!generation) return std::nullopt;
    Reader in(bytes.subspan(kHeaderSize));
    WorldState state;
    state.generation = *generation;
    state.journal.offset = in.u64();
    state.journal.device = in.u64();
    state.journal.inode = in.u64();
    state.journal.pending = in.text(kMaxControlLine);
    state.journal.skipping = in.flag();
    if (!decodeWorld(in, state.printers) || !in.atEnd()) return std::nullopt;
    return state;
}

}  // namespace orvan::sim
