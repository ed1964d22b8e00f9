#pragma once
// The events a filter shows as CSV (RFC 4180): a header line, CRLF line
// ends, and fields quoted when they hold a comma, a quote or a line break,
// quotes doubled. UTF-8 throughout; bytes that are not are written as "?".
#include <string>
#include <string_view>
#include <vector>

#include "history/history_records.h"

namespace orvan::history {

std::string CsvField(std::string_view text);
std::string EventsCsv(const std::vector<Event>& events);
// Seconds since 1970 as "2026-12-08T23:40:00Z".
std::string IsoTime(std::int64_t at);

}  // namespace orvan::history
