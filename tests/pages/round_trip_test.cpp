// Round trips against the simulated printer: what we read, change and write
// is what the printer ends up holding, on both paths.
#include <gtest/gtest.h>

#include "link/counters.h"
#include "link/net_requests.h"
#include "link/pages.h"
#include "simulator/sim_command_port.h"
#include "simulator/sim_settings_port.h"
#include "support/fake_ports.h"

namespace orvan::test {
namespace {

struct SimulatedLink {
    sim::SimulatedPrinters world = sim::defaultScenario();
    sim::SimCommandPort commands{world};
    sim::SimSettingsPort settings{world};
    link::LinkState state;
    ui::Timer timer2{"Timer2"};
    ui::VirtualClockLoop loop;
    link::Channel channel{state, commands, settings, loop, timer2};
    link::PrinterData data;
    link::Pages pages{channel, data};
    link::NetworkRequests net{channel, data};
    link::Counters counters{channel, data, net};

    void selectUsb() {
        state.printerCount = 2;
        state.selected.connection = link::Connection::Usb;
        state.selected.slot = world.usbPort(0).slot;
        state.selected.scsiId = world.usbPort(0).scsiId;
    }
    void selectNetwork() {
        state.printerCount = 2;
        state.selected.connection = link::Connection::Network;
        const auto ip = world.network(0).ipv4();
        state.selected.address = {};
        std::copy(ip.begin(), ip.end(), state.selected.address.begin());
    }
};

void setName(link::SettingsImage& image, const std::string& name) {
    image.NetworkSetting.Name = {};
    std::copy(name.begin(), name.end(), image.NetworkSetting.Name.begin());
}

TEST(RoundTrip, UsbPagesComeBackAsWritten) {
    SimulatedLink s;
    s.selectUsb();
    ASSERT_EQ(s.pages.sensePage(link::kNetworkPage), 0);
    EXPECT_EQ(link::networkName(s.data.image.NetworkSetting), s.world.usb(0).name());
    setName(s.data.image, "DESK7");
    ASSERT_EQ(s.pages.selectPage(link::kNetworkPage), 0);
    EXPECT_EQ(s.world.usb(0).name(), "DESK7");

    ASSERT_EQ(s.pages.sensePage(link::kPrintConditionPage), 0);
    const int ink = s.data.image.PrintCondition.Byte48;
    s.data.image.PrintCondition.Byte41 = 3;
    s.data.image.PrintCondition.Byte48 = ink + 1;  // a status value: never written
    ASSERT_EQ(s.pages.selectPage(link::kPrintConditionPage), 0);
    EXPECT_EQ(s.world.usb(0).pageByte(0x28, 41), 3);
    EXPECT_EQ(s.world.usb(0).pageByte(0x28, 48), ink);

    link::PrinterData fresh;
    link::Pages reader{s.channel, fresh};
    ASSERT_EQ(reader.sensePage(link::kPrintConditionPage), 0);
    EXPECT_EQ(fresh.image.PrintCondition.Byte41, 3);
}

// In an address a byte of 255 is a value; in a one-byte setting, or a byte
// that carries no field, it still leaves the printer's value alone.
TEST(RoundTrip, UsbAddressBytesOf255AreStoredAsWritten) {
    SimulatedLink s;
    s.selectUsb();
    ASSERT_EQ(s.pages.sensePage(link::kNetworkPage), 0);
    auto& nw = s.data.image.NetworkSetting;
    const std::uint8_t timeout = s.world.usb(0).pageByte(0x2D, 14);
    nw.Byte6 = 255, nw.Byte7 = 255, nw.Byte8 = 255, nw.Byte9 = 0;  // mask 255.255.255.0
    nw.Byte10 = 10, nw.Byte11 = 255, nw.Byte12 = 255, nw.Byte13 = 1;
    nw.Byte14 = 255;  // session time-out: "leave as it is"
    nw.Block47.fill(255);
    ASSERT_EQ(s.pages.selectPage(link::kNetworkPage), 0);

    const auto sent = s.world.lastCall("KQCMD_ModeSelect")->bytes;
    ASSERT_GE(sent.size(), 80u);
    EXPECT_EQ(Bytes(sent.begin() + 6, sent.begin() + 15),
              (Bytes{255, 255, 255, 0, 10, 255, 255, 1, 255}));
    EXPECT_EQ(sent[28], 255);
    for (std::size_t b = 63; b < 80; ++b) EXPECT_EQ(sent[b], 255) << "select byte " << b;

    link::PrinterData fresh;
    link::Pages reader{s.channel, fresh};
    ASSERT_EQ(reader.sensePage(link::kNetworkPage), 0);
    const auto& back = fresh.image.NetworkSetting;
    EXPECT_EQ((std::array<int, 8>{back.Byte6, back.Byte7, back.Byte8, back.Byte9, back.Byte10,
                                  back.Byte11, back.Byte12, back.Byte13}),
              (std::array<int, 8>{255, 255, 255, 0, 10, 255, 255, 1}));
    EXPECT_EQ(back.Byte14, timeout);
    link::AddressBytes all255;
    all255.fill(255);
    EXPECT_EQ(back.Block47, all255);
}

TEST(RoundTrip, UsbCountersClearAndReread) {
    SimulatedLink s;
    s.selectUsb();
    s.world.usb(0).setCounter(sim::Counter::Print, 1000);
    ASSERT_EQ(s.counters.senseLogPage(link::kPrinterLogPage), 0);
    EXPECT_EQ(s.data.image.Counters.Print, 1000);
    ASSERT_EQ(s.counters.clearCounters(), 0);
    ASSERT_EQ(s.counters.rereadCounters(), 0);
    EXPECT_EQ(s.data.image.Counters.Print, 0);
}

TEST(RoundTrip, NetworkSettingsComeBackAsWritten) {
    SimulatedLink s;
    s.selectNetwork();
    ASSERT_EQ(s.net.networkRead(), 0);
    EXPECT_EQ(link::networkName(s.data.image.NetworkSetting), "ORVAN02");
    EXPECT_EQ(s.data.image.MacAddress[5], 0x51);
    setName(s.data.image, "LOBBY");
    ASSERT_EQ(s.net.networkWrite(), 0);
    EXPECT_EQ(s.world.network(0).name(), "LOBBY");

    ASSERT_EQ(s.net.conditionRead(), 0);
    s.data.image.PrintCondition.Byte50 = 7;
    ASSERT_EQ(s.net.conditionWrite(), 0);
    EXPECT_EQ(s.world.network(0).pageByte(0x28, 50), 7);
    EXPECT_EQ(s.settings.openSessions(), 0u);
}

}  // namespace
}  // namespace orvan::test
