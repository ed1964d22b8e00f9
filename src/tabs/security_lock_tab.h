#pragma once
// The "Security Lock" tab: whether the printer is locked (page 0x28 byte 55)
// and the four lock commands. Unlike the other setting tabs it writes no
// page: "Update" sends one command and then reads the printer again, so the
// tab always shows the state the printer reports.
#include <array>
#include <functional>
#include <optional>

#include "link/link_plan.h"
#include "link/net_requests.h"
#include "link/pages.h"
#include "link/result_code.h"
#include "link/security_lock.h"
#include "tabs/setting_tab_buttons.h"
#include "tabs/tab_context.h"
#include "ui/control_list.h"
#include "ui/controls.h"

namespace orvan::tabs {

// Opt9 indexes, one per command.
enum LockAction : int { LockPrinter = 0, UnlockPrinter = 1, NewPassword = 2, DeletePassword = 3 };

// Sends one lock command to the selected printer (link::SendSecurityLock).
using LockSender = std::function<link::ResultCode(link::LockCommand, const link::Password&)>;

inline constexpr const char* kPasswordMismatch = "The passwords you typed do not match.";

class SecurityLockTab {
  public:
    // Its Designer form, and what the cycles move while it shows.
    static constexpr const char* kForm = "security_lock_tab";
    static inline const link::LinkPlan kLinkPlan{
        .usbReads = {link::modePage(link::kPrintConditionPage)},
        .netRead = &link::NetworkRequests::securityLockRead};

    static constexpr int kPasswordLength = 8;

    SecurityLockTab(TabContext context, LockSender sendLock);
    SecurityLockTab(const SecurityLockTab&) = delete;
    SecurityLockTab& operator=(const SecurityLockTab&) = delete;

    // Once at start: "Update" for those allowed to change.
    void setup();
    // Image -> controls.
    void fill();

    ui::ControlList controls();

    ui::Label Label9_1{"Label9_1"};  // the lock state
    // "Security Lock", "Security Unlock", "New Password", "Delete Password".
    std::array<ui::OptionButton, 4> Opt9{ui::OptionButton{"Opt9[0]"}, ui::OptionButton{"Opt9[1]"},
                                         ui::OptionButton{"Opt9[2]"}, ui::OptionButton{"Opt9[3]"}};
    // The password, and the password again (new password only).
    std::array<ui::TextBox, 2> Text9_2{ui::TextBox{"Text9_2[0]"}, ui::TextBox{"Text9_2[1]"}};
    std::array<ui::Button, 2> Cmd9{ui::Button{"Cmd9[0]"}, ui::Button{"Cmd9[1]"}};

  private:
    // Empties both password boxes and opens those the selected command uses.
    void followOption(int action);
    // Sends the selected command, then reads the printer again and refills.
    link::ResultCode update();
    // Nothing when nothing was sent (a refused entry, no lock unit).
    std::optional<link::ResultCode> sendSelected();

    TabContext context_;
    LockSender sendLock_;
    ui::OptionGroup options_;
    SettingTabButtons buttons_;
};

}  // namespace orvan::tabs
