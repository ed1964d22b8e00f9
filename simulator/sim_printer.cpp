// Identity, mode pages, log pages and buffers of the simulated printer.
#include "simulator/sim_printer.h"

#include <algorithm>

#include "simulator/wide_text.h"

namespace orvan::sim {
namespace {

constexpr std::size_t kTextField = 8;

void putBigEndian32(std::span<std::uint8_t> out, std::size_t at, std::uint32_t v) {
    for (std::size_t k = 0; k < 4 && at + k < out.size(); ++k) {
        out[at + k] = static_cast<std::uint8_t>(v >> (24 - 8 * k));
    }
}

}  // namespace

// ---- identity ---------------------------------------------------------------

std::uint8_t SimPrinter::option(int offset) const {
    return offset >= 40 && offset <= 47 ? inquiry_[offset] : 0;
}

void SimPrinter::setOption(int offset, std::uint8_t value) {
    if (offset >= 40 && offset <= 47) inquiry_[offset] = value;
}

std::string SimPrinter::inquiryText(int offset) const {
    std::string text;
    for (std::size_t k = 0; k < kTextField && offset + k < inquiry_.size(); ++k) {
        if (inquiry_[offset + k] == 0) break;
        text.push_back(static_cast<char>(inquiry_[offset + k]));
    }
    return text;
}

void SimPrinter::setInquiryText(int offset, std::string_view text) {
    if (offset < 0) return;
    for (std::size_t k = 0; k < kTextField && offset + k < inquiry_.size(); ++k) {
        inquiry_[offset + k] = k < text.size() ? static_cast<std::uint8_t>(text[k]) : 0;
    }
}

// ---- mode pages -------------------------------------------------------------

std::span<const std::uint8_t> SimPrinter::page(int code) const {
    auto it = pages_.find(code);
    if (it == pages_.end()) return {};
    return it->second;
}

std::uint8_t SimPrinter::pageByte(int code, int offset) const {
    auto p = page(code);
    return offset >= 0 && static_cast<std::size_t>(offset) < p.size() ? p[offset] : 0;
}

void SimPrinter::setPageByte(int code, int offset, std::uint8_t value) {
    auto it = pages_.find(code);
    // Bytes 0 and 1 are the page's own code and length.
    if (it != pages_.end() && offset >= 2 && static_cast<std::size_t>(offset) < it->second.size()) {
        it->second[offset] = value;
    }
}

std::string SimPrinter::pageText(int code, int offset, int length) const {
    std::string text;
    for (int k = 0; k < length; ++k) {
        const auto c = pageByte(code, offset + k);
        if (c == 0) break;
        text.push_back(static_cast<char>(c));
    }
    return text;
}

void SimPrinter::setPageText(int code, int offset, int length, std::string_view text) {
    for (int k = 0; k < length; ++k) {
        const auto c = static_cast<std::size_t>(k) < text.size() ? text[k] : '\0';
        setPageByte(code, offset + k, static_cast<std::uint8_t>(c));
    }
}

ResultCode SimPrinter::modeSense(int code, std::span<std::uint8_t> reply) const {
    const auto p = page(code);
    if (p.empty()) return kInvalidCommandField;
    if (reply.size() < kSenseHeaderSize + p.size()) return kInvalidArgument;
    std::fill_n(reply.begin(), kSenseHeaderSize, std::uint8_t{0});
    reply[0] = static_cast<std::uint8_t>(p.size() + kSenseHeaderSize - 1);
    std::copy(p.begin(), p.end(), reply.begin() + kSenseHeaderSize);
    return 0;
}

ResultCode SimPrinter::modeSelect(int code, std::span<const std::uint8_t> request) {
    const PageLayout* layout = findPageLayout(code);
    if (layout == nullptr || layout->selectSize == 0) return kInvalidCommandField;
    if (request.size() < layout->selectSize) return kInvalidArgument;
    request = request.first(layout->selectSize);
    if (request[0] != code || request[1] != layout->selectSize - 2) return kInvalidParameterField;
    lastSelect_[code].assign(request.begin(), request.end());
    for (std::size_t b = 2; b < request.size(); ++b) {
        const int target = pageByteForSelect(*layout, b);
        const bool stored = request[b] != 0xFF || storesEvery255(*layout, b);
        if (target >= 0 && stored) setPageByte(code, target, request[b]);
    }
    return 0;
}

const Bytes* SimPrinter::lastSelect(int code) const {
    auto it = lastSelect_.find(code);
    return it == lastSelect_.end() ? nullptr : &it->second;
}

std::array<std::uint8_t, 4> SimPrinter::ipv4() const {
    return {pageByte(0x2D, 2), pageByte(0x2D, 3), pageByte(0x2D, 4), pageByte(0x2D, 5)};
}

void SimPrinter::setEffectiveIPv6(int index, const Ipv6Block& address) {
    if (index >= 0 && index < static_cast<int>(effective_.size())) effective_[index] = address;
}

// ---- log pages ----------------------------------------------------------------

ResultCode SimPrinter::logSense(int code, std::span<std::uint8_t> reply) const {
    const LogLayout* layout = findLogLayout(code);
    if (layout == nullptr) return kInvalidCommandField;
    const std::size_t length = 8 * layout->counters.size();
    if (reply.size() < 4 + length) return kInvalidArgument;
    std::fill_n(reply.begin(), 4 + length, std::uint8_t{0});
    reply[0] = static_cast<std::uint8_t>(code);
    reply[2] = static_cast<std::uint8_t>(length >> 8);
    reply[3] = static_cast<std::uint8_t>(length & 0xFF);
    for (std::size_t n = 0; n < layout->counters.size(); ++n) {
        const std::size_t at = 4 + 8 * n;  // parameter header: code, control, length
        reply[at + 1] = static_cast<std::uint8_t>(n + 1);
        reply[at + 3] = 4;
        putBigEndian32(reply, at + 4, counter(layout->counters[n]));
    }
    return 0;
}

ResultCode SimPrinter::logSelect(int mode) {
    if (mode != 0) return kInvalidCommandField;
    setCounter(Counter::Print, 0);
    setCounter(Counter::Error, 0);
    return 0;
}

// ---- buffers --------------------------------------------------------------------

Bytes SimPrinter::jobListBuffer() const {
    Bytes area(kJobListCodes * 2, 0);
    if (!jobs_.empty()) {
        putWide(area, kOwnerCodes, jobs_.front().owner);
        putWide(std::span(area).subspan(kOwnerCodes * 2), kJobListCodes - kOwnerCodes,
                jobs_.front().document);
    }
    return area;
}

ResultCode SimPrinter::readBuffer(int id, std::int32_t offset, std::span<std::uint8_t> out) const {
    const BufferLayout* layout = findBufferLayout(id);
    if (layout == nullptr || !layout->readable) return kInvalidCommandField;
    if (offset < 0) return kInvalidCommandField;
    const Bytes content = id == kJobListBuffer ? jobListBuffer() : stored_.at(id);
    for (std::size_t k = 0; k < out.size(); ++k) {
        const std::size_t at = static_cast<std::size_t>(offset) + k;
        out[k] = at < content.size() ? content[at] : 0;
    }
    return 0;
}

ResultCode SimPrinter::writeBuffer(int id, std::int32_t offset,
                                   std::span<const std::uint8_t> data) {
    const BufferLayout* layout = findBufferLayout(id);
    if (layout == nullptr || !layout->writable || offset != 0) return kInvalidCommandField;
    if (data.size() > layout->size) return kInvalidParameterField;
    if (id == kIpsecModeBuffer && (data.empty() || data[0] > 2)) return kInvalidParameterField;
    lastWrite_[id].assign(data.begin(), data.end());
    if (auto it = stored_.find(id); it != stored_.end()) {
        std::fill(it->second.begin(), it->second.end(), std::uint8_t{0});
        std::copy_n(data.begin(), std::min(data.size(), it->second.size()), it->second.begin());
    }
    return 0;
}

const Bytes* SimPrinter::lastBufferWrite(int id) const {
    auto it = lastWrite_.find(id);
    return it == lastWrite_.end() ? nullptr : &it->second;
}

void SimPrinter::setIpsecMethod(std::uint8_t method) {
    auto& area = stored_[kIpsecModeBuffer];
    std::fill(area.begin(), area.end(), std::uint8_t{0});
    area[0] = method;
}

void SimPrinter::setMac(std::span<const std::uint8_t, 6> mac) {
    stored_[kMacBuffer].assign(mac.begin(), mac.end());
}

}  // namespace orvan::sim
