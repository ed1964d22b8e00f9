#pragma once
// orvan-status asking the printers itself: discovery as the monitor makes
// it, then for each chosen printer the status query and the reads of a
// report. A survey kept between rounds (the metrics server) rediscovers when
// it has no printer, lost one, or has not looked for a while, and keeps each
// printer's last answer, as the monitor does. Printers are told apart by
// their id (connection and slot or address), not their names; a printer once
// seen is reported until it comes back or is forgotten.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "headless/cli_options.h"
#include "link/channel.h"
#include "link/discovery.h"
#include "link/net_requests.h"
#include "link/status_query.h"
#include "report/printer_reader.h"
#include "ui/controls.h"
#include "ui/timer.h"

namespace orvan::headless {

struct SurveySettings {
    bool hasCommandLibrary = false;
    bool hasSettingsLibrary = false;
    bool preferIPv6 = false;        // address family of the network list
    std::string rememberedPrinter;  // the monitor's configuration
    bool retry = true;              // wait out transient answers of the reads
    // A kept survey (the metrics server) looks for new, returned and renamed
    // printers this often, and at once after a loss.
    std::int64_t rediscoverSeconds = 60;
    // A lost printer is reported (up 0) until it comes back, or until it has
    // been gone this long; 0 keeps it for good.
    std::int64_t forgetSeconds = 86400;
    // Media, counters, versions and the inquiry are read again this often,
    // and whenever the printer's status changes; every round asks the status.
    std::int64_t detailsSeconds = 60;
};

struct SurveyResult {
    std::vector<report::PrinterReport> printers;
    std::vector<std::string> messages;  // what the window would show in a box
    std::string problem;                // why no printer is reported
};

// A chosen printer, selected on the link, for a job of its own.
struct ChosenPrinter {
    link::Channel& channel;
    link::PrinterData& data;
    link::NetworkRequests& net;
    bool ipv6List;  // the list's address family, part of a printer's key
};

class PrinterSurvey {
  public:
    PrinterSurvey(link::CommandLibrary& commands, link::SettingsLibrary& settings,
                  ui::EventLoop& loop, SurveySettings settingsOfRun);
    ~PrinterSurvey();
    PrinterSurvey(const PrinterSurvey&) = delete;
    PrinterSurvey& operator=(const PrinterSurvey&) = delete;

    SurveyResult run(const Selection& selection, std::int64_t now);

    // Selects each chosen printer on the link in turn, in list order, and
    // hands it to `job`; the result carries the messages and the problem
    // (no printer, no such printer) but no reports.
    SurveyResult forEachChosen(const Selection& selection, std::int64_t now,
                               const std::function<void(ChosenPrinter&)>& job);

    // Every listed printer's status query and nothing else (the benchmark's
    // measure of what a round costs beyond it).
    void queryStatusOnly();

  private:
    struct Slot;
    bool discover(SurveyResult& out, std::int64_t now);
    void reportLost(const Selection& selection, const std::vector<int>& chosen, std::int64_t now,
                    SurveyResult& out);
    std::vector<int> choose(const Selection& selection, std::vector<std::string>& missing);
    int findListed(const std::string& nameOrAddress) const;
    report::PrinterReport readPrinter(int index, std::int64_t now);
    void notePrinterMessages(const report::PrinterReport& r, SurveyResult& out) const;

    ui::EventLoop& loop_;
    SurveySettings settings_;
    ui::Timer pauseTimer_{"Timer2"};
    link::LinkState state_;
    link::Channel channel_;
    link::PrinterData data_;
    link::NetworkRequests net_;
    link::IpHistory history_;
    link::Discovery discovery_;
    link::StatusQuery query_;
    ui::ComboBox combo0_{"Combo0"}, combo7_1_{"Combo7_1"};
    std::map<std::string, std::unique_ptr<Slot>> slots_;  // by printer id
    bool needDiscovery_ = true;
    std::int64_t discoveredAt_ = 0;
    bool searchedAddress_ = false;  // the named printer is asked for at its address
    std::string searched_;
};

}  // namespace orvan::headless
