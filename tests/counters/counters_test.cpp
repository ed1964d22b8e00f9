// Counters from log pages and status items, and the clear of the print counter.
#include <gtest/gtest.h>

#include "link/counters.h"
#include "support/fake_ports.h"

namespace orvan::test {
namespace {

using link::kLaminatorLogPage;
using link::kPrinterLogPage;

// A log page: byte 0 the code; each parameter a 4-byte header and a value.
Bytes logPage(std::uint8_t code, std::initializer_list<std::uint32_t> values) {
    Bytes page(4, 0);  // page header; the first parameter header follows
    page[0] = code;
    for (std::uint32_t v : values) {
        page.insert(page.end(), {0, 0, 0, 4});
        page.insert(page.end(),
                    {static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16),
                     static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)});
    }
    return page;
}

class CountersTest : public ::testing::Test {
  protected:
    FakeLink link;
    link::PrinterData data;
    link::NetworkRequests net{link.channel, data};
    link::Counters counters{link.channel, data, net};
};

TEST_F(CountersTest, PrinterLogPageGivesTheFiveBigEndianCounters) {
    link.usb();
    link.commands.logPages[kPrinterLogPage] =
        logPage(kPrinterLogPage, {0x00000001, 0x000003E8, 0x00010000, 0x000003E8, 0x7FFFFFFF});
    ASSERT_EQ(counters.senseLogPage(kPrinterLogPage), 0);
    const auto& c = data.image.Counters;
    EXPECT_EQ(c.PrinterTotal, 1);
    EXPECT_EQ(c.Print, 1000);
    EXPECT_EQ(c.ThermalHead, 65536);
    EXPECT_EQ(c.Cleaning, 1000);
    EXPECT_EQ(c.Error, 0x7FFFFFFF);
    EXPECT_EQ(c.LaminatorTotal, 0);
    EXPECT_EQ(link.commands.callsTo("KQCMD_LogSense")[0].args,
              (std::vector<std::int64_t>{3, 5, kPrinterLogPage}));
}

TEST_F(CountersTest, LaminatorLogPageGivesItsTwoCounters) {
    link.usb();
    data.image.Counters.Print = 9;
    link.commands.logPages[kLaminatorLogPage] = logPage(kLaminatorLogPage, {1234, 56});
    ASSERT_EQ(counters.senseLogPage(kLaminatorLogPage), 0);
    EXPECT_EQ(data.image.Counters.LaminatorTotal, 1234);
    EXPECT_EQ(data.image.Counters.LaminatorCleaning, 56);
    EXPECT_EQ(data.image.Counters.Print, 9);
}

TEST_F(CountersTest, LogReplyForAnotherPageChangesNoCounter) {
    link.usb();
    data.image.Counters.Print = 5;
    link.commands.logPages[kPrinterLogPage] = logPage(kLaminatorLogPage, {1, 2, 3, 4, 5});
    EXPECT_EQ(counters.senseLogPage(kPrinterLogPage), 0);
    EXPECT_EQ(data.image.Counters, (link::CounterFields{0, 5, 0, 0, 0, 0, 0}));
}

TEST_F(CountersTest, FailedLogReadKeepsTheCounters) {
    link.usb();
    data.image.Counters.Error = 4;
    link.commands.logPages[kPrinterLogPage] = logPage(kPrinterLogPage, {1, 2, 3, 4, 5});
    link.commands.results.push("KQCMD_LogSense", {-0x0102D000});
    EXPECT_EQ(counters.senseLogPage(kPrinterLogPage), -0x0102D000);
    EXPECT_EQ(data.image.Counters.Error, 4);
}

TEST_F(CountersTest, LogReadRetriesOnlyWhenAskedToWaitOutBusy) {
    link.usb();
    link.commands.results.always("KQCMD_LogSense", 1);
    EXPECT_EQ(counters.senseLogPage(kPrinterLogPage), 1);
    EXPECT_EQ(link.commands.count("KQCMD_LogSense"), 1);
    link.state.retryWhenBusy = true;
    EXPECT_EQ(counters.senseLogPage(kPrinterLogPage), 1);
    EXPECT_EQ(link.commands.count("KQCMD_LogSense"), 4);
    EXPECT_EQ(link.loop.now(), 2000);
}

