#include "report/plugin_range.h"

#include <charconv>
#include <cmath>

namespace orvan::report {
namespace {

constexpr std::size_t kLongestRange = 32;

std::optional<double> numberOf(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace

bool PluginRange::alerts(double value) const {
    const bool within = value >= start && value <= end;
    return inside ? within : !within;
}

std::optional<PluginRange> PluginRange::parse(std::string_view text) {
    if (text.empty() || text.size() > kLongestRange) return std::nullopt;
    PluginRange r;
    r.text = std::string(text);
    if (text.front() == '@') {
        r.inside = true;
        text.remove_prefix(1);
    }
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) {
        const auto end = numberOf(text);
        if (!end) return std::nullopt;
        r.end = *end;
    } else {
        const std::string_view low = text.substr(0, colon), high = text.substr(colon + 1);
        if (low == "~") {
            r.start = -std::numeric_limits<double>::infinity();
        } else if (!low.empty()) {
            const auto start = numberOf(low);
            if (!start) return std::nullopt;
            r.start = *start;
        }
        if (!high.empty()) {
            const auto end = numberOf(high);
            if (!end) return std::nullopt;
            r.end = *end;
        }
    }
    if (r.start > r.end) return std::nullopt;
    return r;
}

PluginRange PluginRange::atOrBelow(int percent) {
    return *parse("@0:" + std::to_string(percent));
}

}  // namespace orvan::report
