#pragma once
// The "Printer Select" tab: which printer the monitor watches (the printer
// combo, Scan Printer) and the printer's own network settings of page 0x2D:
// name, default interface, IPv4 addresses, session timeout, the IPsec switch
// and the printer clock. The IPv6 settings and the IPsec keys are edited in
// dialogs opened from here. Network settings change only over USB; over the
// network the tab shows the address in use and writes the name alone.
#include <array>
#include <functional>
#include <memory>

#include "link/link_plan.h"
#include "link/net_requests.h"
#include "link/pages.h"
#include "network/ipv6_dialogs.h"
#include "network/printer_choice.h"
#include "network/printer_select_shell.h"
#include "tabs/option_pair.h"
#include "tabs/setting_tab_buttons.h"
#include "tabs/tab_context.h"
#include "ui/control_list.h"
#include "ui/controls.h"

namespace orvan::network {

class PrinterSelectTab {
  public:
    // Its Designer form, and what the cycles move while it shows.
    static constexpr const char* kForm = "printer_select_tab";
    static inline const link::LinkPlan kLinkPlan{
        .usbReads = {link::modePage(link::kNetworkPage), link::buffer(link::kMacAddressBuffer),
                     link::buffer(link::kIpsecModeBuffer)},
        .netRead = &link::NetworkRequests::networkRead,
        .usbWrites = {link::kNetworkPage},
        .netWrite = &link::NetworkRequests::networkWrite};

    PrinterSelectTab(tabs::TabContext context, PrinterSelectShell shell);
    PrinterSelectTab(const PrinterSelectTab&) = delete;
    PrinterSelectTab& operator=(const PrinterSelectTab&) = delete;

    // Once at start: the timeout list, the editable printer combo, and the
    // buttons for those allowed to change the printer.
    void setup();
    // The current printer's state into the controls.
    void fill();
    // A position of the printer combo was chosen; the shell calls it.
    void comboClicked() { choice_.clicked(); }

    ui::ControlList controls();

    // Opens the IPsec dialog; the shell fills it in once there is one.
    std::function<void()> openIpsecDialog;

    // Where "Sync Time" reads the workstation's clock (a test's fixed time).
    void readClockWith(std::function<std::tm()> localTime) {
        shell_.localTime = std::move(localTime);
    }

    // Whether IPsec was on when the tab was last filled; an Update that
    // finds it switched off clears the printer's IPsec mode.
    bool ipsecAtLoad() const { return ipsecAtLoad_; }
    const PrinterChoice& choice() const { return choice_; }

    // "Current Printer": the printer combo (the shell's), the address family
    // a typed address is read in, and "Scan Printer".
    ui::ComboBox& Combo7_1;
    tabs::OptionPair Option7_5{ui::OptionButton{"Option7_5[0]"}, ui::OptionButton{"Option7_5[1]"}};
    ui::Button Command7_1{"Command7_1"};

    // [0] printer name; [1]-[3] IPv4 address, subnet mask, default gateway.
    std::array<ui::TextBox, 4> Text7{ui::TextBox{"Text7[0]"}, ui::TextBox{"Text7[1]"},
                                     ui::TextBox{"Text7[2]"}, ui::TextBox{"Text7[3]"}};
    // "Default Interface": Network, USB.
    tabs::OptionPair Option7_1{ui::OptionButton{"Option7_1[0]"}, ui::OptionButton{"Option7_1[1]"}};
    // "IPv4 Network Setting": automatic, static.
    tabs::OptionPair Option7_2{ui::OptionButton{"Option7_2[0]"}, ui::OptionButton{"Option7_2[1]"}};
    // [0]-[2] the captions of Text7[1]-[3]; [5] "Current Address", [6] its value.
    std::array<std::unique_ptr<ui::Label>, 7> Label7_3;
    // "IPv6 Network Setting": the mode and "Details ...".
    tabs::OptionPair Option7_6{ui::OptionButton{"Option7_6[0]"}, ui::OptionButton{"Option7_6[1]"}};
    ui::Button Command7_4{"Command7_4"};
    ui::ComboBox Combo7_2{"Combo7_2"};                   // "Session Timeout"
    std::array<std::unique_ptr<ui::Label>, 3> Label7_4;  // [2] the MAC address
    // "Security Setting": the IPsec switch, the method and "Details ...".
    tabs::OptionPair Option7_3{ui::OptionButton{"Option7_3[0]"}, ui::OptionButton{"Option7_3[1]"}};
    tabs::OptionPair Option7_4{ui::OptionButton{"Option7_4[0]"}, ui::OptionButton{"Option7_4[1]"}};
    ui::Button Command7_2{"Command7_2"};
    ui::Button Command7_3{"Command7_3"};  // "Sync Time"
    std::array<ui::Button, 2> Cmd7{ui::Button{"Cmd7[0]"}, ui::Button{"Cmd7[1]"}};

    Ipv6SettingForm ipv6Setting;
    Ipv6PropertyForm ipv6Property;

    ui::Label& label7_3(std::size_t index) { return *Label7_3[index]; }
    ui::Label& label7_4(std::size_t index) { return *Label7_4[index]; }

    // What the IPsec dialog reapplies and repeats: the IPsec switch, the
    // method display as stored, and "Sync Time" (which reports its own
    // failure and returns the result).
    void showIpsecSwitch(bool enabled);
    void showIpsecMethod();
    link::ResultCode syncTime();
    // The printer's IPsec mode was read outside a fill (the key download's
    // read-back): what it holds now is what a later Update compares against.
    void ipsecModeRead() { ipsecAtLoad_ = context_.data.image.IpsecEnabled != 0; }

  private:
    void wire();
    bool allowed() const;
    bool overNetwork() const;
    void fillWithoutPrinter();
    void showValues();
    void enableForConnection();
    void showAddressMode(bool staticMode);

    link::ResultCode update();
    bool collectUsbSettings();
    link::ResultCode switchIpsecOffIfAsked();
    void openIpv6();
    void openIpsec();

    tabs::TabContext context_;
    PrinterSelectShell shell_;
    tabs::SettingTabButtons buttons_;
    PrinterChoice choice_;
    bool ipsecAtLoad_ = false;
};

}  // namespace orvan::network
