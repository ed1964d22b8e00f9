// Never two programs on one printer: while a monitor runs for the user,
// orvan-status reads what it published and calls no printer; without one it
// asks the printers, unless another program holds them.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "headless/status_source.h"
#include "headless/survey_rig.h"
#include "report/runtime_files.h"
#include "shell/shell_rig.h"

namespace orvan::testing {
namespace {

// The user's runtime directory, for the test's duration.
class RuntimeDir {
  public:
    RuntimeDir() {
        const char* old = std::getenv("XDG_RUNTIME_DIR");
        if (old) saved_ = old;
        ::setenv("XDG_RUNTIME_DIR", dir_.path().c_str(), 1);
    }
    ~RuntimeDir() {
        if (saved_)
            ::setenv("XDG_RUNTIME_DIR", saved_->c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
    }

  private:
    ScratchDir dir_;
    std::optional<std::string> saved_;
};

// The monitor's real single-instance lock; the rest as scripted.
class LockingPlatform : public FakePlatform {
  public:
    bool acquireInstanceLock() override { return lock->acquireInstanceLock(); }
    std::unique_ptr<shell::PosixPlatform> lock = std::make_unique<shell::PosixPlatform>();
};

struct MonitorBeside {
    RuntimeDir runtime;
    LockingPlatform os;
    report::StatusPublisher publisher{report::RuntimePath(report::kStatusFileName)};
    ShellRig monitor;
    SurveyRig cli;  // orvan-status's own printers, counting its calls
    bool surveyMade = false;
    headless::StatusSource source{headless::RuntimePaths::ofUser(),
                                  [this]() -> headless::PrinterSurvey& {
                                      surveyMade = true;
                                      return cli.make();
                                  },
                                  0};

    MonitorBeside() {
        monitor.platformInUse = &os;
        monitor.publisher = &publisher;
        monitor.rebuild();
    }
    report::StatusDocument take(headless::Selection s = {}) { return source.take(s, 1700000000); }
};

TEST(StatusSource, WithAMonitorRunningItsPublishedStatusIsReadAndNoPrinterCalled) {
    MonitorBeside rig;
    ASSERT_TRUE(rig.monitor.start());
    rig.monitor.world.usb(0).setPrinterError(-0x0102D000);
    rig.monitor.world.usb(0).setInk(4);
    rig.monitor.loop.advance(2000);  // one monitor cycle

    auto doc = rig.take();
    EXPECT_EQ(doc.source, report::Source::Monitor);
    ASSERT_EQ(doc.printers.size(), 1u);
    EXPECT_EQ(doc.printers[0].name, "USB:Unit1");
    EXPECT_EQ(doc.printers[0].status.printerResult, -0x0102D000);
    EXPECT_EQ(doc.printers[0].details.inkQuantity, 4);
    EXPECT_EQ(doc.printers[0].details.counters.total, 15230);
    // A printer the monitor does not watch cannot be told about.
    doc = rig.take({headless::Selection::Kind::Named, "NET:ORVAN02"});
    EXPECT_TRUE(doc.printers.empty());
    EXPECT_EQ(doc.problem, "the running monitor watches another printer");
    EXPECT_FALSE(rig.surveyMade);
    EXPECT_EQ(rig.cli.printerCalls(), 0);

    // The status is published again only when it changes.
    const int writes = rig.publisher.writes();
    rig.monitor.loop.advance(6000);
    EXPECT_EQ(rig.publisher.writes(), writes);
    rig.monitor.world.usb(0).setPrinterError(0);
    rig.monitor.loop.advance(2000);
    EXPECT_EQ(rig.publisher.writes(), writes + 1);
    EXPECT_EQ(rig.take().printers.at(0).status.printerResult, 0);

    // A status older than half a minute is a monitor that stopped watching.
    const std::int64_t at = report::ReadPublishedStatus(rig.publisher.path())->generatedAt;
    doc = rig.source.take({}, at + 31);
    EXPECT_TRUE(doc.printers.empty());
    EXPECT_EQ(doc.problem, "the running monitor's status is 31 s old: it has stopped watching");
    EXPECT_EQ(rig.cli.printerCalls(), 0);
}

TEST(StatusSource, WithoutAMonitorThePrintersAreAskedUnlessSomeoneHoldsThem) {
    MonitorBeside rig;
    ASSERT_TRUE(rig.monitor.start());
    rig.monitor.loop.advance(2000);
    rig.monitor.monitor->queryUnload(shell::UnloadMode::ByCode);
    rig.os.lock.reset();  // the monitor's process is gone

    {
        auto other =
            report::FileLock::acquire(report::RuntimePath(report::kPrinterAccessLockName), 0);
        ASSERT_TRUE(other.has_value());
        const auto doc = rig.take();
        EXPECT_EQ(doc.problem, "the printers are in use by another program");
        EXPECT_EQ(rig.cli.printerCalls(), 0);
    }
    const auto doc = rig.take();
    EXPECT_EQ(doc.source, report::Source::Printer);
    ASSERT_EQ(doc.printers.size(), 1u);
    EXPECT_GT(rig.cli.printerCalls(), 0);
    // The monitor took its status with it when it ended.
    EXPECT_FALSE(report::ReadPublishedStatus(rig.publisher.path()).has_value());
}

}  // namespace
}  // namespace orvan::testing
