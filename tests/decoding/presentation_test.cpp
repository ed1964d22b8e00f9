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

}  // namespace
}  // namespace orvan::status
