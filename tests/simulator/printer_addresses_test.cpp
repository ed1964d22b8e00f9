// Network printers added and removed at an address by the control command,
// the printer-side commands of the network screens (IPsec mode, effective
// IPv6 addresses, the printer list), and the report `orvan-sim show` prints.
#include <gtest/gtest.h>

#include <array>

#include "simulator/control_commands.h"
#include "simulator/printer_list_data.h"
#include "simulator/world_report.h"

namespace orvan::sim {
namespace {

bool run(SimulatedPrinters& world, std::string_view line) {
    const auto command = parseControlLine(line);
    return command && applyControl(*command, world);
}

std::uint32_t listedCount(SimulatedPrinters& world) {
    const Bytes list = buildPrinterListData(world);
    return list[4];
}

TEST(PrintersByAddress, AddedPrintersAnswerAtTheirAddressOnlyAndGoWhenRemoved) {
    SimulatedPrinters world = defaultScenario();
    EXPECT_TRUE(run(world, "net-add 192.168.0.77"));
    EXPECT_TRUE(run(world, "net-add 2001:db8::9 LAB-V6"));
    ASSERT_EQ(world.networkCount(), 3);
    const std::array<std::uint8_t, 4> v4 = {192, 168, 0, 77};
    EXPECT_EQ(world.findNetwork(false, v4), 1);
    EXPECT_EQ(world.network(1).name(), "ORVAN77");
    const Ipv6Block v6 = {0x20, 0x01, 0x0D, 0xB8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9};
    EXPECT_EQ(world.findNetwork(true, v6), 2);
    EXPECT_EQ(world.network(2).name(), "LAB-V6");
    EXPECT_EQ(world.network(2).effectiveIPv6()[1], v6);
    EXPECT_EQ(world.network(2).effectiveIPv6()[0][0], 0xFE);  // link-local first
    // Neither is in the printer list: they are reached by typing the address.
    EXPECT_EQ(listedCount(world), 1u);
    EXPECT_TRUE(run(world, "net 1 listed 1"));
    EXPECT_EQ(listedCount(world), 2u);

    // Adding at a known address brings that printer back instead of a second.
    EXPECT_TRUE(run(world, "net-remove 192.168.0.77"));
    EXPECT_FALSE(world.networkPort(1).attached);
    EXPECT_TRUE(run(world, "net-add 192.168.0.77 BACK"));
    EXPECT_EQ(world.networkCount(), 3);
    EXPECT_TRUE(world.networkPort(1).attached);
    EXPECT_EQ(world.network(1).name(), "BACK");

    for (const char* bad : {"net-add", "net-add 192.168.0", "net-add 1.2.3.4 ELEVENCHARS",
                            "net-add ::1", "net-remove 10.9.9.9", "net-add 1.2.3.4 A B"})
        EXPECT_FALSE(run(world, bad)) << bad;
}

TEST(PrintersByAddress, IpsecModeAndEffectiveAddressesAreSetPerPrinter) {
    SimulatedPrinters world = defaultScenario();
    EXPECT_TRUE(run(world, "usb 0 ipsec 2"));
    EXPECT_EQ(world.usb(0).ipsecMethod(), 2);
    EXPECT_TRUE(run(world, "net 0 ipv6 3 2001:db8::51"));
    EXPECT_EQ(world.network(0).effectiveIPv6()[2][15], 0x51);
    for (const char* bad :
         {"usb 0 ipsec 3", "net 0 ipv6 4 2001:db8::1", "net 0 ipv6 1 10.0.0.1", "net 0 listed 2"})
        EXPECT_FALSE(run(world, bad)) << bad;
}

TEST(PrintersByAddress, TheReportShowsTheNetworkPageIpsecAndTheClock) {
    SimulatedPrinters world = defaultScenario();
    const std::uint8_t clock[8] = {125, 0, 4, 14, 3, 7, 0, 0};
    ASSERT_EQ(world.usb(0).writeBuffer(0xA1, 0, clock), 0);
    world.usb(0).setIpsecMethod(1);
    const std::string usb = describePrinters(world, ReportedPrinters::Usb);
    EXPECT_NE(usb.find("usb 0  slot 0  SCSI id 0\n"), std::string::npos) << usb;
    EXPECT_NE(usb.find("name ORVAN01  IPv4 192.168.0.50 static"), std::string::npos) << usb;
    EXPECT_NE(usb.find("    00: 2D 4E C0 A8 00 32 FF FF FF 00 C0 A8 00 01 01 01\n"),
              std::string::npos)
        << usb;
    EXPECT_NE(usb.find("IPsec mode (buffer 0xA0): 01 00 00 00 (preshared key)"), std::string::npos);
    EXPECT_NE(usb.find("clock (buffer 0xA1): 7D 00 04 0E 03 07 00 00 (2025-01-05 14:03:07)"),
              std::string::npos);
    EXPECT_EQ(usb.find("net 0"), std::string::npos);

    const std::string net = describePrinters(world, ReportedPrinters::Network);
    EXPECT_NE(net.find("effective IPv6 FE80::4F:52FF:FE56:51 FD00::51 -"), std::string::npos)
        << net;
    EXPECT_NE(net.find("clock (buffer 0xA1): 00 00 00 00 00 00 00 00 (never set)"),
              std::string::npos);
    EXPECT_EQ(reportPath("/run/x.ctl", ReportedPrinters::Network), "/run/x.ctl.net");
}

TEST(PrintersByAddress, TheReportShowsTheKeyBuffersAsWrittenAndThePasswordByItsLengthOnly) {
    SimulatedPrinters world = defaultScenario();
    std::vector<std::uint8_t> key(18);
    for (std::size_t i = 0; i < key.size(); ++i) key[i] = static_cast<std::uint8_t>(0xE0 + i);
    ASSERT_EQ(world.usb(0).writeBuffer(0x80, 0, key), 0);
    const std::uint8_t password[] = {'s', 'e', 'c', 'r', 'e', 't', 0};
    ASSERT_EQ(world.usb(0).writeBuffer(0x83, 0, password), 0);
    const std::string usb = describePrinters(world, ReportedPrinters::Usb);
    EXPECT_NE(usb.find("  buffer 0x80 (preshared key): 18 bytes\n"
                       "    0000: E0 E1 E2 E3 E4 E5 E6 E7 E8 E9 EA EB EC ED EE EF\n"
                       "    0010: F0 F1\n"
                       "  buffer 0x81 (public key): never written\n"),
              std::string::npos)
        << usb;
    EXPECT_NE(usb.find("  buffer 0x83 (certificate password): 7 bytes (not shown)\n"),
              std::string::npos);
    EXPECT_EQ(usb.find("73 65 63"), std::string::npos);
    // A key or certificate of 8193 bytes and its framing fit; one byte more does not.
    EXPECT_EQ(world.usb(0).writeBuffer(0x84, 0, std::vector<std::uint8_t>(8195)), 0);
    EXPECT_NE(world.usb(0).writeBuffer(0x84, 0, std::vector<std::uint8_t>(8196)), 0);
}

}  // namespace
}  // namespace orvan::sim
