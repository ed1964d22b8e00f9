#pragma once
// Thresholds in the monitoring-plugin range syntax, for ink and film percent:
// "10" is 0..10, "10:" is 10 and up, "~:10" is up to 10, "10:20" is 10..20;
// a value outside the range alerts, or inside it when the range starts with
// "@". The text is kept as given, for the performance data.
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace orvan::report {

struct PluginRange {
    double start = 0;
    double end = std::numeric_limits<double>::infinity();
    bool inside = false;  // "@": alert inside the range
    std::string text;

    bool alerts(double value) const;
    // nullopt for anything that is not a range (or is longer than 32 characters).
    static std::optional<PluginRange> parse(std::string_view text);
    // "at or below percent": "@0:<percent>".
    static PluginRange atOrBelow(int percent);
};

// When ink or film left is a warning, and when critical (none by default).
struct MediaThresholds {
    PluginRange warning = PluginRange::atOrBelow(10);
    std::optional<PluginRange> critical;
    int warnPercent = 10;  // what the JSON document states as warn_percent
    MediaThresholds() = default;
    // Ink or film at or below warnPercent is a warning.
    MediaThresholds(int percent)  // NOLINT: a percentage is the common case
        : warning(PluginRange::atOrBelow(percent)), warnPercent(percent) {}
};

}  // namespace orvan::report
