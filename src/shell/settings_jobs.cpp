#include "shell/settings_jobs.h"

#include <ctime>
#include <optional>

#include "link/link_guard.h"
#include "link/link_messages.h"
#include "ui/ascii_case.h"
#include "ui/screen_pointer.h"

namespace orvan::shell {
namespace {

using settings_file::RunAnswer;
using settings_file::SettingsRequest;
using settings_file::Verb;

// Puts the watched printer, its data and the list's reaction back however
// the job ends.
class WatchedPrinterKept {
  public:
    explicit WatchedPrinterKept(SettingsJobLink& link)
        : link_(link),
          selected_(link.state.selected),
          status_(link.state.status),
          statusWord_(link.state.statusWord),
          networkFailures_(link.state.networkFailures),
          lastNetworkResult_(link.state.lastNetworkResult),
          data_(link.data),
          onSelected_(std::move(link.discovery.onSelected)) {
        link_.discovery.onSelected = nullptr;
    }
    ~WatchedPrinterKept() {
        link_.state.selected = selected_;
        link_.state.status = status_;
        link_.state.statusWord = statusWord_;
        link_.state.networkFailures = networkFailures_;
        link_.state.lastNetworkResult = lastNetworkResult_;
        link_.data = data_;
        link_.discovery.onSelected = std::move(onSelected_);
    }
    // The watched printer's data after a job on it.
    void keepData() { data_ = link_.data; }
    WatchedPrinterKept(const WatchedPrinterKept&) = delete;
    WatchedPrinterKept& operator=(const WatchedPrinterKept&) = delete;

  private:
    SettingsJobLink& link_;
    link::SelectedPrinter selected_;
    link::DeviceStatus status_;
    std::int32_t statusWord_;
    std::int16_t networkFailures_;
    link::ResultCode lastNetworkResult_;
    link::PrinterData data_;
    std::function<void()> onSelected_;
};

}  // namespace

std::string SettingsJobs::answer(const std::string& requestLine) {
    RunAnswer out;
    const auto request = settings_file::decodeRequest(requestLine);
    if (!request) {
        out.problem = "not a settings request";
        return settings_file::encodeAnswer(out);
    }
    if (link_.state.ended) {
        out.problem = "the monitor is ending";
        return settings_file::encodeAnswer(out);
    }
    if (link_.state.linkBusy() || link_.state.pinnedScreens > 0) {
        out.problem = settings_file::kMonitorBusy;
        return settings_file::encodeAnswer(out);
    }
    std::optional<settings_file::SettingsDocument> doc;
    if (request->verb != Verb::Save) {
        auto read = settings_file::readDocumentFile(request->file);
        if (auto* error = std::get_if<settings_file::ReadError>(&read)) {
            out.problem = request->file + ": " + error->message + "; nothing was written";
            return settings_file::encodeAnswer(out);
        }
        doc = std::get<settings_file::SettingsDocument>(std::move(read));
    }
    try {
        out = run(*request, doc ? &*doc : nullptr);
    } catch (const std::exception& e) {
        // Nothing a job meets may end the monitor.
        out = {};
        out.problem = std::string("the job failed: ") + e.what();
    }
    if (link_.tellDone) link_.tellDone(summary(out, *request));
    return settings_file::encodeAnswer(out);
}

RunAnswer SettingsJobs::run(const SettingsRequest& request,
                            const settings_file::SettingsDocument* doc) {
    RunAnswer out;
    // Nothing else starts on the link until the job is done, and the cycle
    // skips: the job is one link operation from the request to its last read.
    const link::WaitingForEvents holding(link_.state);
    std::optional<ui::BusyPointer> busy;
    if (link_.state.pointer) busy.emplace(*link_.state.pointer);
    const auto& entries = link_.discovery.entries();
    const std::int16_t listed = link_.state.printerCount;
    auto named = [&](std::size_t i) {
        return ui::equalsIgnoringCase(entries[i].displayName, request.printer);
    };
    int sameName = 0;
    for (std::size_t i = 0; i < entries.size() && static_cast<int>(i) < listed; ++i)
        sameName += named(i);
    if (!request.all && sameName > 1) {
        // A write must reach the one printer meant, or none.
        out.problem = "more than one printer is listed as " + request.printer;
        return out;
    }
    const bool writes = request.verb == Verb::Apply && !request.dryRun;
    const bool watched =
        !request.all && (request.printer.empty() ||
                         ui::equalsIgnoringCase(request.printer, link_.state.selected.name));
    if (watched) {
        if (link_.state.printerCount == 0) {
            out.problem = link::kPrinterNotFound;
            return out;
        }
        out.printers.push_back(runOnListed(-1, request, doc, false));
        if (writes && link_.showWatched) link_.showWatched();
        return out;
    }
    const int watchedIndex = listed != 0 ? link_.state.selected.listIndex : -1;
    bool found = false, watchedToo = false;
    {
        WatchedPrinterKept kept(link_);
        for (std::size_t i = 0; i < entries.size() && static_cast<int>(i) < listed; ++i) {
            if (!request.all && !named(i)) continue;
            found = true;
            const bool isWatched = static_cast<int>(i) == watchedIndex;
            out.printers.push_back(runOnListed(static_cast<int>(i), request, doc, !isWatched));
            if (isWatched) {
                kept.keepData();
                watchedToo = true;
            }
            link_.state.printerCount = listed;
        }
    }
    if (watchedToo && writes && link_.showWatched) link_.showWatched();
    if (!found)
        out.problem = request.all ? link::kPrinterNotFound : "no such printer: " + request.printer;
    return out;
}

settings_file::PrinterAnswer SettingsJobs::runOnListed(int index, const SettingsRequest& request,
                                                       const settings_file::SettingsDocument* doc,
                                                       bool freshData) {
    if (index >= 0) link_.discovery.selectListed(index);
    if (freshData) link_.data = {};  // nothing of the printer before may pass for this one's
    settings_file::PrinterAccess access{
        link_.state,
        link_.cycles,
        link_.data,
        [this](link::ResultCode c) {
            return link_.catalogue.DescribeCode(c, link_.state.statusWord);
        },
        link_.isOpen,
        [this, &request](const std::string& settings, link::ResultCode result) {
            if (link_.audit) link_.audit(request.file, settings, result);
        }};
    const std::time_t now = std::time(nullptr);
    return settings_file::runOnPrinter(access, request, doc, settings_file::userBackups(now), now);
}

std::string SettingsJobs::summary(const RunAnswer& answer, const SettingsRequest& request) const {
    static constexpr const char* kDone[] = {"Settings saved to a file from ",
                                            "Settings compared with ", "Settings file applied to "};
    if (answer.printers.empty()) return "Settings file: " + answer.problem;
    std::string names;
    for (const auto& p : answer.printers) names += (names.empty() ? "" : ", ") + p.printer;
    const bool applied = request.verb == Verb::Apply && !request.dryRun;
    std::string text = (applied ? kDone[2] : kDone[request.verb == Verb::Save ? 0 : 1]) + names;
    if (applied && answer.exit() != settings_file::kExitSame) text += " (not everything took)";
    return text;
}

}  // namespace orvan::shell
