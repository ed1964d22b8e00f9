// One simulated world for every process: what one process's calls change the
// next process sees, control lines count once, and a state file that is not
// a whole state of ours means the default printers. Each SharedWorld here
// stands for one process loading the stand-in libraries.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/file.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <vector>

#include "simulator/control_journal.h"
#include "simulator/shared_world.h"
#include "simulator/sim_command_port.h"
#include "simulator/world_codec.h"

namespace orvan::sim {
namespace {

using Page = std::vector<std::uint8_t>;

// The magnetic-stripe page 0x2A out of the box, behind the 4-byte sense header.
const Page kDefaultMagneticSense = {13, 0, 0, 0, 0x2A, 0x08, 0x01, 0, 0, 0, 0, 0x02, 0, 0};
// A select of it: 255 leaves a byte as it is.
const std::array<std::uint8_t, 10> kMagneticSelect = {0x2A, 0x08, 0x03, 0xFF, 0x05,
                                                      0xFF, 0xFF, 0xFF, 0xFF, 0x09};
const Page kSelectedMagneticSense = {13, 0, 0, 0, 0x2A, 0x08, 0x03, 0, 0x05, 0, 0, 0x02, 0, 0x09};

// What one process holds: its world and the command library over it.
struct Process {
    explicit Process(const std::string& control,
                     std::chrono::milliseconds lockWait = SharedWorld::kDefaultLockWait)
        : shared(control, lockWait) {}

    std::int32_t call(const std::function<std::int32_t(SimCommandPort&)>& act) {
        return shared.run([&](SimulatedPrinters&) { return act(port); });
    }
    Page magneticPage() {
        std::array<std::uint8_t, LNK_PAGE_BUFFER_SIZE> reply{};
        EXPECT_EQ(call([&](auto& p) { return p.KQCMD_ModeSense(0, 0, 1, 0x2A, reply.data()); }), 0);
        return Page(reply.begin(), reply.begin() + 14);
    }
    UsbStatus status() {
        UsbStatus s;
        call([&](auto& p) {
            return p.KQCMD_GetPrinterStatus(0, 0, &s.printerResult, &s.printerState,
                                            &s.laminatorResult, &s.laminatorState);
        });
        return s;
    }

    SharedWorld shared;
    SimCommandPort port{shared.printers()};
};

class SharedWorldTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char name[] = "/tmp/orvan-shared-world-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        dir = name;
        control = dir + "/sim.ctl";
        state = SharedWorld::statePath(control);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    void sim(const char* line) { ASSERT_TRUE(appendControlLine(control, line)); }
    std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Whole, as a writer of the state file does it.
    void write(const std::string& path, const std::string& bytes) {
        std::ofstream(path + ".new", std::ios::binary | std::ios::trunc) << bytes;
        std::filesystem::rename(path + ".new", path);
    }

