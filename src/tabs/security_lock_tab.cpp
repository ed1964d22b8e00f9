#include "tabs/security_lock_tab.h"

#include <optional>

#include "link/settings_image.h"

namespace orvan::tabs {
namespace {

constexpr std::size_t kRightIndex = 9;

// One row per option, in Opt9 order: the command it sends and which password
// boxes it uses.
struct ActionRow {
    link::LockCommand command;
    bool usesPassword;
    bool usesConfirmation;
};
constexpr ActionRow kActions[] = {
    {link::LockCommand::Lock, false, false},
    {link::LockCommand::Unlock, true, false},
    {link::LockCommand::NewPassword, true, true},
    {link::LockCommand::DeletePassword, true, false},
};

constexpr const char* kLocked = "Security Lock";
constexpr const char* kUnlocked = "Security Unlock";

void openBox(ui::TextBox& box, bool open) {
    box.setEnabled(open);
    box.setBackColour(open ? ui::kWhite : ui::kLightCyan);
}

}  // namespace

SecurityLockTab::SecurityLockTab(TabContext context, LockSender sendLock)
    : context_(std::move(context)),
      sendLock_(std::move(sendLock)),
      buttons_(context_.link, kLinkPlan,
               SettingTabSteps{[this] { fill(); }, {}, [this] { return update(); }}) {
    for (int i = 0; i < static_cast<int>(Opt9.size()); ++i) {
        ui::OptionButton& option = Opt9[static_cast<std::size_t>(i)];
        options_.add(option);
        option.onClick = [this, i] { followOption(i); };
    }
    for (auto& box : Text9_2) {
        box.setMaxLength(kPasswordLength);
        box.setPasswordChar('*');
    }
    buttons_.wire(Cmd9[kUpdateButton], Cmd9[kRefreshButton]);
}

ui::ControlList SecurityLockTab::controls() {
    return {Label9_1, Opt9, Text9_2, Cmd9};
}

void SecurityLockTab::setup() {
    Cmd9[kUpdateButton].setEnabled(context_.open(kRightIndex));
}

void SecurityLockTab::followOption(int action) {
    const ActionRow& row = kActions[action];
    for (auto& box : Text9_2) box.setText("");
    openBox(Text9_2[0], row.usesPassword);
    openBox(Text9_2[1], row.usesConfirmation);
}

void SecurityLockTab::fill() {
    const bool printerFound = context_.connected();
    if (printerFound && context_.data.identity.Option46() != 0) {
        for (auto& option : Opt9) option.setEnabled(true);
        const bool locked = context_.data.image.PrintCondition.Byte55 != 0;
        Label9_1.setCaption(locked ? kLocked : kUnlocked);
        // What can be done next: a locked printer is unlocked, any other locked.
        const int next = locked ? UnlockPrinter : LockPrinter;
        options_.select(next);
        followOption(next);  // also when that option was selected already
        Cmd9[kUpdateButton].setEnabled(context_.open(kRightIndex));
        return;
    }
    Label9_1.setCaption("");
    for (auto& option : Opt9) {
        option.setValue(false);
        option.setEnabled(false);
    }
    for (auto& box : Text9_2) box.setText("");
    // A printer without a lock unit has nothing to send; without any printer
    // "Update" answers that none is found.
    Cmd9[kUpdateButton].setEnabled(!printerFound && context_.open(kRightIndex));
}

// The printer's answer is only a result code: what it did shows in the
// lock state read again afterwards, whatever the command answered. A failure
// is told first, so the tab is filled from the state after the box.
link::ResultCode SecurityLockTab::update() {
    const std::optional<link::ResultCode> sent = sendSelected();
    const link::ResultCode result = sent.value_or(0);
    if (result != 0)
        ui::warn(context_.link.boxes,
                 context_.link.catalogue.DescribeCode(result, context_.link.state.statusWord));
    else if (sent && kActions[options_.selected()].command == link::LockCommand::NewPassword &&
             context_.link.done)
        context_.link.done(kPasswordSet);
    context_.link.cycles.readAll(kLinkPlan);
    fill();
    return 0;  // reported above
}

std::optional<link::ResultCode> SecurityLockTab::sendSelected() {
    const int action = options_.selected();
    if (action < 0) return std::nullopt;  // no lock unit on screen: nothing to send
    const ActionRow& row = kActions[action];
    if (row.usesConfirmation && Text9_2[0].text() != Text9_2[1].text()) {
        ui::warn(context_.link.boxes, kPasswordMismatch);
        return std::nullopt;
    }
    link::Password password;  // locking sends no password: length 0, all bytes 0
    if (row.usesPassword) {
        std::optional<link::Password> typed = link::PasswordFromText(Text9_2[0].text());
        if (!typed) {
            ui::warn(context_.link.boxes, kPasswordNotSingleByte);
            return std::nullopt;
        }
        password = *typed;
    }
    if (!sendLock_) return std::nullopt;
    const link::ResultCode result = sendLock_(row.command, password);
    password.wipe();
    return result;
}

}  // namespace orvan::tabs
