// The "Security Lock" tab: the code, password buffer and length each action
// sends over either connection, what is refused before anything is sent,
// the catalogue's answer to a wrong password, and the state read back after
// every command.
#include <gtest/gtest.h>

#include "link/security_lock.h"
#include "tab_rig.h"
#include "tabs/security_lock_tab.h"

namespace orvan::testing {
namespace {

using ui::Answer;
using Buffer = std::array<std::uint8_t, 8>;

// What a lock command handed to the library: all eight buffer bytes, not
// only the `length` the simulator looks at.
struct SentLock {
    std::int32_t operation;
    std::int32_t length;
    Buffer buffer;
    std::vector<std::int64_t> target;  // slot, SCSI id; or the IPv6 flag and the 4 address bytes
    bool operator==(const SentLock&) const = default;
};

Buffer bufferOf(const std::uint8_t* data) {
    Buffer b{};
    std::copy_n(data, b.size(), b.begin());
    return b;
}

// Records each lock call, then scribbles over the buffer: a library may write
// into what it is given, and a retry must still send the first bytes.
struct RecordingUsb : sim::SimCommandPort {
    using SimCommandPort::SimCommandPort;
    std::vector<SentLock> sent;
    std::int32_t KQCMD_SecurityLock(std::int32_t slot, std::int32_t scsiId, std::int32_t operation,
                                    std::uint8_t* data, std::int32_t length) override {
        sent.push_back({operation, length, bufferOf(data), {slot, scsiId}});
        const auto r = SimCommandPort::KQCMD_SecurityLock(slot, scsiId, operation, data, length);
        std::fill_n(data, 8, 0xEE);
        return r;
    }
};

struct RecordingNet : sim::SimSettingsPort {
    using SimSettingsPort::SimSettingsPort;
    std::vector<SentLock> sent;
    std::int32_t Px_SecurityLock(std::int16_t ipv6, const std::uint8_t* address,
                                 std::int32_t operation, std::uint8_t* data,
                                 std::int32_t length) override {
        sent.push_back({operation,
                        length,
                        bufferOf(data),
                        {ipv6, address[0], address[1], address[2], address[3]}});
        return SimSettingsPort::Px_SecurityLock(ipv6, address, operation, data, length);
    }
};

struct SecurityLockRig : TabRig {
    RecordingUsb usbLibrary{world};
    RecordingNet netLibrary{world};
    ui::Timer lockTimer{"Timer2"};
    link::Channel lockChannel{state, usbLibrary, netLibrary, loop, lockTimer};
    tabs::SecurityLockTab tab{context(),
                              [this](link::LockCommand command, const link::Password& password) {
                                  return link::SendSecurityLock(lockChannel, command, password);
                              }};

    SecurityLockRig() : TabRig(tabs::SecurityLockTab::kLinkPlan) {}