    std::string dir, control, state;
};

TEST_F(SharedWorldTest, WhatOneProcessWritesTheNextReads) {
    Process earlier(control);
    EXPECT_EQ(earlier.magneticPage(), kDefaultMagneticSense);
    {
        Process writer(control);
        EXPECT_EQ(writer.call([](auto& p) {
            return p.KQCMD_ModeSelect(0, 0, 1, 0x2A, kMagneticSelect.data());
        }),
                  0);
        const std::uint8_t clock[8] = {125, 0, 4, 14, 3, 7, 0, 0};
        EXPECT_EQ(
            writer.call([&](auto& p) { return p.KQCMD_WriteBuffer(0, 0, 2, 0xA1, clock, 0, 8); }),
            0);
        sim("usb 0 error -0x0102D000");
        EXPECT_EQ(writer.status().printerResult, -0x0102D000);
    }
    // A process started afterwards, and one that ran all along.
    Process later(control);
    for (Process* reader : {&later, &earlier}) {
        EXPECT_EQ(reader->magneticPage(), kSelectedMagneticSense);
        std::array<std::uint8_t, 8> clock{};
        EXPECT_EQ(reader->call([&](auto& p) {
            return p.KQCMD_ReadBuffer(0, 0, 2, 0xA1, clock.data(), 0, 8);
        }),
                  0);
        EXPECT_EQ(clock, (std::array<std::uint8_t, 8>{125, 0, 4, 14, 3, 7, 0, 0}));
        EXPECT_EQ(reader->status().printerResult, -0x0102D000);
    }
    // Gone and back again, as every process sees it.
    sim("usb 0 remove");
    EXPECT_EQ(later.call([](auto& p) { return p.KQCMD_TestUnitReady(0, 0); }), kPortLost);
    EXPECT_EQ(earlier.call([](auto& p) { return p.KQCMD_TestUnitReady(0, 0); }), kPortLost);

    sim("reset");
    EXPECT_EQ(earlier.magneticPage(), kDefaultMagneticSense);
    EXPECT_EQ(Process(control).status().printerResult, 0);
    EXPECT_EQ(later.call([](auto& p) { return p.KQCMD_TestUnitReady(0, 0); }), 0);
}

TEST_F(SharedWorldTest, ControlLinesCountOnceAcrossProcesses) {
    struct Case {
        const char* line;
        std::function<std::int32_t(Process&)> probe;
        std::int32_t first;   // what the first process to call finds
        std::int32_t second;  // and the other, after it
    };
    auto state = [](Process& p) { return p.status().printerState; };
    auto ready = [](Process& p) {
        return p.call([](auto& port) { return port.KQCMD_TestUnitReady(0, 0); });
    };
    const Case cases[] = {
        {"usb 0 busy 1", state, kPrintingState, 0},
        {"fail KQCMD_TestUnitReady 1 1", ready, 1, 0},
        {"fail KQCMD_TestUnitReady 7 2", ready, 7, 7},
    };
    Process a(control);
    Process b(control);
    for (const Case& c : cases) {
        sim(c.line);
        EXPECT_EQ(c.probe(a), c.first) << c.line;
        EXPECT_EQ(c.probe(b), c.second) << c.line;
        EXPECT_EQ(c.probe(a), 0) << c.line << ": used up";
    }
    EXPECT_EQ(a.shared.journal().position(), b.shared.journal().position());
    EXPECT_EQ(Process(control).shared.journal().position().offset, 0u)
        << "a process picks the place up on its first call";
}

TEST_F(SharedWorldTest, StateFileThatIsNotAWholeStateOfOursMeansTheDefaults) {
    struct Case {
        const char* what;
        std::function<void(const std::string& valid)> damage;
    };
    const Case cases[] = {
        {"garbage", [&](const std::string&) { write(state, "not a state\n"); }},
        {"empty", [&](const std::string&) { write(state, ""); }},
        {"cut short", [&](const std::string& v) { write(state, v.substr(0, v.size() / 2)); }},
        {"a byte more", [&](const std::string& v) { write(state, v + '\0'); }},
        {"a count past its limit",
         [&](const std::string& v) {
             // The number of USB printers follows the journal position.
             std::string bad = v;
             const std::size_t usbCount = 16 + 24 + 4 + 1;
             bad.replace(usbCount, 4, std::string("\x11\0\0\0", 4));
             write(state, bad);
         }},
        {"oversized",
         [&](const std::string& v) {
             write(state, v + std::string(WorldCodec::kMaxEncodedSize, '\0'));
         }},
        {"a link",
         [&](const std::string& v) {
             write(dir + "/elsewhere", v);
             std::filesystem::remove(state);
             std::filesystem::create_symlink(dir + "/elsewhere", state);
         }},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(state);
        std::filesystem::remove(control);
        {
            Process writer(control);
            writer.call(
                [](auto& p) { return p.KQCMD_ModeSelect(0, 0, 1, 0x2A, kMagneticSelect.data()); });
        }
        const std::string valid = read(state);
        ASSERT_GT(valid.size(), 100u) << c.what;
        Process before(control);
        EXPECT_EQ(before.magneticPage(), kSelectedMagneticSense) << c.what;

        c.damage(valid);
        EXPECT_EQ(before.magneticPage(), kDefaultMagneticSense) << c.what;
        EXPECT_EQ(Process(control).magneticPage(), kDefaultMagneticSense) << c.what;
        EXPECT_FALSE(std::filesystem::is_symlink(state)) << c.what << ": replaced, not followed";
        EXPECT_LT(std::filesystem::file_size(state), valid.size() + 64) << c.what;
    }
    const std::string target = read(dir + "/elsewhere");
    auto linked = WorldCodec::decode(Bytes(target.begin(), target.end()));
    ASSERT_TRUE(linked.has_value()) << "the link's target is left as it was";
    EXPECT_EQ(linked->printers.usb(0).pageByte(0x2A, 9), 0x09);
}

TEST_F(SharedWorldTest, LockHeldTooLongLeavesTheWorldAsItWasSaved) {
    Process a(control, std::chrono::milliseconds(0));
    EXPECT_EQ(a.status().printerResult, 0);
    const std::string saved = read(state);

    const int held = ::open(SharedWorld::lockPath(control).c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    sim("usb 0 error -0x0102D000");
    a.call([](auto& p) { return p.KQCMD_ModeSelect(0, 0, 1, 0x2A, kMagneticSelect.data()); });
    EXPECT_EQ(a.status().printerResult, 0) << "the control lines wait for the lock";
    EXPECT_EQ(read(state), saved) << "nothing saved without the lock";
    ::close(held);

    EXPECT_EQ(a.status().printerResult, -0x0102D000);
    EXPECT_EQ(a.magneticPage(), kDefaultMagneticSense) << "read again from the file";
}

TEST_F(SharedWorldTest, EverythingAPrinterKeepsSurvivesTheFile) {
    SimulatedPrinters world = defaultScenario();
    SimPrinter& usb = world.usb(0);
    usb.setPrinterError(-0x0142B200);
    usb.setPrinterState(18);
    usb.setLaminatorError(0x5A);
    usb.setLaminatorState(3);
    usb.setBusyFor(4);
    usb.addJob({"alice", "report.doc"});
    usb.setPassword("secret");
    usb.setCounter(Counter::Cleaning, 77);
    usb.setDownloadMode(true);
    usb.setMaintenanceBusyFor(2);
    usb.setOption(44, 0);
    ASSERT_EQ(usb.modeSelect(0x2A, kMagneticSelect), 0);
    const std::uint8_t key[3] = {1, 2, 3};
    ASSERT_EQ(usb.writeBuffer(0x83, 0, key), 0);
    usb.printCards(3);
    world.setUsbAttached(0, false);
    world.networkPort(0).listed = false;
    world.network(0).setEffectiveIPv6(2, {0x20, 0x01, 0x0D, 0xB8});
    world.scriptResult("KQCMD_ModeSelect", 1, 3, 9);
    world.scriptSequenceMismatch(2);
    world.guidance() = {false, 5};
    world.setNetworkLatencyMs(20);
    const JournalPosition journal{123, 4, 5, "usb 0 st", false};

    const Bytes bytes = WorldCodec::encode(world, journal, 41);
    auto back = WorldCodec::decode(bytes);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(WorldCodec::encode(back->printers, back->journal, back->generation), bytes);
    EXPECT_EQ(back->generation, 41u);
    EXPECT_EQ(back->journal, journal);
    SimulatedPrinters& w = back->printers;
    const SimPrinter& p = w.usb(0);
    EXPECT_EQ(p.printerError(), -0x0142B200);
    EXPECT_EQ(p.busyQueriesLeft(), 4);
    ASSERT_EQ(p.jobs().size(), 1u);
    EXPECT_EQ(p.jobs()[0].document, "report.doc");
    EXPECT_TRUE(p.hasPassword());
    EXPECT_EQ(p.counter(Counter::Print), 1237u);
    EXPECT_EQ(p.option(44), 0);
    EXPECT_EQ(p.pageByte(0x2A, 9), 0x09);
    ASSERT_NE(p.lastBufferWrite(0x83), nullptr);
    EXPECT_EQ(*p.lastBufferWrite(0x83), (Bytes{1, 2, 3}));
    EXPECT_FALSE(w.usbPort(0).attached);
    EXPECT_FALSE(w.networkPort(0).listed);
    EXPECT_EQ(w.network(0).effectiveIPv6()[2][1], 0x01);
    EXPECT_EQ(w.takeScriptedResult("KQCMD_ModeSelect")->statusWord, 9);
    EXPECT_TRUE(w.takeSequenceMismatch());
    EXPECT_EQ(w.guidance(), (GuidanceSetting{false, 5}));
    EXPECT_EQ(w.networkLatencyMs(), 20);
}

TEST(CallLog, KeepsNoMoreThanItsLimit) {
    struct Case {
        std::size_t limit;
        int calls;
        std::size_t kept;
    };
    const Case cases[] = {{0, 10, 0}, {1, 10, 1}, {4, 10, 4}, {4, 9, 3}, {100000, 500, 500}};
    for (const Case& c : cases) {
        SimulatedPrinters world;
        world.setCallLogLimit(c.limit);
        for (int k = 1; k <= c.calls; ++k) world.record({"KQCMD_TestUnitReady", {k}, {}});
        EXPECT_EQ(world.calls().size(), c.kept) << c.limit;
        EXPECT_EQ(world.recordedCalls(), static_cast<std::uint64_t>(c.calls));
        if (c.kept > 0) {
            EXPECT_EQ(world.calls().back().args, (std::vector<std::int64_t>{c.calls}));
        }
    }
}

}  // namespace
}  // namespace orvan::sim