TEST_F(CountersTest, UsbClearIsALogSelectTriedUpToThreeTimes) {
    link.usb();
    link.commands.results.push("KQCMD_LogSelect", {1, 1});
    EXPECT_EQ(counters.clearCounters(), 0);
    const auto calls = link.commands.callsTo("KQCMD_LogSelect");
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].args, (std::vector<std::int64_t>{3, 5, 0}));
    EXPECT_EQ(link.loop.now(), 2000);

    link.commands.results.push("KQCMD_LogSelect", {-8, 1});
    EXPECT_EQ(counters.clearCounters(), -8);
    EXPECT_EQ(link.commands.count("KQCMD_LogSelect"), 4);
    EXPECT_TRUE(link.settings.calls.empty());
}

TEST_F(CountersTest, UsbRereadIsThePrinterLogPage) {
    link.usb();
    link.commands.logPages[kPrinterLogPage] = logPage(kPrinterLogPage, {10, 0, 30, 40, 0});
    data.image.Counters.Print = 77;
    EXPECT_EQ(counters.rereadCounters(), 0);
    EXPECT_EQ(data.image.Counters.Print, 0);
    EXPECT_EQ(data.image.Counters.PrinterTotal, 10);
}

TEST_F(CountersTest, NetworkClearAndRereadUseSettingAndStatusItems) {
    link.network();
    ASSERT_EQ(counters.clearCounters(), 0);
    ASSERT_EQ(link.settings.sent.size(), 1u);
    EXPECT_EQ(link.settings.sent[0].kind, "values");
    EXPECT_EQ(link.settings.sent[0].values, (std::vector<std::pair<std::int32_t, Bytes>>{
                                                {50, {0, 0, 0, 0}}, {54, {0, 0, 0, 0}}}));

    data.image.Counters = {1, 2, 3, 4, 5, 6, 7};
    link.settings.queueReply(concat({counterItem(30, 0), counterItem(35, 0), counterItem(31, 99)}));
    ASSERT_EQ(counters.rereadCounters(), 0);
    EXPECT_EQ(data.image.Counters, (link::CounterFields{1, 0, 3, 4, 0, 6, 7}));
    EXPECT_TRUE(link.commands.calls.empty());
}

TEST_F(CountersTest, LaminatorTotalIsNeverUpdatedOverTheNetwork) {
    link.network();
    data.image.Counters.LaminatorTotal = 321;
    link.settings.queueReply(concat({counterItem(63, 12), counterItem(62, 1)}));
    ASSERT_EQ(net.laminatorRead(), 0);
    link.settings.queueReply({});
    link.settings.queueReply(concat({counterItem(30, 1), counterItem(31, 2), counterItem(32, 3),
                                     counterItem(33, 4), counterItem(35, 5)}));
    ASSERT_EQ(net.propertyRead(), 0);
    EXPECT_EQ(data.image.Counters.LaminatorCleaning, 12);
    EXPECT_EQ(data.image.Counters.LaminatorTotal, 321);
    EXPECT_EQ(data.image.Counters.PrinterTotal, 2);
}

TEST_F(CountersTest, NothingHappensWithoutAPrinter) {
    EXPECT_EQ(counters.clearCounters(), 0);
    EXPECT_EQ(counters.rereadCounters(), 0);
    link.usb();
    link.state.printerCount = 0;
    EXPECT_EQ(counters.senseLogPage(kPrinterLogPage), 0);
    EXPECT_EQ(counters.clearCounters(), 0);
    EXPECT_TRUE(link.commands.calls.empty());
    EXPECT_TRUE(link.settings.calls.empty());
}

}  // namespace
}  // namespace orvan::test
