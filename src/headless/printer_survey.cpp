#include "headless/printer_survey.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "link/conversions.h"
#include "link/link_messages.h"
#include "link/port_libraries.h"
#include "status/error_catalogue.h"
#include "ui/ascii_case.h"

namespace orvan::headless {
namespace {

struct ParsedAddress {
    bool ipv6 = false;
    link::AddressBytes bytes{};
};

std::optional<ParsedAddress> parseAddress(const std::string& text) {
    ParsedAddress a;
    if (link::ParseIPv4(text, 255, std::span<std::uint8_t>(a.bytes).first(link::kIPv4Length)) ==
        link::kParseOk)
        return a;
    a = {};
    a.ipv6 = true;
    if (link::ParseIPv6(text, a.bytes)) return a;
    return std::nullopt;
}

bool atAddress(const link::PrinterEntry& e, const ParsedAddress& a) {
    if (e.kind == link::EntryKind::Usb) return false;
    if (a.ipv6) return e.ipv6 == a.bytes;
    return std::equal(e.ipv4.begin(), e.ipv4.end(), a.bytes.begin());
}

// A printer that was asked for and is not there.
report::PrinterReport missingPrinter(const std::string& name, std::int64_t now) {
    report::PrinterReport r;
    r.name = name;
    const bool address = parseAddress(name).has_value();
    r.connection = address || ui::equalsIgnoringCase(name.substr(0, 4), "NET:") ? "network" : "usb";
    if (address) r.address = name;
    r.id = address ? "net:" + name : name;
    r.readAt = now;
    return r;
}

}  // namespace

struct PrinterSurvey::Slot {
    explicit Slot(link::Channel& channel) : reader(channel) {}
    link::DeviceStatus status;
    std::int16_t failures = 0;
    bool answered = false;
    report::PrinterReader reader;
    std::optional<report::PrinterReport> last;  // the last report while up
    std::optional<std::int64_t> lostSince;
    std::optional<std::int64_t> detailsAt;  // when the details were last read
    link::DeviceStatus detailsStatus;       // and the status they were read with

