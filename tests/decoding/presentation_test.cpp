// How the status lines look, and what lands on the Status tab's controls.
#include <gtest/gtest.h>

#include "status/status_presentation.h"

namespace orvan::status {
namespace {

class Presentation : public ::testing::Test {
  protected:
    const ErrorCatalogue cat = BuildErrorCatalogue();
    StatusView present(link::DeviceStatus s, bool connected = true, bool laminator = true,
                       std::int32_t word = 0) {
        return PresentStatus(cat, {s, connected, laminator, word});
    }
};

TEST_F(Presentation, ReadyPrinterIsBlueWithReadyPicture) {
    const auto v = present({0, 0, 0, 0});
    EXPECT_EQ(v.printer, (StatusLine{"Ready", 0xFF0000, 14, 600, 360, "P_READY.gif", true}));
    EXPECT_EQ(v.laminator, (StatusLine{"Ready", 0xFF0000, 14, 2120, 360, "L_READY.gif", true}));
    EXPECT_EQ(v.tint, 0xC0FFC0u);
}

TEST_F(Presentation, RunningPrinterShowsItsStateInRed) {
    EXPECT_EQ(present({0, 61, 0, 0}).printer,
              (StatusLine{"Printing", 0x0000FF, 14, 600, 360, "P_RUN.gif", true}));
    EXPECT_EQ(present({-0x0102D400, 0, 0, 0}).printer.text, "Printer is busy.");
    EXPECT_EQ(present({-0x0102DB00, 1, 0, 0}).printer.text, "Initializing");
    EXPECT_EQ(present({-0x0102DB00, 0, 0, 0}).printer.text, "Ready");
}

TEST_F(Presentation, FailedPrinterShowsTheErrorOnATallerLine) {
    const auto v = present({-0x0142B200, 0, 0, 0});
    EXPECT_EQ(v.printer, (StatusLine{"Printer Error(0142B200) :\rInk ribbon has run out. Replace "
                                     "with a new one.",
                                     0x0000FF, 11, 420, 1100, "P_ERROR.gif", true}));
    EXPECT_EQ(v.tint, 0xFFC0FFu);
    EXPECT_EQ(present({-2, 0, 0, 0}, true, true, 10065).printer.text.substr(0, 22),
              "Printer Error( 10065) ");
}

TEST_F(Presentation, AbsentPrinterHidesTheLaminatorWhateverItReports) {
    const auto v = present({-0x0102D000, 0, -0x0500005A, 0}, false);
    EXPECT_EQ(v.printer,
              (StatusLine{"Printer is not found.", 0x0000FF, 14, 600, 360, "P_ERROR.gif", true}));
    EXPECT_EQ(v.laminator, (StatusLine{"", {}, {}, {}, {}, "", false}));
    EXPECT_EQ(v.tint, 0xFFC0FFu);
}

TEST_F(Presentation, LaminatorLines) {
    EXPECT_EQ(present({0, 0, 0, 254}).laminator,
              (StatusLine{"Laminator is not found.", 0x0000FF, 14, 2120, 360, "L_RUN.gif", true}));
    EXPECT_EQ(present({0, 0, 0, 3}).laminator.text, "");
    EXPECT_EQ(present({0, 0, 0, 3}).laminator.picture, "L_RUN.gif");
    EXPECT_EQ(present({0, 0, -0x0500005A, 0}).laminator,
              (StatusLine{"Laminator Error(0500005A) :\rThe film cassette is detached.", 0x0000FF,
                          11, 1940, 820, "L_ERROR.gif", true}));
    EXPECT_FALSE(present({0, 0, -0x0500005A, 0}, true, false).laminator.pictureVisible);
}

TEST_F(Presentation, TintIsTheWorstOfBothDevices) {
    EXPECT_EQ(present({0, 0, -0x0500005A, 0}).tint, 0xFFC0FFu);
    EXPECT_EQ(present({0, 0, 0, 18}).tint, 0xFFFFC0u);
    EXPECT_EQ(present({0, 0, -0x0500005A, 0}, true, false).tint, 0xC0FFC0u);
}

TEST_F(Presentation, ApplyingAnAbsentLaminatorKeepsTheLabelsLookButHidesThePicture) {
    ui::Label label("Label0_6");
    ui::PictureBox pic("Pic0[5]");
    ApplyStatusLine(present({0, 0, -0x0500005A, 0}).laminator, label, pic, "/opt/orvan");
    EXPECT_EQ(label.fontSize(), 11);
    EXPECT_EQ(label.top(), 1940);
    EXPECT_EQ(pic.picture(), "/opt/orvan/L_ERROR.gif");

    ApplyStatusLine(present({0, 0, 0, 0}, true, false).laminator, label, pic, "/opt/orvan");
    EXPECT_EQ(label.caption(), "");
    EXPECT_EQ(label.foreColour(), 0x0000FFu);
    EXPECT_EQ(label.fontSize(), 11);
    EXPECT_EQ(label.top(), 1940);
    EXPECT_EQ(label.height(), 820);
    EXPECT_FALSE(pic.visible());
    EXPECT_EQ(pic.picture(), "/opt/orvan/L_ERROR.gif");
}

TEST_F(Presentation, PicturesComeFromTheProgramDirectory) {
    EXPECT_EQ(ProgramFile("/opt/orvan", "LOGO.gif"), "/opt/orvan/LOGO.gif");
    EXPECT_EQ(ProgramFile("/opt/orvan/", "LOGO.gif"), "/opt/orvan/LOGO.gif");
}

// The tray icon's state and tooltip follow the Status tab's lines, the
// laminator's included; a device that works but reports a passing
// condition is a warning.
TEST_F(Presentation, TheStateAtAGlanceFollowsTheWorstDevice) {
    const struct {
        link::DeviceStatus status;
        bool connected;
        Glance state;
        const char* text;
    } cases[] = {
        {{0, 0, 0, 0}, true, Glance::Ready, "Ready\nReady"},
        {{0, 61, 0, 0}, true, Glance::Printing, "Printing\nReady"},
        {{-0x0102DB00, 0, 0, 0}, true, Glance::Warning, "Ready\nReady"},
        {{-0x0142B200, 0, 0, 0},
         true,
         Glance::Error,
         "Printer Error(0142B200) :\nInk ribbon has run out. Replace with a new one.\nReady"},
        {{0, 0, -0x0500005A, 0},
         true,
         Glance::Error,
         "Ready\nLaminator Error(0500005A) :\nThe film cassette is detached."},
        {{-0x0142B200, 0, 0, 0}, false, Glance::NoPrinter, "Printer is not found."},
    };
    for (const auto& c : cases) {
        const GlanceLook look = AtAGlance(cat, {c.status, c.connected, true, 0});
        EXPECT_EQ(look.state, c.state) << c.text;
        EXPECT_EQ(look.text, c.text);
    }
}

}  // namespace
}  // namespace orvan::status
