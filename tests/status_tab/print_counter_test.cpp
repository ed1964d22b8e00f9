// "Clear" of the print counter over the link's counters: what the printer is
// sent, what the user is asked and told, and the count shown afterwards.
#include <gtest/gtest.h>

#include "link/counters.h"
#include "link/net_requests.h"
#include "status/status_view.h"
#include "support/fake_ports.h"
#include "ui/scripted_message_boxes.h"

namespace orvan::status {
namespace {

class PrintCounterClear : public ::testing::Test {
  protected:
    PrintCounterClear() {
        fake.usb(3, 5);
        StatusSources sources{fake.state, data, SharedCatalogue(), boxes, "", {}, {}, {}};
        UseCounters(sources, counters);
        view = std::make_unique<StatusTabView>(tab, std::move(sources));
        data.image.Counters.Print = 812;
        test::Bytes page(48, 0);  // log page 0x38 after a clear: every counter 0
        page[0] = link::kPrinterLogPage;
        fake.commands.logPages[link::kPrinterLogPage] = page;
    }

    std::string shownCount() {
        view->refreshMediaAndCounters();
        return tab.Label0_8.caption();
    }

    test::FakeLink fake;
    link::PrinterData data;
    link::NetworkRequests network{fake.channel, data};
    link::Counters counters{fake.channel, data, network};
    ui::ScriptedMessageBoxes boxes;
    ui::ComboBox combo0{"Combo0"};
    StatusTab tab{combo0};
    std::unique_ptr<StatusTabView> view;
};

TEST_F(PrintCounterClear, WithoutPrinterSaysNotFoundAndAsksNothing) {
    fake.state.printerCount = 0;
    tab.Cmd0_1.click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Printer is not found.");
    EXPECT_EQ(boxes.shown()[0].icon, ui::Icon::Warning);
    EXPECT_TRUE(fake.commands.calls.empty());
}

TEST_F(PrintCounterClear, CancelSendsNothing) {
    boxes.answerNext(ui::Answer::Cancel);
    tab.Cmd0_1.click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Would you like to clear Print Counter?");
    EXPECT_EQ(boxes.shown()[0].buttons, ui::Buttons::OkCancel);
    EXPECT_TRUE(fake.commands.calls.empty());
    EXPECT_EQ(shownCount(), " 812");
}

TEST_F(PrintCounterClear, OkClearsThePrinterAndShowsTheRereadCount) {
    boxes.answerNext(ui::Answer::Ok);
    tab.Cmd0_1.click();
    ASSERT_EQ(fake.commands.names(),
              (std::vector<std::string>{"KQCMD_LogSelect", "KQCMD_LogSense"}));
    EXPECT_EQ(fake.commands.calls[0].args, (std::vector<std::int64_t>{3, 5, 0}));
    EXPECT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(shownCount(), " 0");
}

TEST_F(PrintCounterClear, RefusedClearShowsTheFailureWithDetailsAndKeepsTheCount) {
    fake.commands.results.always("KQCMD_LogSelect", -0x0102D100);
    boxes.answerNext(ui::Answer::Ok);
    tab.Cmd0_1.click();
    EXPECT_EQ(fake.commands.count("KQCMD_LogSense"), 0);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].text,
              "It fails to clear Print Counter.\rDetails:The printer door is open, or the "
              "cleaning unit is detached.");
    EXPECT_EQ(boxes.shown()[1].icon, ui::Icon::Warning);
    EXPECT_EQ(shownCount(), " 812");
}

}  // namespace
}  // namespace orvan::status
