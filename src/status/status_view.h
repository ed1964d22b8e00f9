#pragma once
// What the Status tab shows: the status lines and their pictures, the
// animated picture, the ink type, the media gauges, the counters and the
// printer's job list, plus the print counter's "Clear". It reads the link's
// state through references, so it needs nothing from the shell.
#include <functional>
#include <string>

#include "link/link_state.h"
#include "link/printer_data.h"
#include "status/animated_status_picture.h"
#include "status/error_catalogue.h"
#include "status/status_tab.h"
#include "ui/message_box.h"

namespace orvan::link {
class Counters;
}

namespace orvan::status {

// Colour of the gauge fill, 0xBBGGRR.
inline constexpr ui::Colour kGaugeColour = 0xFF8080;
// Full scale of the two gauges, in the printer's units.
inline constexpr int kInkFull = 50;
inline constexpr int kFilmFull = 10;

struct StatusSources {
    const link::LinkState& link;    // printer count, DeviceStatus, status word
    const link::PrinterData& data;  // settings image, identity, job list
    const ErrorCatalogue& catalogue;
    ui::MessageBoxes& boxes;
    std::string programDir;  // where the pictures are
    // Whether the current user may clear the print counter (administrator,
    // or granted by the administrator).
    std::function<bool()> counterClearOpen;
    // The link's counter clear and the reread after a good one.
    std::function<link::ResultCode()> clearCounters;
    std::function<void()> rereadCounters;
};

// Points the print counter's "Clear" at the link's counters.
void UseCounters(StatusSources& sources, link::Counters& counters);

class StatusTabView {
  public:
    StatusTabView(StatusTab& tab, StatusSources sources);
    StatusTabView(const StatusTabView&) = delete;
    StatusTabView& operator=(const StatusTabView&) = delete;

    // Start-up state: everything empty, the spare and media pictures and the
    // animation hidden, "Clear" open only to those allowed to use it.
    void reset();

    // Full redraw: status lines, pictures, animation and tint, then the ink
    // picture and the media and counters.
    void ShowStatus();

    // The cheaper refresh of the monitor ticks that leave the status lines
    // alone: gauges, quantities, counters and the job list.
    void refreshMediaAndCounters();

    void showInkPicture();

    // "Clear" of the print counter: confirm, clear, report or reread.
    void clearPrintCounter();

  private:
    bool connected() const { return src_.link.printerCount != 0; }
    void emptyMedia();
    void showMedia();
    void showJobList(const link::JobList& jobs);
    void clearJobLists();
    void followJobList(int from);

    StatusTab& tab_;
    StatusSources src_;
    AnimatedStatusPicture animation_;
};

// Draws one gauge: a bar of quantity/full of the box's usable width and the
// percentage beside it; a quantity outside 0..full empties both.
void DrawGauge(ui::PictureBox& box, ui::Label& percent, int quantity, int full);

}  // namespace orvan::status
