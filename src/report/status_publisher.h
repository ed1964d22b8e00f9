#pragma once
// The monitor's status for programs outside it: written as a small file in
// the user's runtime directory each time the printer's values change, through
// a temporary file and a rename, and removed when the monitor ends.
#include <cstdint>
#include <optional>
#include <string>

#include "report/report_json.h"

namespace orvan::report {

// The most a published status may hold; a bigger file is not the monitor's.
inline constexpr std::size_t kMaxPublishedBytes = 256 * 1024;
// The status is written again at least this often, changed or not; a status
// older than kStaleSeconds is a monitor that has stopped watching.
inline constexpr std::int64_t kHeartbeatSeconds = 10;
inline constexpr std::int64_t kStaleSeconds = 30;

class StatusPublisher {
  public:
    explicit StatusPublisher(std::string path) : path_(std::move(path)) {}
    StatusPublisher(const StatusPublisher&) = delete;
    StatusPublisher& operator=(const StatusPublisher&) = delete;

    const std::string& path() const { return path_; }

    // Writes doc unless its printers say what the last written one said
    // (the time of the reading aside) and that was written less than a
    // heartbeat ago (by doc.generatedAt): a reader tells a frozen monitor by
    // the age of the file. False when the write failed; the next call tries
    // again.
    bool publish(const StatusDocument& doc, const status::ErrorCatalogue& catalogue);
    void withdraw();
    int writes() const { return writes_; }

  private:
    std::string path_;
    std::optional<std::vector<PrinterReport>> written_;
    std::int64_t writtenAt_ = 0;
    int writes_ = 0;
};

// The status a running monitor published; nullopt when there is none or it
// cannot be read.
std::optional<StatusDocument> ReadPublishedStatus(const std::string& path);

}  // namespace orvan::report
