// Fault injection and the life of simulated USB printers: scripted results,
// removal and re-attachment, busy periods, errors and the security lock.
#include <gtest/gtest.h>

#include <array>

#include "simulator/sim_command_port.h"

namespace orvan::sim {
namespace {

class UsbFaults : public ::testing::Test {
  protected:
    UsbStatus status(std::int32_t slot = 0, std::int32_t scsiId = 0) {
        UsbStatus s;
        EXPECT_NE(port.KQCMD_GetPrinterStatus(slot, scsiId, &s.printerResult, &s.printerState,
                                              &s.laminatorResult, &s.laminatorState),
                  0);
        return s;
    }
    std::uint8_t position() {
        std::array<std::uint8_t, 256> buffer{};
        EXPECT_EQ(port.KQCMD_ReadPosition(0, 0, buffer.data()), 0);
        return buffer[0];
    }

    SimulatedPrinters world = defaultScenario();
    SimCommandPort port{world};
};

TEST_F(UsbFaults, ScriptedResultAnswersTheNextNCallsOnly) {
    world.scriptResult("KQCMD_ModeSense", 1, 2);
    world.scriptResult("KQCMD_ModeSense", -0x0102D000, 1);
    std::array<std::uint8_t, 256> reply{};
    EXPECT_EQ(port.KQCMD_ModeSense(0, 0, 1, 0x28, reply.data()), 1);
    EXPECT_EQ(port.KQCMD_ModeSense(0, 0, 1, 0x28, reply.data()), 1);
    EXPECT_EQ(reply[4], 0) << "a scripted call delivers nothing";
    EXPECT_EQ(port.KQCMD_ModeSense(0, 0, 1, 0x28, reply.data()), -0x0102D000);
    EXPECT_EQ(port.KQCMD_ModeSense(0, 0, 1, 0x28, reply.data()), 0);
    EXPECT_EQ(reply[4], 0x28);
    EXPECT_EQ(world.countCalls("KQCMD_ModeSense"), 4);
}

TEST_F(UsbFaults, ScriptedSelectChangesNothing) {
    world.scriptResult("KQCMD_ModeSelect", 1);
    std::array<std::uint8_t, 256> req{};
    req.fill(0xFF);
    req[0] = 0x2A;
    req[1] = 8;
    req[7] = 0;
    EXPECT_EQ(port.KQCMD_ModeSelect(0, 0, 1, 0x2A, req.data()), 1);
    EXPECT_EQ(world.usb(0).pageByte(0x2A, 7), 2);
    EXPECT_EQ(port.KQCMD_ModeSelect(0, 0, 1, 0x2A, req.data()), 0);
    EXPECT_EQ(world.usb(0).pageByte(0x2A, 7), 0);
}

TEST_F(UsbFaults, RemovedPrinterIsLostUntilReattached) {
    world.addUsbPrinter();  // scsiId 1
    world.usb(0).setInk(12);
    world.setUsbAttached(0, false);
    EXPECT_EQ(port.KQCMD_TestUnitReady(0, 0), -0x02010005);
    EXPECT_EQ(status().printerResult, -0x02010005);
    std::int32_t slot = -1, id = -1;
    ASSERT_EQ(port.KQCMD_ScanPrinter(&slot, &id), 0);
    EXPECT_EQ(id, 1) << "a removed printer is not scanned";
    EXPECT_EQ(port.KQCMD_ScanPrinterNext(&slot, &id), kNoPrinter);

    world.setUsbAttached(0, true);
    EXPECT_EQ(port.KQCMD_TestUnitReady(0, 0), 0);
    ASSERT_EQ(port.KQCMD_ScanPrinter(&slot, &id), 0);
    EXPECT_EQ(id, 0);
    EXPECT_EQ(world.usb(0).pageByte(0x28, kInkLevelByte), 12) << "settings survive removal";
}

TEST_F(UsbFaults, ScanFollowsOrderAndStopsAtSixteen) {
    for (int i = 1; i < 20; ++i) world.addUsbPrinter();
    EXPECT_EQ(world.usbCount(), 16);
    std::int32_t slot = 0, id = 0;
    int found = port.KQCMD_ScanPrinter(&slot, &id) == 0 ? 1 : 0;
    while (port.KQCMD_ScanPrinterNext(&slot, &id) == 0) {
        EXPECT_EQ(id, found);
        ++found;
    }
    EXPECT_EQ(found, 16);
    EXPECT_EQ(port.KQCMD_TestUnitReady(0, 99), kNoPrinter);
}

TEST_F(UsbFaults, BusyPeriodLastsForTheGivenQueries) {
    EXPECT_EQ(position(), 0x04);
    world.usb(0).setBusyFor(2);
    EXPECT_EQ(position(), 0x00);
    EXPECT_EQ(status().printerState, kPrintingState);
    EXPECT_EQ(position(), 0x04);
    EXPECT_EQ(status().printerState, 0);
    // A working state keeps the printer busy; standby states do not.
    world.usb(0).setPrinterState(57);
    EXPECT_EQ(position(), 0x00);
    world.usb(0).setPrinterState(62);
    EXPECT_EQ(position(), 0x04);
    world.usb(0).setPrinterError(-0x0102DD00);
    std::array<std::uint8_t, 256> buffer{};
    EXPECT_EQ(port.KQCMD_ReadPosition(0, 0, buffer.data()), -0x0102DD00);
}

TEST_F(UsbFaults, StatusCarriesErrorsAndTheBareLaminatorByte) {
    world.usb(0).setPrinterError(-0x0102D000);
    world.usb(0).setPrinterState(3);
    world.usb(0).setLaminatorState(18);
    auto s = status();
    EXPECT_EQ(s.printerResult, -0x0102D000);
    EXPECT_EQ(s.printerState, 3);
    EXPECT_EQ(s.laminatorResult, 0);
    EXPECT_EQ(s.laminatorState, 18);
    EXPECT_EQ(port.KQCMD_TestUnitReady(0, 0), -0x0102D000);

    world.usb(0).setLaminatorError(0x5A);
    s = status();
    EXPECT_EQ(s.laminatorResult, 0x5A);
    EXPECT_EQ(s.laminatorState, kLaminatorErrorState);

    world.usb(0).setOption(47, 0);
    s = status();
    EXPECT_EQ(s.laminatorResult, 0);
    EXPECT_EQ(s.laminatorState, 0);

    world.scriptResult("KQCMD_GetPrinterStatus", 0, 3);
    std::int32_t v[4] = {7, 7, 7, 7};
    EXPECT_EQ(port.KQCMD_GetPrinterStatus(0, 0, &v[0], &v[1], &v[2], &v[3]), 0);
    EXPECT_EQ(v[0], 7) << "a 'try again' answer leaves the values alone";
}

TEST_F(UsbFaults, SecurityLockNeedsTheRightPassword) {
    std::uint8_t pw[8] = {'a', 'b', 'c'};
    std::uint8_t wrong[8] = {'a', 'b', 'C'};
    EXPECT_EQ(port.KQCMD_SecurityLock(0, 0, 0x23, nullptr, 0), kKeyNotSet);
    EXPECT_EQ(port.KQCMD_SecurityLock(0, 0, 0x20, pw, 3), 0);
    EXPECT_EQ(port.KQCMD_SecurityLock(0, 0, 0x20, pw, 3), kKeyAlreadySet);
    EXPECT_EQ(port.KQCMD_SecurityLock(0, 0, 0x23, nullptr, 0), 0);
    EXPECT_EQ(world.usb(0).pageByte(0x28, kLockStateByte), 1);
    EXPECT_EQ(port.KQCMD_SecurityLock(0, 0, 0x22, wrong, 3), kKeyMismatch);
    EXPECT_TRUE(world.usb(0).locked());
    EXPECT_EQ(port.KQCMD_SecurityLock(0, 0, 0x22, pw, 3), 0);
    EXPECT_FALSE(world.usb(0).locked());
    EXPECT_EQ(port.KQCMD_SecurityLock(0, 0, 0x22, pw, 9), kInvalidArgument);
    EXPECT_EQ(port.KQCMD_SecurityLock(0, 0, 0x21, pw, 3), 0);
    EXPECT_FALSE(world.usb(0).hasPassword());
    world.usb(0).setOption(46, 0);
    EXPECT_EQ(port.KQCMD_SecurityLock(0, 0, 0x20, pw, 3), kOptionMissing);
}

TEST_F(UsbFaults, MaintenanceCommandsCheckTheirArguments) {
    EXPECT_EQ(port.KQCMD_SendDiagnostic(0, 0, 1, 0x17, 1), 0);
    EXPECT_EQ(world.usb(0).counter(Counter::Print), 1235u);
    EXPECT_EQ(port.KQCMD_SendDiagnostic(0, 0, 1, 5, 1), kInvalidCommandField);
    EXPECT_EQ(port.KQCMD_UpdateFirmware(0, 0, nullptr, 0), kInvalidArgument);
    const std::uint8_t missing[] = {'/', 0, 'n', 0, 'o', 0, 0, 0};
    EXPECT_EQ(port.KQCMD_UpdateFirmware(0, 0, missing, 0), kFileUnreadable);
    EXPECT_EQ(world.lastCall("KQCMD_UpdateFirmware")->bytes, (Bytes{'/', 'n', 'o'}));
}

}  // namespace
}  // namespace orvan::sim
