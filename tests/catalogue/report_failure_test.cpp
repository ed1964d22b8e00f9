// What the user sees when an operation fails.
#include <gtest/gtest.h>

#include "status/report_failure.h"
#include "ui/scripted_message_boxes.h"

namespace orvan::status {
namespace {

using ui::Buttons;
using ui::Icon;

TEST(ReportFailure, ShowsFailureTextThenDetailsWithTheCatalogueMessage) {
    ui::ScriptedMessageBoxes boxes;
    ReportFailure(boxes, "It fails to clear Print Counter.", -0x0102D000, 0);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text,
              "It fails to clear Print Counter.\rDetails:No Card. (Cards have run out.) "
              "Replenish the cards.");
    EXPECT_EQ(boxes.shown()[0].icon, Icon::Warning);
    EXPECT_EQ(boxes.shown()[0].buttons, Buttons::Ok);
}

TEST(ReportFailure, UnknownCodeLeavesDetailsEmpty) {
    ui::ScriptedMessageBoxes boxes;
    ReportFailure(boxes, "It fails to start Test Print.", -0x0102D001, 0);
    EXPECT_EQ(boxes.shown().at(0).text, "It fails to start Test Print.\rDetails:");
}

TEST(ReportFailure, ReplyErrorUsesTheStatusWord) {
    ui::ScriptedMessageBoxes boxes;
    ReportFailure(boxes, "It fails to get IP Sec mode.", -1, 0);
    EXPECT_EQ(boxes.shown().at(0).text,
              "It fails to get IP Sec mode.\rDetails:Receive injusice message.");
}

TEST(ReportFailure, PlainFormsShowTheMessageAloneWithTheirIcon) {
    ui::ScriptedMessageBoxes boxes;
    ReportCodeMessage(boxes, -0x01052200, 0);
    ReportFault(boxes, -0x02000001, 0);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].text, "Entry does not match the preset security key.");
    EXPECT_EQ(boxes.shown()[0].icon, Icon::Warning);
    EXPECT_EQ(boxes.shown()[1].text, "Error happens in KQ Port Manager. Memory is not enough.");
    EXPECT_EQ(boxes.shown()[1].icon, Icon::Error);
    EXPECT_EQ(boxes.shown()[1].buttons, Buttons::Ok);
}

}  // namespace
}  // namespace orvan::status
