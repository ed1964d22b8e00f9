#pragma once
// The printers' status as Prometheus metrics, in the text exposition format
// that both the /metrics endpoint and the node exporter's textfile collector
// read.
#include <string>

#include "report/report_json.h"

namespace orvan::report {

// Every metric family of the document's printers. Families without a sample
// are left out; a lost printer has only its up, info and read time.
std::string MetricsText(const StatusDocument& doc, const status::ErrorCatalogue& catalogue);

// A label value as the format wants it: backslash, quote and line break
// escaped, and bytes that are not UTF-8 replaced by "?".
std::string LabelValue(const std::string& text);

}  // namespace orvan::report
