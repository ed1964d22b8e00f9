#pragma once
// The reads beside the status query that a report needs: identity (firmware
// versions, laminator fitted), ink, film and cards, and the counters. They go
// into a settings image of the reader's own, so the tabs' image, which may
// hold changes the user has not sent yet, is never touched.
#include <string>

#include "link/channel.h"
#include "link/counters.h"
#include "link/net_requests.h"
#include "link/pages.h"
#include "link/printer_data.h"
#include "report/printer_report.h"

namespace orvan::report {

class PrinterReader {
  public:
    explicit PrinterReader(link::Channel& channel);
    PrinterReader(const PrinterReader&) = delete;
    PrinterReader& operator=(const PrinterReader&) = delete;

    // Reads the selected printer. A value that a read did not deliver keeps
    // what the last read of the same printer delivered; another printer
    // starts from nothing. Transient answers are retried only when retry is
    // set (a one-off query may wait; the monitor's cycle does not).
    const PrinterDetails& read(bool retry);
    const PrinterDetails& details() const { return details_; }

  private:
    void readUsb();
    void readNetwork();
    void takeIdentity();
    void takeMedia();
    void takePrinterCounters(bool withTotals);

    link::Channel& channel_;
    link::PrinterData data_;
    link::Pages pages_;
    link::NetworkRequests net_;
    link::Counters counters_;
    PrinterDetails details_;
    std::string printerKey_;
};

// Which printer the link has selected, as a key that differs between printers.
std::string SelectedPrinterKey(const link::LinkState& state);

}  // namespace orvan::report

namespace orvan::report {

// The report of the selected printer from the link's last status query and
// the details read beside it. name is the printer's entry in the list;
// ipv6List says how its address is written.
PrinterReport BuildReport(const link::LinkState& state, const std::string& name, bool ipv6List,
                          const PrinterDetails& details, std::int64_t readAt);

}  // namespace orvan::report
