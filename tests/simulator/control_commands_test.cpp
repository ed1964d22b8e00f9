// Outside control lines: what each command changes, that bad lines change
// nothing, and how the control file is followed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "simulator/control_commands.h"
#include "simulator/control_journal.h"

namespace orvan::sim {
namespace {

bool run(SimulatedPrinters& world, std::string_view line) {
    const auto command = parseControlLine(line);
    return command && applyControl(*command, world);
}

TEST(ControlCommands, PrinterCommandsChangeWhatThePrinterReports) {
    SimulatedPrinters world = defaultScenario();
    EXPECT_TRUE(run(world, "usb 0 error -0x0102D000"));
    EXPECT_TRUE(run(world, "usb 0 state 50"));
    EXPECT_TRUE(run(world, "usb 0 laminator-state 18"));
    EXPECT_TRUE(run(world, "usb 0 laminator-error 0x5A"));
    EXPECT_TRUE(run(world, "net 0 ink 25"));
    EXPECT_TRUE(run(world, "net 0 film 5"));
    EXPECT_TRUE(run(world, "net 0 cards 2"));
    EXPECT_TRUE(run(world, "usb 0 counter print 1234"));
    EXPECT_TRUE(run(world, "usb 0 counter head 4000000000"));
    EXPECT_TRUE(run(world, "usb 0 job \"alice smith\" \"report \\\"q\\\".doc\""));
    const SimPrinter& usb = world.usb(0);
    EXPECT_EQ(usb.printerError(), -0x0102D000);
    EXPECT_EQ(usb.printerState(), 50);
    EXPECT_EQ(usb.laminatorState(), 18);
    EXPECT_EQ(usb.laminatorError(), 0x5A);
    EXPECT_EQ(usb.counter(Counter::Print), 1234u);
    EXPECT_EQ(usb.counter(Counter::ThermalHead), 4000000000u);
    ASSERT_EQ(usb.jobs().size(), 1u);
    EXPECT_EQ(usb.jobs()[0].owner, "alice smith");
    EXPECT_EQ(usb.jobs()[0].document, "report \"q\".doc");
    EXPECT_EQ(world.network(0).pageByte(0x28, kInkLevelByte), 25);
    EXPECT_EQ(world.network(0).pageByte(0x28, kFilmLevelByte), 5);
    EXPECT_EQ(world.network(0).pageByte(0x28, kCardCodeByte), 2);

    EXPECT_TRUE(run(world, "usb 0 remove"));
    EXPECT_FALSE(world.usbPort(0).attached);
    EXPECT_TRUE(run(world, "usb 0 attach"));
    EXPECT_TRUE(run(world, "usb 0 jobs-clear"));
    EXPECT_TRUE(world.usb(0).jobs().empty());
    EXPECT_TRUE(run(world, "reset"));
    EXPECT_EQ(world.usb(0).printerError(), 0);
}

TEST(ControlCommands, UnitsPageBytesAndVersionsAreSetByName) {
    SimulatedPrinters world = defaultScenario();
    EXPECT_TRUE(run(world, "usb 0 option turnover 0"));
    EXPECT_TRUE(run(world, "usb 0 option magnetic 2"));
    EXPECT_TRUE(run(world, "net 0 option laminator 0"));
    EXPECT_TRUE(run(world, "usb 0 page 0x28 58 255"));
    EXPECT_TRUE(run(world, "usb 0 page 0x2A 7 3"));
    EXPECT_TRUE(run(world, "usb 0 version table T9.99"));
    EXPECT_EQ(world.usb(0).option(44), 0);
    EXPECT_EQ(world.usb(0).option(40), 2);
    EXPECT_EQ(world.network(0).option(47), 0);
    EXPECT_EQ(world.usb(0).pageByte(0x28, 58), 255);
    EXPECT_EQ(world.usb(0).pageByte(0x2A, 7), 3);
    EXPECT_EQ(world.usb(0).inquiryText(kTableVersionAt), "T9.99");

    // Unknown units, pages the printer lacks, bytes past a page, the code and
    // length bytes, and texts longer than the field change nothing.
    for (const char* bad : {"usb 0 option wheels 1", "usb 0 option turnover 256",
                            "usb 0 page 0x24 5 1", "usb 0 page 0x2A 10 1", "usb 0 page 0x28 1 9",
                            "usb 0 version table T9.99.999", "usb 0 version bios 1"})
        EXPECT_FALSE(run(world, bad)) << bad;
}

TEST(ControlCommands, RibbonCassetteAndPasswordAreSetByName) {
    SimulatedPrinters world = defaultScenario();
    EXPECT_TRUE(run(world, "usb 0 ribbon 254"));
    EXPECT_TRUE(run(world, "usb 0 ink-sets 0x1234"));
    EXPECT_TRUE(run(world, "usb 0 lot AB12"));
    EXPECT_TRUE(run(world, "net 0 cassette 1"));
    EXPECT_TRUE(run(world, "usb 0 password \"pass wd\""));
    const SimPrinter& usb = world.usb(0);
    EXPECT_EQ(usb.pageByte(0x23, 2), 254);
    EXPECT_EQ(usb.pageByte(0x23, 4), 0x12);
    EXPECT_EQ(usb.pageByte(0x23, 5), 0x34);
    EXPECT_EQ(usb.pageText(0x23, 8, 6), "AB12");
    EXPECT_EQ(usb.pageByte(0x23, 12), 0);  // a shorter lot leaves no tail of the old one
    EXPECT_EQ(world.network(0).pageByte(0x2C, 7), 1);

    // The lock unit now knows that password, and only that one.
    const std::string_view right = "pass wd", wrong = "passwd";
    const auto span = [](std::string_view t) {
        return std::span(reinterpret_cast<const std::uint8_t*>(t.data()), t.size());
    };
    world.usb(0).setLocked(true);
    EXPECT_EQ(world.usb(0).securityLock(0x22, span(wrong)), kKeyMismatch);
    EXPECT_TRUE(world.usb(0).locked());
    EXPECT_EQ(world.usb(0).securityLock(0x22, span(right)), 0);
    EXPECT_FALSE(world.usb(0).locked());
    EXPECT_TRUE(run(world, "usb 0 password \"\""));
    EXPECT_FALSE(world.usb(0).hasPassword());

    for (const char* bad : {"usb 0 lot ABCDEFG", "usb 0 ink-sets 65536", "usb 0 cassette 256",
                            "usb 0 password 123456789", "usb 0 ribbon", "usb 0 lot a b"})
        EXPECT_FALSE(run(world, bad)) << bad;
    EXPECT_EQ(world.usb(0).pageText(0x23, 8, 6), "AB12");
}

TEST(ControlCommands, WorldCommandsScriptFaults) {
    SimulatedPrinters world = defaultScenario();
    EXPECT_TRUE(run(world, "fail KQCMD_ModeSelect 1 2"));
    EXPECT_TRUE(run(world, "fail P_FlushStatusReq -2 1 10060"));
    EXPECT_EQ(world.takeScriptedResult("KQCMD_ModeSelect")->code, 1);
    EXPECT_EQ(world.takeScriptedResult("KQCMD_ModeSelect")->code, 1);
    EXPECT_FALSE(world.takeScriptedResult("KQCMD_ModeSelect"));
    EXPECT_EQ(world.takeScriptedResult("P_FlushStatusReq")->statusWord, 10060);
    EXPECT_TRUE(run(world, "mismatch 1"));
    EXPECT_TRUE(world.takeSequenceMismatch());
}

TEST(ControlCommands, PrintRaisesTheCountersAndWearsInkAndFilmByTheRibbon) {
    // Out of the box: total 15230, print 1234, head 8800; ink 40 of 50, film
    // 8 of 10, ribbon 0 (YMCK: 5 cards an ink step); film 100 cards a step.
    struct Case {
        std::vector<const char*> lines;
        std::uint32_t total, print, head;
        int ink, film;
    };
    const Case cases[] = {
        {{"usb 0 print 1"}, 15231, 1235, 8801, 40, 8},
        {{"usb 0 print 5"}, 15235, 1239, 8805, 39, 8},
        {{"usb 0 print 12", "usb 0 print 3"}, 15245, 1249, 8815, 37, 8},
        {{"usb 0 ribbon 3", "usb 0 print 100"}, 15330, 1334, 8900, 35, 7},
        {{"usb 0 ribbon 2", "usb 0 print 99", "usb 0 print 1"}, 15330, 1334, 8900, 15, 7},
        {{"usb 0 ribbon 254", "usb 0 print 100000"}, 115230, 101234, 108800, 0, 0},
        {{"usb 0 counter total 4294967290", "usb 0 print 10"}, 4294967295u, 1244, 8810, 38, 8},
    };
    for (const Case& c : cases) {
        SimulatedPrinters world = defaultScenario();
        for (const char* line : c.lines) EXPECT_TRUE(run(world, line)) << line;
        const SimPrinter& p = world.usb(0);
        const std::string what = c.lines.back();
        EXPECT_EQ(p.counter(Counter::PrinterTotal), c.total) << what;
        EXPECT_EQ(p.counter(Counter::Print), c.print) << what;
        EXPECT_EQ(p.counter(Counter::ThermalHead), c.head) << what;
        EXPECT_EQ(p.pageByte(0x28, kInkLevelByte), c.ink) << what;
        EXPECT_EQ(p.pageByte(0x28, kFilmLevelByte), c.film) << what;
        EXPECT_EQ(world.network(0).counter(Counter::Print), 1234u) << "only the printer named";
    }
    for (const char* refused : {"usb 0 print 0", "usb 0 print 100001", "usb 0 print -3",
                                "usb 0 print ten", "usb 0 print", "usb 0 print 1 2"}) {
        EXPECT_FALSE(parseControlLine(refused).has_value()) << refused;
    }
    SimulatedPrinters world = defaultScenario();
    EXPECT_TRUE(run(world, "net 0 print 7"));
    EXPECT_EQ(world.network(0).counter(Counter::Print), 1241u);
}

TEST(ControlCommands, BadLinesAreIgnoredWhole) {
    const char* bad[] = {
        "",
        "# a comment",
        "usb",
        "usb 0",
        "usb x error 1",
        "usb -1 state 1",
        "usb 0 state 256",
        "usb 0 state 12abc",
        "usb 0 state 1 2",
        "usb 0 error 5",  // errors are negative
        "usb 0 error -0x1FFFFFFFFF",
        "usb 0 ink 51",
        "usb 0 counter speed 3",
        "usb 0 counter print -1",
        "usb 0 job \"alice\"",
        "usb 0 job \"unclosed",
        "usb 0 frobnicate",
        "fail KQCMD_Nothing 1",
        "fail KQCMD_ModeSelect",
        "reset now",
        "usb 0 state\x01 1",
    };
    SimulatedPrinters world = defaultScenario();
    for (const char* line : bad) EXPECT_FALSE(run(world, line)) << line;
    EXPECT_FALSE(run(world, std::string(2000, 'x')));
    EXPECT_EQ(world.usb(0).printerState(), 0);
    EXPECT_EQ(world.usb(0).printerError(), 0);
    // A well-formed command for a printer that does not exist does nothing.
    EXPECT_FALSE(run(world, "usb 3 state 1"));
    EXPECT_FALSE(run(world, "net 9 remove"));
}

TEST(ControlCommands, JoinedWordsSplitBackUnchanged) {
    const std::vector<std::string> words = {"usb", "0", "job", "a \"b\"", "c\\d", ""};
    const auto split = splitControlWords(joinControlWords(words));
    ASSERT_TRUE(split);
    EXPECT_EQ(*split, words);
}

class ControlFile : public ::testing::Test {
  protected:
    void SetUp() override {
        char name[] = "/tmp/orvan-sim-journal-XXXXXX";
        const int fd = ::mkstemp(name);
        ASSERT_GE(fd, 0);
        ::close(fd);
        path = name;
    }
    void TearDown() override { std::remove(path.c_str()); }
    void write(const std::string& text, std::ios::openmode mode = std::ios::app) {
        std::ofstream(path, mode | std::ios::binary) << text;
    }

