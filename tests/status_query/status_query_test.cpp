#include "link/status_query.h"

#include <gtest/gtest.h>

#include "discovery/faulty_link.h"

namespace orvan::link {
namespace {

using test::Bytes;

constexpr DeviceStatus kPrinting{0, 50, 0, 18};

// Status reply with a printer item and a laminator item.
Bytes statusReply(std::uint8_t printerByte, std::uint8_t laminatorByte) {
    return {1, 5, 0, printerByte, 0, 0, 0, 62, 3, 0, laminatorByte, 0};
}

struct StatusQueryTest : ::testing::Test {
    test::FaultyLink link;
    StatusQuery query{link.channel};
    ResultCode result = 12345;
    std::int32_t state = 12345;

    void run() { query.query(result, state); }
    void runTimes(int n) {
        for (int i = 0; i < n; ++i) run();
    }
    void failReplies(int n, ResultCode code) {
        for (int i = 0; i < n; ++i) link.settings.results.push("P_CheckReply", {code});
    }
};

TEST_F(StatusQueryTest, NoPrinterAnswersGoneAndCallsNothing) {
    link.state.selected.connection = Connection::Usb;
    link.state.status = kPrinting;
    run();
    EXPECT_EQ(result, kNoMorePrinters);
    EXPECT_EQ(state, 0);
    EXPECT_TRUE(link.commands.calls.empty());
    EXPECT_EQ(link.state.status, kPrinting);
}

TEST_F(StatusQueryTest, UsbLossCodesDropThePrinterAndSkipTheStatusCommand) {
    for (ResultCode lost : {-0x02010005, -0x02020001, kPortGone, kNoMorePrinters}) {
        SCOPED_TRACE(lost);
        link.usb();
        link.commands.clear();
        link.state.status = kPrinting;
        link.commands.results.push("KQCMD_TestUnitReady", {lost});
        run();
        EXPECT_EQ(link.state.printerCount, 0);
        EXPECT_EQ(link.commands.count("KQCMD_GetPrinterStatus"), 0);
        EXPECT_EQ(result, lost);
        EXPECT_EQ(state, 50);  // the state from before
        EXPECT_EQ(link.state.status.printerResult, lost);
    }
}

TEST_F(StatusQueryTest, UsbOtherPortCodesKeepThePrinter) {
    link.usb();
    link.commands.results.push("KQCMD_TestUnitReady", {-0x02000005});
    link.commands.printerResult = -0x0102D000;
    run();
    EXPECT_EQ(link.state.printerCount, 1);
    EXPECT_EQ(link.commands.count("KQCMD_GetPrinterStatus"), 1);
    EXPECT_EQ(result, -0x0102D000);
}

TEST_F(StatusQueryTest, UsbStatusIsAskedUpToThreeTimesWithoutPause) {
    link.usb();
    link.commands.results.push("KQCMD_GetPrinterStatus", {0, 0});
    link.commands.printerState = 61;
    link.commands.laminatorState = 18;
    run();
    EXPECT_EQ(link.commands.count("KQCMD_GetPrinterStatus"), 3);
    EXPECT_EQ(link.state.status, (DeviceStatus{0, 61, 0, 18}));
    EXPECT_EQ(state, 61);
    EXPECT_EQ(link.loop.now(), 0);

    // Three zero answers keep what was known.
    link.state.status = kPrinting;
    link.commands.results.push("KQCMD_GetPrinterStatus", {0, 0, 0});
    run();
    EXPECT_EQ(link.state.status, kPrinting);
}

TEST_F(StatusQueryTest, UsbLaminatorErrorByteBecomesALaminatorCode) {
    link.usb();
    link.commands.laminatorResult = 0x5A;
    link.commands.laminatorState = 255;
    run();
    EXPECT_EQ(link.state.status.laminatorResult, -0x0500005A);
    EXPECT_EQ(link.state.status.laminatorState, 0);

    // Anything but a byte is no known laminator code, and must not overflow.
    DeviceStatus wild{0, 0, 0x7FFFFFFF, 255};
    convertLaminatorStatus(wild);
    EXPECT_EQ(wild.laminatorResult, static_cast<ResultCode>(0u - 0x84FFFFFFu));
    EXPECT_EQ(wild.laminatorState, 0);
    DeviceStatus idle{0, 0, 0x5A, 18};
    convertLaminatorStatus(idle);
    EXPECT_EQ(idle, (DeviceStatus{0, 0, 0x5A, 18})) << "taken as delivered without the flag";
}

TEST_F(StatusQueryTest, LibraryFailureDropsThePrinter) {
    link.usb();
    link.commands.fault.entry = "KQCMD_GetPrinterStatus";
    run();
    EXPECT_EQ(link.state.printerCount, 0);
    EXPECT_EQ(result, kNoMorePrinters);

    link.network();
    link.settings.fault.entry = "P_CheckReply";
    run();
    EXPECT_EQ(link.state.printerCount, 0);
    EXPECT_EQ(link.settings.closes, 1) << "the session is closed all the same";
}

TEST_F(StatusQueryTest, NetworkReplyFillsBothDevicesOverOneSession) {
    link.network();
    link.settings.queueReply(statusReply(50, 18));
    run();
    EXPECT_EQ(link.state.status, kPrinting);
    ASSERT_EQ(link.settings.sent.size(), 1u);
    EXPECT_EQ(link.settings.sent[0].kind, "status");
    EXPECT_EQ(link.settings.sent[0].items, (std::vector<std::int32_t>{1, 62}));
    EXPECT_EQ(link.settings.callsTo("P_CheckReply").at(0).args[3], 300);
    EXPECT_EQ(link.settings.callsTo("P_CheckReply").at(0).args[2], 513);
    EXPECT_EQ(link.settings.connects, 1);
    EXPECT_EQ(link.settings.closes, 1);
}

TEST_F(StatusQueryTest, NetworkFiveShortFailuresAreHiddenAndTheSixthLosesThePrinter) {
    link.network();
    link.settings.queueReply(statusReply(50, 18));
    run();
    failReplies(6, -3);
    for (int n = 1; n <= 5; ++n) {
        run();
        EXPECT_EQ(result, 0) << n;
        EXPECT_EQ(state, 50) << n;
        EXPECT_EQ(link.state.status.laminatorState, 0) << "laminator values are this query's";
        EXPECT_EQ(link.state.printerCount, 1);
    }
    run();
    EXPECT_EQ(result, kNoMorePrinters);
    EXPECT_EQ(link.state.printerCount, 0);
}

TEST_F(StatusQueryTest, NetworkFailureCountStartsAfreshOnAnyOtherOutcome) {
    link.network();
    failReplies(4, -16);
    link.settings.results.push("P_CheckReply", {0});
    failReplies(5, -5);
    runTimes(10);
    EXPECT_EQ(link.state.printerCount, 1) << "a good reply in between";

    failReplies(1, -3);
    run();
    ASSERT_EQ(link.state.printerCount, 0);
    link.state.printerCount = 1;  // rediscovered: it gets its own five failures
    failReplies(1, -3);
    run();
    EXPECT_EQ(link.state.printerCount, 1);
}

TEST_F(StatusQueryTest, NetworkUnreachableSocketErrorsLoseThePrinterAtOnce) {
    for (std::int32_t error : {10049, 10050, 10051, 10060, 10064, 10065}) {
        SCOPED_TRACE(error);
        link.network();
        link.settings.statusWordOnFailure = error;
        link.settings.results.push("P_FlushStatusReq", {kNetworkSocketError});
        run();
        EXPECT_EQ(result, kNoMorePrinters);
        EXPECT_EQ(link.state.printerCount, 0);
    }
    // Any other socket error is a short failure like the rest.
    link.network();
    link.state.status = kPrinting;
    link.settings.statusWordOnFailure = 10054;
    link.settings.results.push("P_FlushStatusReq", {kNetworkSocketError});
    run();
    EXPECT_EQ(link.state.printerCount, 1);
    EXPECT_EQ(state, 50);
}

TEST_F(StatusQueryTest, NetworkFailedConnectIsNotClosed) {
    link.network();
    link.settings.statusWordOnFailure = 10060;
    link.settings.results.push("P_Connect", {kNetworkSocketError});
    run();
    EXPECT_EQ(link.state.printerCount, 0);
    EXPECT_EQ(link.settings.closes, 0);
    EXPECT_TRUE(link.settings.sent.empty());
}

TEST_F(StatusQueryTest, NetworkReplyForAnotherRequestChangesNothing) {
    link.network();
    link.state.status = kPrinting;
    link.settings.queueReply(statusReply(0, 0));
    link.settings.sequenceSkew.push_back(1);
    run();
    EXPECT_EQ(link.state.networkFailures, 1);
    EXPECT_EQ(state, 50);
    EXPECT_EQ(link.settings.closes, 1);
}

TEST(StatusItemWalk, ErrorBytesComposeTheirFamilies) {
    DeviceStatus s{};
    walkStatusItems(Bytes{1, 5, 0, 255, 0x02, 0xD0, 0x00, 62, 3, 0, 255, 0x5A}, s);
    EXPECT_EQ(s, (DeviceStatus{-0x0102D000, 0, -0x0500005A, 0}));
    walkStatusItems(Bytes{9, 2, 0, 7, 1, 2, 0, 63}, s);  // unknown items skipped
    EXPECT_EQ(s, (DeviceStatus{0, 63, -0x0500005A, 0}));
}

TEST(StatusItemWalk, ItemsCutShortAreIgnored) {
    DeviceStatus s{};
    walkStatusItems(Bytes{1, 5, 0, 255, 0x02}, s);  // code bytes missing
    walkStatusItems(Bytes{62, 1, 0}, s);            // state byte missing
    EXPECT_EQ(s, DeviceStatus{});
    // The declared length is what counts: the code bytes would be the next item.
    walkStatusItems(Bytes{1, 2, 0, 255, 62, 2, 0, 18}, s);
    EXPECT_EQ(s, (DeviceStatus{0, 0, 0, 18}));
}

}  // namespace
}  // namespace orvan::link
