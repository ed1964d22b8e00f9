// orvan-status asking the printers itself: the same list as the monitor's,
// the remembered or named printer, and a check that says what the window
// would say.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "headless/survey_rig.h"
#include "report/check_output.h"
#include "simulator/printer_addresses.h"
#include "status/error_catalogue.h"

namespace orvan::testing {
namespace {

report::CheckOutput check(const headless::SurveyResult& r) {
    report::StatusDocument doc;
    doc.printers = r.printers;
    return report::CheckText(doc, status::SharedCatalogue(), 10, r.problem);
}

TEST(Survey, TheRememberedPrinterIsCheckedAsTheStatusTabShowsIt) {
    SurveyRig rig;
    rig.world.usb(0).setPrinterError(-0x0102D000);
    rig.world.network(0).setInk(4);                       // 8 %
    rig.settingsOfRun.rememberedPrinter = "net:orvan02";  // case as the monitor ignores it
    auto out = check(rig.run());
    EXPECT_EQ(out.verdict, report::Verdict::Warning);
    EXPECT_NE(out.text.find("NET:ORVAN02: Ready; laminator Ready; ink 8%, film 80%"),
              std::string::npos)
        << out.text;

    // Without a remembered printer the first listed one, as the monitor does.
    SurveyRig first;
    first.world.usb(0).setPrinterError(-0x0102D000);
    out = check(first.run());
    EXPECT_EQ(out.verdict, report::Verdict::Critical);
    EXPECT_NE(out.text.find("CRITICAL - USB:Unit1: Printer Error(0102D000) : No Card. (Cards "
                            "have run out.) Replenish the cards.;"),
              std::string::npos)
        << out.text;
}

TEST(Survey, APrinterIsNamedByItsListNameOrItsAddress) {
    SurveyRig rig;
    auto r = rig.run(named("192.168.0.51"));
    ASSERT_EQ(r.printers.size(), 1u);
    EXPECT_EQ(r.printers[0].name, "NET:ORVAN02");
    EXPECT_EQ(r.printers[0].address, "192.168.0.51");
    EXPECT_EQ(r.printers[0].details.counters.total, 15230);
    EXPECT_FALSE(r.printers[0].details.counters.laminatorTotal.has_value());  // USB only
    r = rig.run(named("usb:unit1"));
    ASSERT_EQ(r.printers.size(), 1u);
    EXPECT_EQ(r.printers[0].details.counters.laminatorTotal, 640);
    EXPECT_EQ(r.printers[0].details.firmware->printer, "1.02.003");

    // Not listed: an address is searched for, as on the Printer Select tab;
    // a name that is nowhere is no such printer (a known one that is lost is
    // CRITICAL: ALostPrinterStaysReported...).
    r = rig.run(named("10.1.2.3"));
    EXPECT_TRUE(r.printers.empty());
    EXPECT_EQ(r.problem, "no such printer: 10.1.2.3");
    EXPECT_EQ(rig.world.countCalls("P_Connect") > 0, true);
    const auto none = check(rig.run(named("USB:Unit7")));
    EXPECT_EQ(none.text, "UNKNOWN - no such printer: USB:Unit7\n");
    EXPECT_EQ(none.verdict, report::Verdict::Unknown);
}

TEST(Survey, NoPrinterOrNoLibraryIsUnknownWithTheWindowsMessage) {
    SurveyRig none;
    none.world.setUsbAttached(0, false);
    none.world.setNetworkAttached(0, false);
    auto r = none.run();
    EXPECT_EQ(check(r).text, "UNKNOWN - no printer\n");
    EXPECT_EQ(r.messages, std::vector<std::string>{"Printer is not found."});

    SurveyRig noLibrary;
    noLibrary.settingsOfRun.hasCommandLibrary = false;
    noLibrary.settingsOfRun.hasSettingsLibrary = false;
    r = noLibrary.run();
    EXPECT_EQ(r.problem, "no port library");
    EXPECT_EQ(r.messages, std::vector<std::string>{
                              "LNKCMD.dll and LNKSET.dll is not found. Status Monitor ends."});
    EXPECT_EQ(noLibrary.printerCalls(), 0);

    // A fault goes to standard error, as the monitor's box.
    SurveyRig fault;
    fault.world.usb(0).setPrinterError(-0x02000001);
    r = fault.run();
    EXPECT_EQ(r.messages,
              std::vector<std::string>{"Error happens in KQ Port Manager. Memory is not enough."});
}

// A printer once seen stays reported, lost (up 0, CRITICAL) with its last
// answer's time, until it comes back or has been gone for the forget time.
TEST(Survey, ALostPrinterStaysReportedUntilItComesBackOrIsForgotten) {
    SurveyRig rig;
    rig.settingsOfRun.forgetSeconds = 3600;
    auto r = rig.run(all());
    ASSERT_EQ(r.printers.size(), 2u);
    EXPECT_EQ(rig.world.countCalls("KQCMD_ScanPrinter"), 1);
    const std::int64_t lastAnswer = rig.now;

    rig.world.setUsbAttached(0, false);
    for (int round = 0; round < 3; ++round) {
        rig.now += 10;
        r = rig.run(all());
        ASSERT_EQ(r.printers.size(), 2u) << round;
        const auto lost = std::find_if(r.printers.begin(), r.printers.end(),
                                       [](const auto& p) { return p.id == "usb:0:0"; });
        ASSERT_NE(lost, r.printers.end()) << round;
        EXPECT_FALSE(lost->up);
        EXPECT_EQ(lost->name, "USB:Unit1");
        EXPECT_EQ(lost->readAt, lastAnswer);
        EXPECT_EQ(report::Judge(status::SharedCatalogue(), *lost, 10).verdict,
                  report::Verdict::Critical);
    }
    EXPECT_GE(rig.world.countCalls("KQCMD_ScanPrinter"), 2);  // looked for again after the loss
    // Named, a known printer that is lost is that printer, not an unknown one.
    EXPECT_EQ(check(rig.run(named("USB:Unit1"))).verdict, report::Verdict::Critical);

    // Back: found again by the next discovery, at most a period later.
    rig.world.setUsbAttached(0, true);
    rig.now += 60;
    r = rig.run(all());
    ASSERT_EQ(r.printers.size(), 2u);
    EXPECT_TRUE(r.printers[0].up && r.printers[1].up);

    rig.world.setUsbAttached(0, false);
    rig.run(all());
    rig.now += 3600;
    r = rig.run(all());
    ASSERT_EQ(r.printers.size(), 1u);  // forgotten after an hour
    EXPECT_EQ(r.printers[0].name, "NET:ORVAN02");
}

// New and returned printers appear within one discovery period, and two
// network printers with one factory name are two printers.
TEST(Survey, ANewPrinterAppearsWithinOneDiscoveryPeriod) {
    SurveyRig rig;
    rig.settingsOfRun.rediscoverSeconds = 60;
    ASSERT_EQ(rig.run(all()).printers.size(), 2u);
    const int second =
        sim::addNetworkPrinterAt(rig.world, *sim::parseSimAddress("192.168.0.52"), "ORVAN02");
    rig.world.networkPort(second).listed = true;
    rig.now += 30;
    EXPECT_EQ(rig.run(all()).printers.size(), 2u);  // not looked for yet
    rig.now += 30;
    const auto r = rig.run(all());
    ASSERT_EQ(r.printers.size(), 3u);
    std::vector<std::string> ids;
    for (const auto& p : r.printers) ids.push_back(p.id);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<std::string>{"net:192.168.0.51", "net:192.168.0.52", "usb:0:0"}));
}