    std::string path;
    SimulatedPrinters world = defaultScenario();
};

TEST_F(ControlFile, OnlyNewCompleteLinesAreApplied) {
    ControlJournal journal(path);
    EXPECT_EQ(journal.poll(world), 0);
    write("usb 0 state 50\nusb 0 ink ");
    EXPECT_EQ(journal.poll(world), 1);
    EXPECT_EQ(world.usb(0).printerState(), 50);
    world.usb(0).setPrinterState(0);
    write("7\nbogus line\r\n");
    EXPECT_EQ(journal.poll(world), 1) << "the old line is not applied again";
    EXPECT_EQ(world.usb(0).printerState(), 0);
    EXPECT_EQ(world.usb(0).pageByte(0x28, kInkLevelByte), 7);
    EXPECT_EQ(journal.poll(world), 0);
}

TEST_F(ControlFile, ReplacedOrShortenedFileIsReadFromItsStart) {
    ControlJournal journal(path);
    write("usb 0 state 50\nusb 0 state 51\n");
    EXPECT_EQ(journal.poll(world), 2);
    write("usb 0 film 3\n", std::ios::trunc);
    EXPECT_EQ(journal.poll(world), 1);
    EXPECT_EQ(world.usb(0).pageByte(0x28, kFilmLevelByte), 3);
}

TEST_F(ControlFile, OverlongLineIsSkippedAndFollowingLinesStillWork) {
    ControlJournal journal(path);
    write(std::string(3 * kMaxControlLine, 'x'));
    EXPECT_EQ(journal.poll(world), 0);
    write("yyy\nusb 0 state 7\n");
    EXPECT_EQ(journal.poll(world), 1);
    EXPECT_EQ(world.usb(0).printerState(), 7);
}

TEST_F(ControlFile, AppendedLineReachesTheFollower) {
    ControlJournal journal(path);
    ASSERT_TRUE(appendControlLine(path, "net 0 remove"));
    EXPECT_EQ(journal.poll(world), 1);
    EXPECT_FALSE(world.networkPort(0).attached);
    EXPECT_FALSE(appendControlLine("/nonexistent-dir/x.ctl", "reset"));
}

}  // namespace
}  // namespace orvan::sim
