#include "shell/desktop_notifications.h"

#include <sstream>
#include <vector>

namespace orvan::shell {

std::optional<Notice> NotificationPolicy::onResult(const std::string& printer,
                                                   link::ResultCode code, link::Severity severity,
                                                   const std::string& errorLine,
                                                   const std::string& message) {
    if (severity < link::Severity::Error) {
        notified_.reset();
        return std::nullopt;
    }
    auto key = std::make_pair(printer, code);
    if (notified_ == key) return std::nullopt;
    notified_ = std::move(key);
    // The status line ends "... :" before the message on its next line; a
    // summary stands alone.
    std::string line = errorLine;
    while (!line.empty() && (line.back() == ':' || line.back() == ' ')) line.pop_back();
    return Notice{printer + ": " + line, message, source_};
}

NotificationOption TakeNotificationOption(const std::string& commandLine) {
    std::istringstream words(commandLine);
    std::vector<std::string> kept;
    NotificationOption out;
    for (std::string word; words >> word;) {
        if (word == kNoNotificationsOption)
            out.off = true;
        else
            kept.push_back(word);
    }
    // Without the option the line stays exactly as it was.
    if (!out.off) {
        out.rest = commandLine;
        return out;
    }
    for (std::size_t i = 0; i < kept.size(); ++i) out.rest += (i ? " " : "") + kept[i];
    return out;
}

}  // namespace orvan::shell