// Every round asks each printer's status; media, counters, versions and the
// inquiry only a minute on, or when the status has changed.
TEST(Survey, DetailsAreReadAtASlowerCadenceThanTheStatus) {
    SurveyRig rig;
    rig.run(all());
    auto detailReads = [&rig] {
        return rig.world.countCalls("KQCMD_ModeSense") + rig.world.countCalls("KQCMD_LogSense") +
               rig.world.countCalls("KQCMD_StandardInquiry");
    };
    struct Step {
        const char* what;
        std::function<void()> change;
        bool readsDetails;
    };
    const std::vector<Step> steps = {
        {"the next round", [] {}, false},
        {"ink used, nothing else", [&rig] { rig.world.usb(0).setInk(30); }, false},
        {"the printer starts printing", [&rig] { rig.world.usb(0).setPrinterState(50); }, true},
        {"still printing", [] {}, false},
        {"a minute on", [&rig] { rig.now += 60; }, true},
    };
    for (const Step& step : steps) {
        rig.world.clearCalls();
        step.change();
        const auto r = rig.run(all());
        EXPECT_EQ(rig.world.countCalls("KQCMD_TestUnitReady"), 1) << step.what;
        EXPECT_EQ(detailReads() > 0, step.readsDetails) << step.what;
        ASSERT_EQ(r.printers.size(), 2u);
    }
    // What the last read found is what is reported meanwhile.
    EXPECT_EQ(rig.run(all()).printers[0].details.inkQuantity, 30);
}

TEST(Survey, ANetworkFailureWithNoEarlierAnswerIsNoAnswer) {
    SurveyRig rig;
    rig.world.scriptResult("P_CheckReply", -5);  // time-out, hidden by the link
    auto r = rig.run(named("NET:ORVAN02"));
    ASSERT_EQ(r.printers.size(), 1u);
    EXPECT_TRUE(r.printers[0].up);
    EXPECT_FALSE(r.printers[0].answered);
    EXPECT_EQ(check(r).verdict, report::Verdict::Unknown);
    // Once answered, a hidden failure repeats that answer, as in the window.
    rig.world.network(0).setInk(4);
    r = rig.run(named("NET:ORVAN02"));
    EXPECT_TRUE(r.printers[0].answered);
    rig.world.scriptResult("P_CheckReply", -5);
    r = rig.run(named("NET:ORVAN02"));
    EXPECT_TRUE(r.printers[0].answered);
    EXPECT_EQ(check(r).verdict, report::Verdict::Warning);
}

}  // namespace
}  // namespace orvan::testing
