#include "status/error_catalogue.h"

#include <utility>

#include "status/catalogue_rows.h"

namespace orvan::status {
namespace {

constexpr std::uint32_t kFamilyMask = 0xFFFF0000u;
constexpr std::uint32_t kSenseBase = 0x01000000u;
constexpr ResultCode kReplyError = -1;
constexpr ResultCode kBadReply = -6;  // "Receive injusice message."

// Magnitude ranges whose codes mean the printer was lost.
struct MagnitudeRange {
    std::uint32_t first, last;
};
constexpr MagnitudeRange kLossRanges[] = {
    {0x02010000u, 0x0201FFFFu},  // SRB status
    {0x02020000u, 0x0202FFFFu},  // HA status
};
constexpr ResultCode kLossCodes[] = {link::kPortGone, link::kNoMorePrinters};

}  // namespace

std::uint32_t Magnitude(ResultCode code) {
    return 0u - static_cast<std::uint32_t>(code);
}

ErrorCatalogue::ErrorCatalogue(std::vector<CatalogueEntry> entries)
    : entries_(std::move(entries)) {}

const CatalogueEntry* ErrorCatalogue::find(ResultCode code) const {
    if (code >= 0) return nullptr;
    for (const auto& e : entries_) {
        if (e.code == code) return &e;
    }
    // Some rows stand for a whole family of codes that differ only in their
    // low 16 bits.
    const std::uint32_t family = Magnitude(code) & kFamilyMask;
    for (const auto& e : entries_) {
        if (Magnitude(e.code) == family) return &e;
    }
    return nullptr;
}

Severity ErrorCatalogue::ClassifyCode(ResultCode code) const {
    const CatalogueEntry* e = find(code);
    return e ? e->severity : Severity::None;
}

std::string ErrorCatalogue::DescribeCode(ResultCode code, std::int32_t networkStatusWord) const {
    if (code >= 0) return kNotAcceptedMessage;
    if (code == kReplyError) code = ResolveReplyError(networkStatusWord);
    const CatalogueEntry* e = find(code);
    return e ? e->message : std::string();
}

ResultCode ResolveReplyError(std::int32_t networkStatusWord) {
    const auto word = static_cast<std::uint32_t>(networkStatusWord);
    ResultCode code = kReplyError;
    // A word with an empty top byte is the printer's own sense data.
    if ((word >> 24) == 0) code = -static_cast<ResultCode>(kSenseBase + word);
    if ((word & 0x00FFFFFFu) == 0) code = kBadReply;
    return code;
}

bool IsConnectionLoss(ResultCode code) {
    for (ResultCode c : kLossCodes) {
        if (code == c) return true;
    }
    if (code >= 0) return false;
    const std::uint32_t m = Magnitude(code);
    for (const auto& r : kLossRanges) {
        if (m >= r.first && m <= r.last) return true;
    }
    return false;
}

ErrorCatalogue BuildErrorCatalogue() {
    std::vector<CatalogueEntry> entries;
    const auto rows = CatalogueRows();
    entries.reserve(rows.size());
    for (const auto& r : rows) {
        entries.push_back({-static_cast<ResultCode>(r.shown), r.severity, r.message});
    }
    return ErrorCatalogue(std::move(entries));
}

const ErrorCatalogue& SharedCatalogue() {
    static const ErrorCatalogue catalogue = BuildErrorCatalogue();
    return catalogue;
}

}  // namespace orvan::status
