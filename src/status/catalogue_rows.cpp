// The result codes the monitor knows, with their severity and the message the
// user sees. Messages are kept exactly as the printers' users have always read
// them, spelling included.
#include "status/catalogue_rows.h"

namespace orvan::status {
namespace {

constexpr auto kTransient = link::Severity::Transient;
constexpr auto kBusy = link::Severity::Busy;
constexpr auto kError = link::Severity::Error;
constexpr auto kFault = link::Severity::Fault;

// Magnitudes as shown to the user; the result code is their negative.
constexpr CatalogueRow kRows[] = {
    // Printer sense data: 0x01SSAAQQ (sense-key byte, additional code, qualifier).
    {0x0102D000, kError, "No Card. (Cards have run out.) Replenish the cards."},
    {0x0102D100, kError, "The printer door is open, or the cleaning unit is detached."},
    {0x0102D300, kBusy, "Card Transporting."},
    {0x0102D400, kBusy, "Printing."},
    {0x0102D500, kBusy, "Printing, card transporting or retransfer."},
    {0x0102DA00, kTransient, "Preheating is in progress."},
    {0x0102DB00, kTransient, "Printer is initializing."},
    {0x0102DC00, kTransient, "Offline testing or cleaning is in progress."},
    {0x0102DD00, kTransient,
     "Operation panel is currently in use, or the printer is in the Transport mode."},
    {0x0102DE00, kError,
     "The firmware cannot be downloaded. Set the printer to the Download mode."},
    {0x0102FD00, kTransient, "The printer is in the Power Saving mode."},
    {0x0102FE00, kError, "Password authentication is not complete."},
    {0x01039000, kError,
     "Failure occurred during card loading. Remove the card according to the corresponding "
     "procedure."},
    {0x01039100, kError,
     "Card jam near the card turnover unit. Remove the card according to the corresponding "
     "procedure."},
    {0x01039200, kError,
     "Card jam near the magnetic encoder. Remove the card according to the corresponding "
     "procedure."},
    {0x01039300, kError,
     "Card jam near the card feed roller. Remove the card according to the corresponding "
     "procedure."},
    {0x01039400, kError,
     "Card jam near the card outlet. Remove the card according to the corresponding procedure."},
    {0x0103A100, kError,
     "Retransfer film is broken or is not detected. Install the retransfer film correctly."},
    {0x0103AD00, kError, "An error has occurred during magnetic encoding data writing."},
    {0x0103AE00, kError, "An error has occurred during magnetic encoding data reading."},
    {0x0103B000, kError, "An incorrect ink ribbon is installed. Install a correct ink ribbon."},
    {0x0103B100, kError,
     "Ink ribbon is broken or is not detected. Install the ink ribbon correctly."},
    {0x01044400, kError, "A hardware error has occurred. Turn off and on the power again."},
    {0x0104AB00, kError,
     "An error has occurred in the mechanical component of the magnetic encoder. Turn off and on "
     "the power again."},
    {0x0104AC00, kError,
     "A hardware error has occurred in the magnetic encoder. Turn off and on the power again."},
    {0x0104C100, kError,
     "Heating roller operation failure has occurred. Turn off and on the power again."},
    {0x0104C200, kError,
     "The temperature of the bend remedy heating roller or retransfer heating roller is too high. "
     "Turn off and on the power again."},
    {0x0104C300, kError,
     "An internal 24v instantaneous interruption is detected. Turn off and on the power again."},
    {0x0104D800, kError,
     "A hardware error has occurred during initialization. Turn off and on the power again."},
    {0x0104F000, kError,
     "The temperature of the retransfer heating roller is too high. Turn off and on the power "
     "again."},
    {0x0104F100, kError,
     "The retransfer heating roller is faulty. Turn off and on the power again."},
    {0x0104F200, kError,
     "The thermistor of the retransfer heating roller is faulty. Turn off and on the power again."},
    {0x0104F300, kError,
     "The temperature of the bend remedy heating roller is too high. Turn off and on the power "
     "again."},
    {0x0104F400, kError, "The bend remedy unit is faulty. Turn off and on the power again."},
    {0x0104F500, kError,
     "The thermistor of the bend remedy heating roller is faulty. Turn off and on the power "
     "again."},
    {0x0104F600, kError,
     "The operating ambient temperature of the printer is too low. Check the temperature."},
    {0x0104F800, kError,
     "The temperature of the thermal head is too high. Turn off and on the power again."},
    {0x01051A00, kError, "Printer command is incorrect."},
    {0x01052000, kError, "Printer command is incorrect."},
    {0x01052100, kError,
     "A security key has already been set. A new security key cannot be specified."},
    {0x01052200, kError, "Entry does not match the preset security key."},
    {0x01052300, kError,
     "Security key has not been specified. The security lock function is not enabled."},
    {0x01052400, kError, "Printer command is incorrect."},
    {0x01052600, kError, "Printer command is incorrect."},
    {0x01052700, kError,
     "Ink ribbon speci"
     "fication is incorrect."},
    {0x01052A00, kError, "Printer command is incorrect."},
    {0x01052B00, kError, "Magnetic encoding data is incorrect."},
    {0x01052C00, kError, "IC encoder is not installed."},
    {0x01052D00, kError, "Magnetic encoder is not installed."},
    {0x01052E00, kError, "Optional devices are not installed."},
    {0x0105FB00, kError, "Download data to the printer is incorrect. Confirm the file."},
    {0x01062800, kTransient, "Printer was initialized."},
    {0x01062900, kTransient, "Printer was powered on."},
    {0x0142A200, kError, "Retransfer film has run out. Replace with a new one."},
    {0x0142B200, kError, "Ink ribbon has run out. Replace with a new one."},
    {0x01039500, kError,
     "Card jam near the retransfer heating roller. Remove the card according to the corresponding "
     "procedure."},
    {0x0103A800, kError, "A writing error has occurred during magnetic encoder self-diagnosis."},
    // USB port service. 02010000, 02020000 and 02030000 also stand for their
    // whole family (the low 16 bits carry detail the user needs not see).
    {0x02000001, kFault, "Error happens in KQ Port Manager. Memory is not enough."},
    {0x02000002, kFault,
     "Error happens in KQ Port Manager. The command was rejected for the busy state."},
    {0x02000003, kFault, "Error happens in KQ Port Manager. The command canceled abnormally."},
    {0x02000004, kTransient, "Printer is not found. Confirm the printer connection."},
    {0x02000005, kFault, "Error happens in KQ Port Manager. Printer port is not found."},
    {0x02000006, kTransient, "Printer is not found. Confirm the printer connection."},
    {0x02010000, kError, "Error happens in KQ Port Manager. SRB status is invalid."},
    {0x02020000, kError, "Error happens in KQ Port Manager. HA status is invalid."},
    {0x02030000, kFault, "Error happens in KQ Port Manager. Target status is invalid."},
    // Command library.
    {0x09000001, kError, "Error happens in DLL. Invalid parameter was passed to the DLL."},
    {0x09000002, kTransient, "Printer is not found. Confirm the printer connection."},
    {0x09000003, kFault, "Error happens in DLL. Memory is not enough."},
    {0x09000004, kFault, "Error happens in DLL. It fails to read a file."},
    {0x09000005, kFault,
     "Error happens in DLL. The contents of DC is invalid and it failes to get image from DC."},
    // Network library: codes -2 to -16.
    {0x00000002, kError, "Error happens in Network. It faile to Windows Socket."},
    {0x00000003, kTransient, "The network was disconnected."},
    {0x00000004, kFault, "Error happens in DLL. Not support function."},
    {0x00000005, kTransient, "Error happens in Network.  It fails to reply timeout."},
    {0x00000006, kFault, "Receive injusice message."},
    {0x00000010, kTransient, "Sending or receiving data error in Network."},
    // Laminator: 0x05000000 + the laminator error byte.
    {0x05000050, kError, "Failure occurred during card loading."},
    {0x05000051, kError, "Card jam near the card feed roller."},
    {0x05000052, kError, "Card jam near the card outlet."},
    {0x05000053, kError, "Top side film has run out."},
    {0x05000054, kError, "Bottom side film has run out."},
    {0x05000055, kError, "Top side film is broken or is not detected."},
    {0x05000056, kError, "Bottom side film is broken or is not detected."},
    {0x05000057, kError, "Mark on top side film is not detected."},
    {0x05000058, kError, "Mark on bottom side film is not detected."},
    {0x05000059, kError, "The laminator door is open."},
    {0x0500005A, kError, "The film cassette is detached."},
    {0x05000060, kError, "Thermostat is broken."},
    {0x05000061, kError, "The temperature of the top side Heat Roller is too high."},
    {0x05000062, kError, "The temperature of the bottom side Heat Roller is too high."},
    {0x05000063, kError, "The internal temperature of the top side Heater is too high."},
    {0x05000064, kError, "The internal temperature of the bottom side Heater is too high."},
    {0x05000065, kError, "A hardware error has occurred in the top side Heat Roller."},
    {0x05000066, kError, "A hardware error has occurred in the bottom side Heat Roller."},
    {0x05000067, kError, "The thermistor of the top side Heat Roller is faulty."},
    {0x05000068, kError, "The thermistor of the bottom side Heat Roller is faulty."},
    {0x05000069, kError, "Invalid temperature setting has occurred in the top side Heat Roller."},
    {0x0500006A, kError,
     "Invalid temperature setting has occurred in the bottom side Heat Roller."},
    {0x0500006B, kError, "A cam error has occurred in the top side Heat Roller."},
    {0x0500006C, kError, "A cam error has occurred in the bottom side Heat Roller."},
    {0x0500006D, kError, "The operating ambient temperature of the laminator is too low."},
    {0x0500006E, kError, "A hardware error has occurred in the top side Film Supply Encoder."},
    {0x0500006F, kError, "A hardware error has occurred in the bottom side Film Supply Encoder."},
    {0x05000070, kError, "A hardware error has occurred in the top side Film Takeup Encoder."},
    {0x05000071, kError, "A hardware error has occurred in the bottom side Film Takeup Encoder."},
    {0x0500007D, kError, "Other error is detected."},
};

}  // namespace

std::span<const CatalogueRow> CatalogueRows() {
    return kRows;
}

}  // namespace orvan::status
