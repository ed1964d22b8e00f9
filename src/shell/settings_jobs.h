#pragma once
// The settings jobs orvan-settings hands to the running monitor: the monitor
// drives the printers, so it carries the job out itself, as one link
// operation, on the printer it watches or on the listed printers asked for,
// and then goes back to the printer it watches and shows what it holds.
#include <functional>
#include <string>

#include "link/cycles.h"
#include "link/discovery.h"
#include "link/link_state.h"
#include "link/printer_data.h"
#include "settings_file/settings_request.h"
#include "status/error_catalogue.h"

namespace orvan::shell {

struct SettingsJobLink {
    link::LinkState& state;
    link::Cycles& cycles;
    link::PrinterData& data;
    link::Discovery& discovery;
    const status::ErrorCatalogue& catalogue;
    std::function<bool(std::size_t)> isOpen;
    std::function<void(const std::string&)> tellDone;  // the window's status line
    std::function<void()> showWatched;                 // fill the screen on show again
    // The audit of a file's writes: the file, the settings sent, the result.
    std::function<void(const std::string&, const std::string&, link::ResultCode)> audit = {};
};

class SettingsJobs {
  public:
    explicit SettingsJobs(SettingsJobLink link) : link_(std::move(link)) {}

    // One request line; the answer line. A request while another link
    // operation holds the link is answered "busy" and asked again later.
    std::string answer(const std::string& requestLine);

  private:
    settings_file::RunAnswer run(const settings_file::SettingsRequest& request,
                                 const settings_file::SettingsDocument* doc);
    // index -1: the watched printer as it is; freshData: its image starts empty.
    settings_file::PrinterAnswer runOnListed(int index,
                                             const settings_file::SettingsRequest& request,
                                             const settings_file::SettingsDocument* doc,
                                             bool freshData);
    std::string summary(const settings_file::RunAnswer& answer,
                        const settings_file::SettingsRequest& request) const;

    SettingsJobLink link_;
};

}  // namespace orvan::shell
