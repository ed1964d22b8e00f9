// From a status answer to each device's display state and its texts.
#include <gtest/gtest.h>

#include "status/state_decoding.h"

namespace orvan::status {
namespace {

using D = DisplayState;

class Decoding : public ::testing::Test {
  protected:
    const ErrorCatalogue cat = BuildErrorCatalogue();
    D printer(ResultCode result, int state, bool connected = true) {
        return PrinterDisplayState(cat, {result, state, 0, 0}, connected);
    }
    D laminator(ResultCode result, int state, bool connected = true, bool installed = true) {
        return LaminatorDisplayState(cat, {0, 0, result, state}, connected, installed);
    }
};

TEST_F(Decoding, PrinterStateFollowsSeverityThenStateByte) {
    EXPECT_EQ(printer(0, 0), D::Ready);
    EXPECT_EQ(printer(-0x0102DB00, 0), D::Ready);  // initializing, severity 1
    EXPECT_EQ(printer(-0x0102DB00, 1), D::Running);
    EXPECT_EQ(printer(-0x0102D400, 0), D::Running);  // busy
    EXPECT_EQ(printer(0, 61), D::Running);
    EXPECT_EQ(printer(-0x0102D000, 50), D::Failed);  // an error outranks the state byte
    EXPECT_EQ(printer(-0x02000001, 0), D::Failed);
    EXPECT_EQ(printer(-0x0102D001, 0), D::Ready);  // unknown code: no error
    EXPECT_EQ(printer(-0x0102D000, 0, false), D::Absent);
}

TEST_F(Decoding, LaminatorOnlyWithConnectedPrinterAndInstalledLaminator) {
    EXPECT_EQ(laminator(0, 0), D::Ready);
    EXPECT_EQ(laminator(0, 18), D::Running);
    EXPECT_EQ(laminator(-0x0500005A, 0), D::Failed);
    EXPECT_EQ(laminator(-0x0500005A, 0, false, true), D::Absent);
    EXPECT_EQ(laminator(-0x0500005A, 0, true, false), D::Absent);
}

TEST_F(Decoding, PrinterStateTexts) {
    EXPECT_EQ(PrinterStateText(1), "Initializing");
    EXPECT_EQ(PrinterStateText(50), "Printing");
    EXPECT_EQ(PrinterStateText(61), "Printing");
    EXPECT_EQ(PrinterStateText(56), "No-Contact IC Encoding");
    EXPECT_EQ(PrinterStateText(63), "Heating");
    EXPECT_EQ(PrinterStateText(54), "Printer is busy.");
    EXPECT_EQ(PrinterStateText(0), "Printer is busy.");
    EXPECT_EQ(PrinterStateText(-1), "Printer is busy.");
}

TEST_F(Decoding, LaminatorStateTexts) {
    EXPECT_EQ(LaminatorStateText(20), "Senser Testing");
    EXPECT_EQ(LaminatorStateText(254), "Laminator is not found.");
    EXPECT_EQ(LaminatorStateText(3), "");
    EXPECT_EQ(LaminatorStateText(255), "");
}

TEST_F(Decoding, ErrorTextShowsTheCodeInEightHexDigits) {
    EXPECT_EQ(PrinterErrorText(cat, -0x0142B200, 0),
              "Printer Error(0142B200) :\rInk ribbon has run out. Replace with a new one.");
    EXPECT_EQ(PrinterErrorText(cat, -0x0102D000, 0),
              "Printer Error(0102D000) :\rNo Card. (Cards have run out.) Replenish the cards.");
    EXPECT_EQ(PrinterErrorText(cat, -4, 0),
              "Printer Error(00000004) :\rError happens in DLL. Not support function.");
    EXPECT_EQ(LaminatorErrorText(cat, -0x0500005A, 0),
              "Laminator Error(0500005A) :\rThe film cassette is detached.");
    EXPECT_EQ(PrinterErrorText(cat, -0x0102D001, 0), "Printer Error(0102D001) :\r");
}

TEST_F(Decoding, SocketErrorTextShowsTheStatusWordInDecimal) {
    EXPECT_EQ(PrinterErrorText(cat, -2, 10060),
              "Printer Error( 10060) :\rError happens in Network. It faile to Windows Socket.");
    EXPECT_EQ(PrinterErrorText(cat, -2, -5),
              "Printer Error(-5) :\rError happens in Network. It faile to Windows Socket.");
    // The laminator has no socket of its own: its -2 stays a hex code.
    EXPECT_EQ(LaminatorErrorText(cat, -2, 10060).substr(0, 26), "Laminator Error(00000002) ");
}

TEST_F(Decoding, OverallStateAndTint) {
    EXPECT_EQ(OverallState(D::Ready, D::Absent), D::Ready);
    EXPECT_EQ(OverallState(D::Ready, D::Running), D::Running);
    EXPECT_EQ(OverallState(D::Running, D::Ready), D::Running);
    EXPECT_EQ(OverallState(D::Ready, D::Failed), D::Failed);
    EXPECT_EQ(OverallState(D::Failed, D::Running), D::Failed);
    EXPECT_EQ(OverallState(D::Absent, D::Ready), D::Absent);
    EXPECT_EQ(OverallTint(D::Ready), 0xC0FFC0u);
    EXPECT_EQ(OverallTint(D::Running), 0xFFFFC0u);
    EXPECT_EQ(OverallTint(D::Failed), 0xFFC0FFu);
    EXPECT_EQ(OverallTint(D::Absent), 0xFFC0FFu);
}

}  // namespace
}  // namespace orvan::status