    void show() {
        tab.setup();
        readTab();
        tab.fill();
    }
    // Chooses the action, types the password (twice for a new one) and
    // answers the question with OK.
    void send(int action, const std::string& password, const std::string& again = {}) {
        tab.Opt9[static_cast<std::size_t>(action)].setValue(true);
        tab.Text9_2[0].setText(password);
        tab.Text9_2[1].setText(action == tabs::NewPassword && again.empty() ? password : again);
        boxes.answerNext(Answer::Ok);
        tab.Cmd9[tabs::kUpdateButton].click();
    }
    std::vector<SentLock> sent() const {
        auto all = usbLibrary.sent;
        all.insert(all.end(), netLibrary.sent.begin(), netLibrary.sent.end());
        return all;
    }
    int selected() const {
        for (int i = 0; i < 4; ++i)
            if (tab.Opt9[static_cast<std::size_t>(i)].value()) return i;
        return -1;
    }
    std::string lastBox() const { return boxes.shown().empty() ? "" : boxes.shown().back().text; }
};

Buffer bytes(std::string_view text) {
    Buffer b{};
    std::copy(text.begin(), text.end(), b.begin());
    return b;
}

TEST(SecurityLockTab, EachActionSendsItsCodeBufferAndLengthOverEitherConnection) {
    for (const bool network : {false, true}) {
        SecurityLockRig rig;
        if (network) rig.useNetwork();
        rig.show();
        const std::vector<std::int64_t> target = network
                                                     ? std::vector<std::int64_t>{0, 192, 168, 0, 51}
                                                     : std::vector<std::int64_t>{0, 0};

        rig.send(tabs::NewPassword, "Secret1");
        rig.tab.Opt9[tabs::LockPrinter].setValue(true);
        rig.tab.Text9_2[0].setText("ignored");  // locking sends no password, whatever the box holds
        rig.boxes.answerNext(Answer::Ok);
        rig.tab.Cmd9[tabs::kUpdateButton].click();
        EXPECT_EQ(rig.tab.Label9_1.caption(), "Security Lock");
        EXPECT_EQ(rig.selected(), tabs::UnlockPrinter);
        rig.send(tabs::UnlockPrinter, "Secret1");
        EXPECT_EQ(rig.tab.Label9_1.caption(), "Security Unlock");
        EXPECT_EQ(rig.selected(), tabs::LockPrinter);
        rig.send(tabs::DeletePassword, "Secret1");
        rig.send(tabs::UnlockPrinter, "");

        const std::vector<SentLock> expected = {
            {0x20, 7, bytes("Secret1"), target}, {0x23, 0, Buffer{}, target},
            {0x22, 7, bytes("Secret1"), target}, {0x21, 7, bytes("Secret1"), target},
            {0x22, 0, Buffer{}, target},
        };
        EXPECT_EQ(rig.sent(), expected) << (network ? "network" : "usb");
        // The last unlock found no password any more: the catalogue says so.
        EXPECT_EQ(rig.lastBox(),
                  "Security key has not been specified. The security lock function is not "
                  "enabled.");
        EXPECT_FALSE((network ? rig.world.network(0) : rig.world.usb(0)).hasPassword());
    }
}

TEST(SecurityLockTab, AWrongPasswordIsRefusedByThePrinterAndTheLockStays) {
    SecurityLockRig rig;
    rig.show();
    rig.send(tabs::NewPassword, "right");
    rig.send(tabs::LockPrinter, "");
    ASSERT_TRUE(rig.world.usb(0).locked());
    rig.boxes.clear();

    rig.send(tabs::UnlockPrinter, "wrong");
    EXPECT_EQ(rig.lastBox(), "Entry does not match the preset security key.");
    EXPECT_TRUE(rig.world.usb(0).locked());
    EXPECT_EQ(rig.tab.Label9_1.caption(), "Security Lock");
    EXPECT_EQ(rig.selected(), tabs::UnlockPrinter);
    EXPECT_EQ(rig.tab.Text9_2[0].text(), "");  // refilled after the command

    rig.send(tabs::UnlockPrinter, "right");
    EXPECT_FALSE(rig.world.usb(0).locked());
    EXPECT_EQ(rig.tab.Label9_1.caption(), "Security Unlock");
}

TEST(SecurityLockTab, MismatchedOrUnsendablePasswordsSendNothingButTheTabIsStillReread) {
    SecurityLockRig rig;
    rig.show();
    struct Case {
        int action;
        std::string password, again;
        const char* message;
    };
    const Case refused[] = {
        {tabs::NewPassword, "Secret", "secret", tabs::kPasswordMismatch},  // case matters
        {tabs::NewPassword, "abc", "abcd", tabs::kPasswordMismatch},
        {tabs::NewPassword, "pass\xE2\x82\xAC", "", tabs::kPasswordNotSingleByte},  // euro sign
        {tabs::UnlockPrinter, "\xE5\xAF\x86\xE7\xA0\x81", "", tabs::kPasswordNotSingleByte},
        {tabs::DeletePassword, "ab\xC3", "", tabs::kPasswordNotSingleByte},  // cut-off character
    };
    for (const Case& c : refused) {
        rig.world.clearCalls();
        rig.send(c.action, c.password, c.again);
        EXPECT_EQ(rig.lastBox(), c.message) << c.password;
        EXPECT_EQ(rig.boxes.shown().back().icon, ui::Icon::Warning);
        EXPECT_EQ(rig.world.countCalls("KQCMD_ModeSense"), 1) << c.password;  // read again
        EXPECT_EQ(rig.tab.Text9_2[0].text(), "") << c.password;
    }
    EXPECT_TRUE(rig.sent().empty());
    EXPECT_FALSE(rig.world.usb(0).hasPassword());

    // Characters with a single-byte code go as that one byte each.
    rig.send(tabs::NewPassword, "caf\xC3\xA9\xC3\xBF");  // "café" and y with diaeresis
    ASSERT_EQ(rig.sent().size(), 1u);
    EXPECT_EQ(rig.sent()[0].length, 5);
    EXPECT_EQ(rig.sent()[0].buffer, (Buffer{'c', 'a', 'f', 0xE9, 0xFF, 0, 0, 0}));
}

// A lock command is sent once: a retry after a first attempt that took
// effect would be refused and report an error for a command that worked.
// Its failure is told first; the tab is read again and filled after the box.
TEST(SecurityLockTab, ACommandIsSentOnceAndItsFailureIsToldBeforeTheTabIsFilledAgain) {
    SecurityLockRig rig;
    rig.show();
    rig.world.scriptResult("KQCMD_SecurityLock", 1, 2);
    rig.world.clearCalls();
    int readsWhileOpen = -1;
    std::string typedWhileOpen;
    rig.boxes.whileOpen = [&](const ui::ShownBox& box) {
        if (box.buttons != ui::Buttons::Ok) return;
        readsWhileOpen = rig.world.countCalls("KQCMD_ModeSense");
        typedWhileOpen = rig.tab.Text9_2[0].text();
    };
    rig.send(tabs::NewPassword, "pw");
    ASSERT_EQ(rig.usbLibrary.sent.size(), 1u);
    EXPECT_EQ(rig.usbLibrary.sent[0].operation, 0x20);
    EXPECT_EQ(rig.usbLibrary.sent[0].buffer, bytes("pw"));
    EXPECT_EQ(rig.loop.now(), 0);  // no pause
    ASSERT_EQ(rig.boxes.shown().size(), 2u);
    EXPECT_EQ(rig.boxes.shown()[1].icon, ui::Icon::Warning);
    EXPECT_EQ(readsWhileOpen, 0);
    EXPECT_EQ(typedWhileOpen, "pw");
    EXPECT_EQ(rig.world.countCalls("KQCMD_ModeSense"), 1);
    EXPECT_EQ(rig.tab.Text9_2[0].text(), "");
}

TEST(SecurityLockTab, PasswordBoxesFollowTheChosenAction) {
    SecurityLockRig rig;
    rig.world.usb(0).setLocked(true);
    rig.show();
    EXPECT_EQ(rig.tab.Label9_1.caption(), "Security Lock");
    EXPECT_EQ(rig.selected(), tabs::UnlockPrinter);
    EXPECT_TRUE(rig.tab.Text9_2[0].enabled());
    EXPECT_FALSE(rig.tab.Text9_2[1].enabled());

    struct Case {
        int action;
        bool first, second;
    };
    const Case cases[] = {{tabs::LockPrinter, false, false},
                          {tabs::NewPassword, true, true},
                          {tabs::DeletePassword, true, false},
                          {tabs::UnlockPrinter, true, false},
                          {tabs::LockPrinter, false, false}};
    rig.tab.Text9_2[0].setText("typed");
    rig.tab.Text9_2[1].setText("typed");
    for (const Case& c : cases) {
        rig.tab.Opt9[static_cast<std::size_t>(c.action)].setValue(true);
        for (int box = 0; box < 2; ++box) {
            const ui::TextBox& text = rig.tab.Text9_2[static_cast<std::size_t>(box)];
            const bool open = box == 0 ? c.first : c.second;
            EXPECT_EQ(text.enabled(), open) << c.action << box;
            EXPECT_EQ(text.backColour(), open ? ui::kWhite : 0xFFFFC0u) << c.action << box;
            EXPECT_EQ(text.text(), "") << c.action << box;
            EXPECT_EQ(text.passwordChar(), '*');
            EXPECT_EQ(text.maxLength(), 8);
        }
        rig.tab.Text9_2[0].setText("typed again");
    }
    EXPECT_EQ(rig.tab.Text9_2[0].text(), "typed ag");  // eight characters at most
}

TEST(SecurityLockTab, WithoutALockUnitTheTabIsEmptyAndUpdateOnlyAnswersWithoutAPrinter) {
    SecurityLockRig rig;
    rig.show();
    rig.world.usb(0).setOption(46, 0);
    rig.readTab();
    rig.tab.fill();
    EXPECT_EQ(rig.tab.Label9_1.caption(), "");
    for (const auto& option : rig.tab.Opt9) {
        EXPECT_FALSE(option.value()) << option.name();
        EXPECT_FALSE(option.enabled()) << option.name();
    }
    EXPECT_FALSE(rig.tab.Cmd9[tabs::kUpdateButton].enabled());
    EXPECT_TRUE(rig.tab.Cmd9[tabs::kRefreshButton].enabled());

    rig.state.printerCount = 0;
    rig.tab.fill();
    EXPECT_TRUE(rig.tab.Cmd9[tabs::kUpdateButton].enabled());
    rig.tab.Cmd9[tabs::kUpdateButton].click();
    EXPECT_EQ(rig.lastBox(), "Printer is not found.");
    EXPECT_TRUE(rig.sent().empty());

    rig.administrator = false;
    rig.tab.setup();
    EXPECT_FALSE(rig.tab.Cmd9[tabs::kUpdateButton].enabled());
    rig.granted[9] = true;
    rig.tab.setup();
    EXPECT_TRUE(rig.tab.Cmd9[tabs::kUpdateButton].enabled());
}

}  // namespace
}  // namespace orvan::testing