    // Details are read again after a while or when the status has changed
    // (a print, an error): reading them every round would cost several
    // calls a printer for values that seldom move.
    bool detailsDue(const link::DeviceStatus& now, std::int64_t at, std::int64_t every) const {
        return !detailsAt || at < *detailsAt || at - *detailsAt >= every || now != detailsStatus;
    }
};

namespace {

std::string entryId(const link::PrinterEntry& e, bool ipv6List) {
    if (e.kind == link::EntryKind::Usb)
        return "usb:" + std::to_string(e.slot) + ":" + std::to_string(e.scsiId);
    return "net:" + (ipv6List ? link::FormatIPv6(e.ipv6).text : link::FormatIPv4(e.ipv4));
}

}  // namespace

PrinterSurvey::PrinterSurvey(link::CommandLibrary& commands, link::SettingsLibrary& settings,
                             ui::EventLoop& loop, SurveySettings settingsOfRun)
    : loop_(loop),
      settings_(std::move(settingsOfRun)),
      channel_(state_, commands, settings, loop, pauseTimer_),
      net_(channel_, data_),
      discovery_(channel_, net_, data_, history_),
      query_(channel_) {}

PrinterSurvey::~PrinterSurvey() {
    loop_.detach(pauseTimer_);
}

bool PrinterSurvey::discover(SurveyResult& out, std::int64_t now) {
    discoveredAt_ = now;
    if (!settings_.hasCommandLibrary && !settings_.hasSettingsLibrary) {
        out.messages.push_back(link::kNoLibraries);
        out.problem = "no port library";
        return false;
    }
    discovery_.options = {settings_.hasCommandLibrary, settings_.hasSettingsLibrary, false};
    state_.preferIPv6 = settings_.preferIPv6;
    if (searchedAddress_) {
        if (const auto a = parseAddress(searched_)) {
            discovery_.options.searchPending = true;
            state_.preferIPv6 = a->ipv6;
            state_.selected.address = a->bytes;
        }
    }
    if (discovery_.discover(combo0_, combo7_1_) == -1) {
        out.messages.push_back(link::kPortManagerMissing);
        out.problem = "port library missing";
        return false;
    }
    needDiscovery_ = false;
    return true;
}

int PrinterSurvey::findListed(const std::string& nameOrAddress) const {
    const auto& entries = discovery_.entries();
    const auto address = parseAddress(nameOrAddress);
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (ui::equalsIgnoringCase(entries[i].displayName, nameOrAddress) ||
            (address && atAddress(entries[i], *address)))
            return static_cast<int>(i);
    return -1;
}

std::vector<int> PrinterSurvey::choose(const Selection& selection,
                                       std::vector<std::string>& missing) {
    const int listed = static_cast<int>(discovery_.entries().size());
    std::vector<int> chosen;
    std::string wanted = selection.name;
    switch (selection.kind) {
        case Selection::Kind::All:
            for (int i = 0; i < listed; ++i) chosen.push_back(i);
            return chosen;
        case Selection::Kind::Remembered:
            // Without a remembered printer the monitor watches the first one.
            wanted = settings_.rememberedPrinter;
            if (wanted.empty()) {
                if (listed > 0) chosen.push_back(0);
                return chosen;
            }
            break;
        case Selection::Kind::Named:
            break;
    }
    if (const int i = findListed(wanted); i >= 0)
        chosen.push_back(i);
    else
        missing.push_back(wanted);
    return chosen;
}

SurveyResult PrinterSurvey::run(const Selection& selection, std::int64_t now) {
    SurveyResult out;
    const bool due = settings_.rediscoverSeconds > 0 &&
                     (now - discoveredAt_ >= settings_.rediscoverSeconds || now < discoveredAt_);
    if ((needDiscovery_ || due) && !discover(out, now)) return out;
    std::vector<std::string> missing;
    std::vector<int> chosen = choose(selection, missing);
    // An address that is not in the list is asked for directly, as the
    // Printer Select tab's search does.
    if (!missing.empty() && selection.kind == Selection::Kind::Named && !searchedAddress_ &&
        settings_.hasSettingsLibrary && parseAddress(selection.name)) {
        searchedAddress_ = true;
        searched_ = selection.name;
        if (!discover(out, now)) return out;
        missing.clear();
        chosen = choose(selection, missing);
    }
    if (discovery_.entries().empty()) needDiscovery_ = true;
    try {
        for (int i : chosen) out.printers.push_back(readPrinter(i, now));
    } catch (const link::PortLibraryMissing&) {
        needDiscovery_ = true;
        out.printers.clear();
        out.messages.push_back(link::kPortManagerMissing);
        out.problem = "port library missing";
        return out;
    }
    reportLost(selection, chosen, now, out);
    if (out.printers.empty() && discovery_.entries().empty()) {
        out.messages.push_back(link::kPrinterNotFound);
        out.problem = "no printer";
        return out;
    }
    for (const auto& name : missing) {
        const bool known = std::any_of(
            out.printers.begin(), out.printers.end(), [&](const report::PrinterReport& r) {
                return ui::equalsIgnoringCase(r.name, name) || r.address == name;
            });
        if (known) continue;
        // A name asked for that matches nothing is not a printer in trouble
        // (UNKNOWN); the remembered printer is one the monitor watched, lost.
        if (selection.kind == Selection::Kind::Named)
            out.problem = "no such printer: " + name;
        else
            out.printers.push_back(missingPrinter(name, now));
    }
    for (const auto& r : out.printers) notePrinterMessages(r, out);
    return out;
}

SurveyResult PrinterSurvey::forEachChosen(const Selection& selection, std::int64_t now,
                                          const std::function<void(ChosenPrinter&)>& job) {
    SurveyResult out;
    if (!discover(out, now)) return out;
    std::vector<std::string> missing;
    const std::vector<int> chosen = choose(selection, missing);
    if (chosen.empty() && missing.empty()) {
        out.messages.push_back(link::kPrinterNotFound);
        out.problem = "no printer";
    }
    for (const auto& name : missing) out.problem = "no such printer: " + name;
    const std::int16_t listed = state_.printerCount;
    for (int i : chosen) {
        discovery_.selectListed(i);
        data_ = {};
        ChosenPrinter printer{channel_, data_, net_, discovery_.ipv6List()};
        job(printer);
        state_.printerCount = listed;
    }
    return out;
}

// Printers seen before and not listed now are reported lost, with what they
// last said and when, until they come back or have been gone too long.
void PrinterSurvey::reportLost(const Selection& selection, const std::vector<int>& chosen,
                               std::int64_t now, SurveyResult& out) {
    std::vector<std::string> reported;
    for (int i : chosen)
        reported.push_back(
            entryId(discovery_.entries()[static_cast<std::size_t>(i)], discovery_.ipv6List()));
    for (auto it = slots_.begin(); it != slots_.end();) {
        Slot& slot = *it->second;
        const bool listed =
            std::find(reported.begin(), reported.end(), it->first) != reported.end();
        if (listed || !slot.last) {
            ++it;
            continue;
        }
        if (!slot.lostSince) slot.lostSince = now;
        if (settings_.forgetSeconds > 0 && now - *slot.lostSince >= settings_.forgetSeconds) {
            it = slots_.erase(it);
            continue;
        }
        const bool wanted =
            selection.kind == Selection::Kind::All ||
            ui::equalsIgnoringCase(slot.last->name, selection.kind == Selection::Kind::Named
                                                        ? selection.name
                                                        : settings_.rememberedPrinter) ||
            (selection.kind == Selection::Kind::Named && slot.last->address == selection.name);
        if (wanted) {
            report::PrinterReport r = *slot.last;
            r.up = false;
            out.printers.push_back(std::move(r));
        }
        ++it;
    }
}

report::PrinterReport PrinterSurvey::readPrinter(int index, std::int64_t now) {
    const link::PrinterEntry& entry = discovery_.entries()[static_cast<std::size_t>(index)];
    auto& slot = slots_[entryId(entry, discovery_.ipv6List())];
    if (!slot) slot = std::make_unique<Slot>(channel_);
    const std::int16_t listed = state_.printerCount;
    discovery_.selectListed(index);
    state_.status = slot->status;
    state_.networkFailures = slot->failures;

    link::ResultCode result = 0;
    std::int32_t printerState = 0;
    query_.query(result, printerState);
    const bool lost = state_.printerCount == 0;
    // A network failure hidden behind the last answer: there may be none yet.
    const bool hidden = !lost && state_.networkFailures > 0;
    if (!hidden) slot->answered = true;
    slot->status = state_.status;
    slot->failures = state_.networkFailures;

    const bool fresh =
        !lost && !hidden && slot->detailsDue(state_.status, now, settings_.detailsSeconds);
    if (fresh) {
        slot->detailsAt = now;
        slot->detailsStatus = state_.status;
    }
    const report::PrinterDetails& details =
        fresh ? slot->reader.read(settings_.retry) : slot->reader.details();
    report::PrinterReport r =
        report::BuildReport(state_, entry.displayName, discovery_.ipv6List(), details, now);
    r.answered = slot->answered;
    if (lost) {
        needDiscovery_ = true;
        // Lost in this query: what it last said, frozen at when it said it.
        if (!slot->lostSince) slot->lostSince = now;
        if (slot->last) {
            r = *slot->last;
            r.up = false;
        }
    } else {
        slot->last = r;
        slot->lostSince.reset();
    }
    state_.printerCount = listed;
    return r;
}

// A fault is what the monitor shows in a box.
void PrinterSurvey::notePrinterMessages(const report::PrinterReport& r, SurveyResult& out) const {
    const auto& catalogue = status::SharedCatalogue();
    const link::ResultCode code = r.status.printerResult;
    if (r.up && code < 0 && catalogue.ClassifyCode(code) >= link::Severity::Fault)
        out.messages.push_back(catalogue.DescribeCode(code, r.statusWord));
}

void PrinterSurvey::queryStatusOnly() {
    const std::int16_t listed = state_.printerCount;
    for (std::size_t i = 0; i < discovery_.entries().size(); ++i) {
        discovery_.selectListed(static_cast<int>(i));
        link::ResultCode result = 0;
        std::int32_t printerState = 0;
        query_.query(result, printerState);
        state_.printerCount = listed;
    }
}

}  // namespace orvan::headless
