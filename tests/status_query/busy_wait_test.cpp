#include "link/busy_wait.h"

#include <gtest/gtest.h>

#include "discovery/faulty_link.h"

namespace orvan::link {
namespace {

constexpr ResultCode kBusyCode = -0x0102A000;
constexpr ResultCode kErrorCode = -0x0102D000;

// A stand-in for the catalogue: one busy code, one error, the rest transient.
Severity classify(ResultCode code) {
    if (code == kBusyCode) return Severity::Busy;
    if (code == kErrorCode) return Severity::Error;
    return Severity::Transient;
}

struct BusyWaitTest : ::testing::Test {
    ui::Timer timer1{"Timer1"};
    ui::Timer user{"UserAction"};  // a gesture the test makes at a set time
    test::FaultyLink link;
    StatusQuery status{link.channel};
    BusyWait busy{link.channel, status, classify, timer1};

    BusyWaitTest() { timer1.setEnabled(true); }
    ~BusyWaitTest() override { link.loop.detach(user); }

    // The next USB position answers: result and byte 0.
    void position(ResultCode result, std::uint8_t byte0) {
        link.commands.results.push("KQCMD_ReadPosition", {result});
        link.commands.position = byte0;
    }
    // The network printer's next status: a state, or an error code.
    void networkStatus(ResultCode code, std::uint8_t state) {
        if (code == 0) {
            link.settings.queueReply({1, 2, 0, state});
            return;
        }
        const auto m = static_cast<std::uint32_t>(-code) - 0x01000000u;
        link.settings.queueReply({1, 5, 0, 255, static_cast<std::uint8_t>(m >> 16),
                                  static_cast<std::uint8_t>(m >> 8), static_cast<std::uint8_t>(m)});
    }
    void at(int ms, std::function<void()> gesture) {
        link.loop.attach(user);
        user.setInterval(ms);
        user.onTick = [this, gesture] {
            user.setEnabled(false);
            gesture();
        };
        user.setEnabled(true);
    }
};

TEST_F(BusyWaitTest, UsbPositionRules) {
    link.usb();
    const struct {
        ResultCode result;
        std::uint8_t byte0;
        bool busy;
    } cases[] = {
        {0, 0x04, false},          {0, 0x00, true},   {0, 0xFB, true}, {-0x0102DD00, 0x04, true},
        {-0x0102DC00, 0x04, true}, {-5, 0x00, false}, {1, 0x04, true}};
    for (const auto& c : cases) {
        position(c.result, c.byte0);
        EXPECT_EQ(busy.isBusy(), c.busy) << c.result << " byte " << int(c.byte0);
    }
}

TEST_F(BusyWaitTest, NoPrinterOrFailingLibraryCountsAsBusy) {
    link.usb();
    link.state.printerCount = 0;
    EXPECT_TRUE(busy.isBusy());
    link.network();
    link.state.printerCount = 0;
    EXPECT_TRUE(busy.isBusy());
    EXPECT_TRUE(link.commands.calls.empty());
    EXPECT_TRUE(link.settings.calls.empty());

    link.usb();
    link.commands.fault.entry = "KQCMD_ReadPosition";
    EXPECT_TRUE(busy.isBusy());

    link.network();
    BusyWait noCatalogue{link.channel, status, nullptr, timer1};
    networkStatus(kErrorCode, 0);
    EXPECT_TRUE(noCatalogue.isBusy());
}

TEST_F(BusyWaitTest, NetworkStateRules) {
    link.network();
    const struct {
        ResultCode result;
        std::uint8_t state;
        bool busy;
    } cases[] = {{0, 0, false}, {0, 7, false}, {0, 62, false},        {0, 50, true},
                 {0, 1, true},  {0, 63, true}, {kErrorCode, 0, true}, {kBusyCode, 0, true}};
    for (const auto& c : cases) {
        networkStatus(c.result, c.state);
        EXPECT_EQ(busy.isBusy(), c.busy) << c.result << " state " << int(c.state);
    }
}

TEST_F(BusyWaitTest, NetworkBusyClassDecidesByTheState) {
    // A hidden failure repeats the previous values: a busy code with state 7
    // (preheating) or 62 (power saving) is not busy, with state 50 it is.
    link.network();
    for (auto [state, expected] :
         {std::pair{7, false}, std::pair{62, false}, std::pair{50, true}}) {
        link.state.status = {kBusyCode, state, 0, 0};
        link.settings.results.push("P_CheckReply", {-5});
        EXPECT_EQ(busy.isBusy(), expected) << state;
    }
}

TEST_F(BusyWaitTest, FreePrinterNeedsNoWindow) {
    link.usb();
    EXPECT_TRUE(busy.waitUntilFree());
    EXPECT_EQ(busy.waitState(), WaitState::Free);
    EXPECT_TRUE(timer1.enabled());
    EXPECT_EQ(link.loop.now(), 0);
}

TEST_F(BusyWaitTest, WaitEndsWhenThePrinterBecomesFree) {
    link.usb();
    link.commands.position = 0x00;  // busy now and on the first two ticks
    at(1200, [this] { link.commands.position = 0x04; });
    bool monitorOffMeanwhile = false;
    busy.form().form.observe([&](ui::Control&, ui::Property p) {
        if (p == ui::Property::Visible && busy.form().form.visible())
            monitorOffMeanwhile = !timer1.enabled();
    });
    EXPECT_TRUE(busy.waitUntilFree());
    EXPECT_TRUE(monitorOffMeanwhile);
    EXPECT_EQ(link.loop.now(), 1500);  // the first 500 ms tick after it became free
    EXPECT_EQ(busy.waitState(), WaitState::Free);
    EXPECT_FALSE(busy.form().form.visible());
    EXPECT_FALSE(busy.form().TimerWait.enabled());
    EXPECT_TRUE(timer1.enabled());
}

TEST_F(BusyWaitTest, CancelOrClosingTheWindowEndsTheWaitWithoutWriting) {
    link.usb();
    link.commands.position = 0x00;  // busy for good
    at(1200, [this] { busy.form().CancelButton.click(); });
    EXPECT_FALSE(busy.waitUntilFree());
    EXPECT_EQ(busy.waitState(), WaitState::Cancelled);
    EXPECT_EQ(link.loop.now(), 1200);
    EXPECT_FALSE(busy.form().form.visible());
    EXPECT_FALSE(busy.form().TimerWait.enabled());
    EXPECT_TRUE(timer1.enabled());

    at(700, [this] { busy.form().form.requestClose(); });
    EXPECT_FALSE(busy.waitUntilFree());
    EXPECT_EQ(busy.waitState(), WaitState::Cancelled);
    EXPECT_TRUE(timer1.enabled());
}

}  // namespace
}  // namespace orvan::link
