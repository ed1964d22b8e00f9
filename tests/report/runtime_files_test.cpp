// The files the monitor and orvan-status share: locks that another holder
// can see without taking, and the published status, replaced whole and read
// only when it is this user's own regular file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "profile/scratch_dir.h"
#include "report/report_fixture.h"
#include "report/runtime_files.h"
#include "report/status_publisher.h"

namespace orvan::testing {
namespace {

TEST(RuntimeFiles, ALockIsSeenByOthersAndExcludesThemUntilReleased) {
    ScratchDir dir;
    const std::string path = dir.file("monitor.lock");
    EXPECT_FALSE(report::LockHeldElsewhere(path));  // no file yet
    {
        auto first = report::FileLock::acquire(path, 0);
        ASSERT_TRUE(first.has_value());
        EXPECT_TRUE(report::LockHeldElsewhere(path));
        EXPECT_FALSE(report::FileLock::acquire(path, 0).has_value());
        auto moved = std::move(*first);
        EXPECT_TRUE(report::LockHeldElsewhere(path));
    }
    EXPECT_FALSE(report::LockHeldElsewhere(path));
    EXPECT_TRUE(report::FileLock::acquire(path, 0).has_value());
}

// Never a shared folder: without XDG_RUNTIME_DIR only the user's own
// /run/user/<uid> with mode 0700 will do; without it nothing is placed, and a
// lock that cannot be taken, or a lock file of another user, is not held.
TEST(RuntimeFiles, TheRuntimeFolderIsTheUsersOwnOrNone) {
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string before = saved ? saved : "";
    ::unsetenv("XDG_RUNTIME_DIR");
    const std::string own = "/run/user/" + std::to_string(::getuid());
    struct stat st {};
    const bool usable = ::lstat(own.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
                        st.st_uid == ::getuid() && (st.st_mode & 0777) == 0700;
    std::string why;
    const auto dir = report::RuntimeDirectory(&why);
    if (usable) {
        EXPECT_EQ(dir, own);
    } else {
        EXPECT_EQ(dir, std::nullopt);
        EXPECT_NE(why.find("no private runtime directory"), std::string::npos) << why;
        EXPECT_EQ(report::RuntimePath("orvan.lock"), "");
    }
    if (saved) ::setenv("XDG_RUNTIME_DIR", before.c_str(), 1);

    ScratchDir scratch;
    EXPECT_FALSE(report::FileLock::acquire("", 0).has_value());
    EXPECT_FALSE(report::FileLock::acquire(scratch.file("missing/x.lock"), 0).has_value());
    if (::getuid() == 0) {  // only root can give a file to another user
        const std::string foreign = scratch.file("foreign.lock");
        ScratchDir::write(foreign, "");
        ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
        EXPECT_FALSE(report::FileLock::acquire(foreign, 0).has_value());
        EXPECT_FALSE(report::LockHeldElsewhere(foreign));
    }
}

TEST(RuntimeFiles, ThePublishedStatusIsWrittenOnChangeAndReadOnlyWhenItIsOurs) {
    ScratchDir dir;
    report::StatusPublisher publisher(dir.file("status.json"));
    report::StatusDocument doc;
    doc.source = report::Source::Monitor;
    doc.printers = {readyPrinter()};
    doc.generatedAt = 1700000000;
    ASSERT_TRUE(publisher.publish(doc, catalogue()));
    doc.printers[0].readAt += 2;  // the same status, read again later
    doc.generatedAt += 9;
    ASSERT_TRUE(publisher.publish(doc, catalogue()));
    EXPECT_EQ(publisher.writes(), 1);
    doc.generatedAt += 1;  // a heartbeat: unchanged, but ten seconds on
    ASSERT_TRUE(publisher.publish(doc, catalogue()));
    EXPECT_EQ(publisher.writes(), 2);
    doc.printers[0].status.printerResult = -0x0102D000;
    ASSERT_TRUE(publisher.publish(doc, catalogue()));
    EXPECT_EQ(publisher.writes(), 3);

    struct stat st {};
    ASSERT_EQ(::stat(publisher.path().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    const auto read = report::ReadPublishedStatus(publisher.path());
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->printers.at(0).status.printerResult, -0x0102D000);

    // A link to it, an oversized file, a FIFO (which must not hold the
    // reader up) and a document from orvan-status itself are none of the
    // monitor's.
    ASSERT_EQ(::mkfifo(dir.file("fifo.json").c_str(), 0600), 0);
    EXPECT_FALSE(report::ReadPublishedStatus(dir.file("fifo.json")).has_value());
    ASSERT_EQ(::symlink(publisher.path().c_str(), dir.file("link.json").c_str()), 0);
    EXPECT_FALSE(report::ReadPublishedStatus(dir.file("link.json")).has_value());
    ScratchDir::write(dir.file("big.json"), std::string(report::kMaxPublishedBytes + 1, ' '));
    EXPECT_FALSE(report::ReadPublishedStatus(dir.file("big.json")).has_value());
    doc.source = report::Source::Printer;
    ScratchDir::write(dir.file("cli.json"), report::EncodeDocument(doc, catalogue(), 10));
    EXPECT_FALSE(report::ReadPublishedStatus(dir.file("cli.json")).has_value());

    publisher.withdraw();
    EXPECT_NE(::access(publisher.path().c_str(), F_OK), 0);
    EXPECT_TRUE(report::WriteFileAtomically(dir.file("m.prom"), "x 1\n", 0644));
    ASSERT_EQ(::stat(dir.file("m.prom").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
    EXPECT_FALSE(report::WriteFileAtomically(dir.file("missing/m.prom"), "x 1\n", 0644));

    // What a crashed writer left is removed by the next write; a temporary
    // file of a process still running is not.
    const std::string ours = dir.file("m.prom.tmp-" + std::to_string(::getppid()) + "-7");
    ScratchDir::write(dir.file("m.prom.tmp-2147483600-3"), "half");
    ScratchDir::write(ours, "half");
    EXPECT_TRUE(report::WriteFileAtomically(dir.file("m.prom"), "x 2\n", 0644));
    EXPECT_NE(::access(dir.file("m.prom.tmp-2147483600-3").c_str(), F_OK), 0);
    EXPECT_EQ(::access(ours.c_str(), F_OK), 0);
}

}  // namespace
}  // namespace orvan::testing
