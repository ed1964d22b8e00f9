#pragma once
// The two IPv6 dialogs of the Printer Select tab, shown modally over the main
// window: "IPv6 Setting" edits the static address, gateway and prefix length
// of a USB printer; "IPv6 Property" shows the addresses a network printer is
// using. Every button first checks that a printer is found.
#include <array>
#include <memory>
#include <optional>
#include <string_view>

#include "tabs/setting_tab_buttons.h"
#include "tabs/tab_context.h"
#include "ui/control_list.h"
#include "ui/controls.h"
#include "ui/event_loop.h"
#include "ui/form.h"

namespace orvan::network {

// Rights index of the Printer Select tab and its dialogs.
inline constexpr std::size_t kPrinterSelectRight = 7;

// Buttons of both dialogs.
inline constexpr int kDialogUpdate = 0;
inline constexpr int kDialogRefresh = 1;
inline constexpr int kDialogClose = 2;

// Text1 indexes of the setting dialog.
inline constexpr std::size_t kAddressText = 0;
inline constexpr std::size_t kGatewayText = 4;
inline constexpr std::size_t kPrefixText = 5;

// The prefix length a text gives: its number rounded to a whole one (half
// to even), when it has one and that lies in 0-128.
std::optional<int> PrefixLength(std::string_view text);

class Ipv6SettingForm {
  public:
    static constexpr const char* kForm = "ipv6_setting_dialog";  // its Designer form

    // `plan` is the pages of the tab that opens it.
    Ipv6SettingForm(tabs::TabContext context, const link::LinkPlan& plan, ui::EventLoop& loop);
    Ipv6SettingForm(const Ipv6SettingForm&) = delete;
    Ipv6SettingForm& operator=(const Ipv6SettingForm&) = delete;

    // Opens the dialog for the address mode chosen on the tab (true:
    // "Use the following IP Address") and returns once it is closed.
    void open(bool staticMode);

    ui::ControlList controls();

    ui::Form form{"Ipv6SettingForm"};
    std::array<std::unique_ptr<ui::TextBox>, 6> Text1;  // 0 address, 4 gateway, 5 prefix
    std::array<ui::Button, 3> Cmd1{ui::Button{"Cmd1[0]"}, ui::Button{"Cmd1[1]"},
                                   ui::Button{"Cmd1[2]"}};

    ui::TextBox& text1(std::size_t index) { return *Text1[index]; }

  private:
    void showMode(bool staticMode);
    void refreshed();
    void fill();
    link::ResultCode update();

    tabs::TabContext context_;
    const link::LinkPlan& plan_;
    ui::EventLoop& loop_;
    tabs::SettingTabButtons buttons_;
    bool staticMode_ = false;
};

class Ipv6PropertyForm {
  public:
    static constexpr const char* kForm = "ipv6_property_dialog";  // its Designer form

    Ipv6PropertyForm(tabs::TabContext context, const link::LinkPlan& plan, ui::EventLoop& loop);
    Ipv6PropertyForm(const Ipv6PropertyForm&) = delete;
    Ipv6PropertyForm& operator=(const Ipv6PropertyForm&) = delete;

    // Opens the dialog and returns once it is closed.
    void open();

    ui::ControlList controls();

    ui::Form form{"Ipv6PropertyForm"};
    std::array<std::unique_ptr<ui::Label>, 4> Label1;  // 1-3: the effective addresses
    std::array<std::unique_ptr<ui::Button>, 3> Cmd1;   // 1 "Refresh", 2 "Close"
    ui::Label& label1(std::size_t index) { return *Label1[index]; }

  private:
    void fill();

    tabs::TabContext context_;
    ui::EventLoop& loop_;
    tabs::SettingTabButtons buttons_;
};

}  // namespace orvan::network
