#pragma once
// How the printer and laminator status lines look for a given status: text,
// colour, font size, placement and picture, plus the overall tint. Computed
// from plain values so the Status tab only copies the result onto controls.
#include <cstdint>
#include <optional>
#include <string>

#include "link/link_state.h"
#include "link/printer_data.h"
#include "status/error_catalogue.h"
#include "status/state_decoding.h"
#include "ui/controls.h"

namespace orvan::status {

// One status line. Properties left empty keep what the control shows.
struct StatusLine {
    std::string text;
    std::optional<ui::Colour> colour;
    std::optional<int> fontSize;
    std::optional<int> top;     // twips
    std::optional<int> height;  // twips
    std::string picture;        // file name in the program directory
    bool pictureVisible = true;
    bool operator==(const StatusLine&) const = default;
};

struct StatusInputs {
    link::DeviceStatus status;
    bool printerConnected = false;
    bool laminatorInstalled = false;
    std::int32_t networkStatusWord = 0;
};

struct StatusView {
    DisplayState printerState = DisplayState::Absent;
    DisplayState laminatorState = DisplayState::Absent;
    DisplayState overall = DisplayState::Absent;
    ui::Colour tint = 0;
    StatusLine printer;    // Label0_1 and Pic0(4)
    StatusLine laminator;  // Label0_6 and Pic0(5)
};

StatusView PresentStatus(const ErrorCatalogue& catalogue, const StatusInputs& in);

// What the last status answer says, as the Status tab reads it.
StatusInputs InputsOf(const link::LinkState& link, const link::PrinterData& data);

// The state at a glance, for the tray icon: its kind, and the status lines
// as the Status tab shows them, one per line.
enum class Glance { Ready, Printing, Warning, Error, NoPrinter };
struct GlanceLook {
    Glance state = Glance::NoPrinter;
    std::string text;
    bool operator==(const GlanceLook&) const = default;
};
GlanceLook AtAGlance(const ErrorCatalogue& catalogue, const StatusInputs& in);

// Copies a line onto its label and picture box. The picture is loaded from
// the program directory only while it is shown.
void ApplyStatusLine(const StatusLine& line, ui::Label& label, ui::PictureBox& picture,
                     const std::string& programDir);

// A picture or file beside the program.
std::string ProgramFile(const std::string& programDir, const std::string& fileName);

}  // namespace orvan::status
