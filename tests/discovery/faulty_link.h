#pragma once
// The shared fake libraries, with a few entry points that can fail the way a
// library that cannot be loaded or called does: by throwing.
#include <string>

#include "support/fake_ports.h"

namespace orvan::test {

struct Fault {
    std::string entry;     // the entry point that throws
    bool missing = false;  // PortLibraryMissing, else PortLibraryFailure
    void check(const std::string& name) const {
        if (name != entry) return;
        if (missing) throw link::PortLibraryMissing(name);
        throw link::PortLibraryFailure(name);
    }
};

struct FaultyCommands : FakeCommandLibrary {
    Fault fault;
    std::int32_t KQCMD_ScanPrinter(std::int32_t* slot, std::int32_t* scsiId) override {
        fault.check("KQCMD_ScanPrinter");
        return FakeCommandLibrary::KQCMD_ScanPrinter(slot, scsiId);
    }
    std::int32_t KQCMD_GetPrinterStatus(std::int32_t slot, std::int32_t scsiId, std::int32_t* pr,
                                        std::int32_t* ps, std::int32_t* lr,
                                        std::int32_t* ls) override {
        fault.check("KQCMD_GetPrinterStatus");
        return FakeCommandLibrary::KQCMD_GetPrinterStatus(slot, scsiId, pr, ps, lr, ls);
    }
    std::int32_t KQCMD_ReadPosition(std::int32_t slot, std::int32_t scsiId,
                                    std::uint8_t* buffer) override {
        fault.check("KQCMD_ReadPosition");
        return FakeCommandLibrary::KQCMD_ReadPosition(slot, scsiId, buffer);
    }
};

struct FaultySettings : FakeSettingsLibrary {
    Fault fault;
    bool negativeListSize = false;  // the shared fake cannot claim one
    std::int32_t U_GetPrinterListSize(LNK_PRINTER_LIST* list, std::int32_t* size) override {
        const std::int32_t r = FakeSettingsLibrary::U_GetPrinterListSize(list, size);
        if (negativeListSize) *size = -5;
        return r;
    }
    std::int32_t P_CheckReply(std::int32_t connection, std::int32_t* statusWord,
                              std::int32_t* sequence, LNK_REPLY_HEADER* header, std::uint8_t* reply,
                              std::int32_t* replyLength, std::int32_t timeout) override {
        fault.check("P_CheckReply");
        return FakeSettingsLibrary::P_CheckReply(connection, statusWord, sequence, header, reply,
                                                 replyLength, timeout);
    }
    std::int32_t P_RefreshPrinterList(std::int16_t ipv6, LNK_PRINTER_LIST* list,
                                      std::int32_t* statusWord, std::int32_t timeoutMs) override {
        fault.check("P_RefreshPrinterList");
        return FakeSettingsLibrary::P_RefreshPrinterList(ipv6, list, statusWord, timeoutMs);
    }
    std::int32_t U_GetPrinterListData(LNK_PRINTER_LIST* list, std::uint8_t* data,
                                      std::int32_t size) override {
        fault.check("U_GetPrinterListData");
        return FakeSettingsLibrary::U_GetPrinterListData(list, data, size);
    }
};

// A channel over the faulty fakes on a virtual clock; the timer is declared
// before the loop so that the loop lets go of it first.
struct FaultyLink {
    link::LinkState state;
    FaultyCommands commands;
    FaultySettings settings;
    ui::Timer timer2{"Timer2"};
    ui::VirtualClockLoop loop;
    link::Channel channel{state, commands, settings, loop, timer2};

    void usb() {
        state.printerCount = 1;
        state.selected.connection = link::Connection::Usb;
    }
    void network() {
        state.printerCount = 1;
        state.selected.connection = link::Connection::Network;
        state.selected.address = {192, 168, 0, 50};
    }
};

}  // namespace orvan::test
