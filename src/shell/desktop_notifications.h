#pragma once
// Desktop notifications of printer errors: the decision when to notify lives
// here, the delivery (the desktop's notification service) in the front end.
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "link/result_code.h"

namespace orvan::shell {

// Which device a notice is about: a new notice replaces the one on screen
// from the same device.
enum class NoticeSource { Printer, Laminator };

struct Notice {
    std::string summary;  // "<printer>: Printer Error(0102D000)"
    std::string body;     // the catalogue message
    NoticeSource source = NoticeSource::Printer;
};

class DesktopNotifier {
  public:
    virtual ~DesktopNotifier() = default;
    virtual void notify(const Notice& notice) = 0;
    // Runs when the user opens a notice (its default action).
    std::function<void()> onOpen;
};

// One notice when a printer's result enters the Error or Fault severity; none
// while that result lasts; a new one once it clears and comes back, or when
// another error (or another printer's) takes its place.
class NotificationPolicy {
  public:
    explicit NotificationPolicy(NoticeSource source = NoticeSource::Printer) : source_(source) {}
    // errorLine: the status line's first line for the result.
    std::optional<Notice> onResult(const std::string& printer, link::ResultCode code,
                                   link::Severity severity, const std::string& errorLine,
                                   const std::string& message);

  private:
    NoticeSource source_;
    std::optional<std::pair<std::string, link::ResultCode>> notified_;
};

// The command-line option that turns notifications off. It may stand beside
// one of the other options; they are judged on the rest of the line.
inline constexpr const char* kNoNotificationsOption = "--no-notifications";

struct NotificationOption {
    std::string rest;  // the command line without the option
    bool off = false;
};
NotificationOption TakeNotificationOption(const std::string& commandLine);

}  // namespace orvan::shell
