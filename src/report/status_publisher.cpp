#include "report/status_publisher.h"

#include <unistd.h>

#include "report/runtime_files.h"

namespace orvan::report {
namespace {

constexpr unsigned kPrivateFile = 0600;

std::vector<PrinterReport> withoutReadTimes(std::vector<PrinterReport> printers) {
    for (auto& p : printers) p.readAt = 0;
    return printers;
}

}  // namespace

bool StatusPublisher::publish(const StatusDocument& doc, const status::ErrorCatalogue& catalogue) {
    auto printers = withoutReadTimes(doc.printers);
    const std::int64_t age = doc.generatedAt - writtenAt_;
    if (written_ && *written_ == printers && age >= 0 && age < kHeartbeatSeconds) return true;
    if (!WriteFileAtomically(path_, EncodeDocument(doc, catalogue, kDefaultWarnPercent),
                             kPrivateFile))
        return false;
    written_ = std::move(printers);
    writtenAt_ = doc.generatedAt;
    ++writes_;
    return true;
}

void StatusPublisher::withdraw() {
    if (written_) ::unlink(path_.c_str());
    written_.reset();
}

std::optional<StatusDocument> ReadPublishedStatus(const std::string& path) {
    const auto text = ReadOwnFile(path, kMaxPublishedBytes);
    if (!text) return std::nullopt;
    auto doc = DecodeDocument(*text);
    if (!doc || doc->source != Source::Monitor) return std::nullopt;
    return doc;
}

}  // namespace orvan::report
