#pragma once
// Where orvan-status takes a status from. A port library may not take two
// processes driving one printer: while a monitor runs for this user, its
// published status is read and no printer is called; otherwise the printers
// are asked directly, holding the printer-access lock for the round.
#include <cstdint>
#include <functional>
#include <string>

#include "headless/cli_options.h"
#include "headless/printer_survey.h"
#include "report/report_json.h"

namespace orvan::headless {

struct RuntimePaths {
    std::string instanceLock;  // held by a running monitor
    std::string statusFile;    // what it publishes
    std::string accessLock;    // held by whoever drives the printers
    // The defaults in the user's runtime directory.
    static RuntimePaths ofUser();
};

class StatusSource {
  public:
    // survey is made on the first round that needs one, so a run that reads
    // the monitor's status never loads a port library.
    StatusSource(RuntimePaths paths, std::function<PrinterSurvey&()> survey, int accessWaitMs);

    report::StatusDocument take(const Selection& selection, std::int64_t now);

  private:
    report::StatusDocument fromMonitor(const Selection& selection, std::int64_t now) const;

    RuntimePaths paths_;
    std::function<PrinterSurvey&()> survey_;
    int accessWaitMs_;
};

}  // namespace orvan::headless
