#include "network/printer_select_tab.h"

#include <cstdio>
#include <string>
#include <vector>

#include "link/conversions.h"
#include "link/link_guard.h"
#include "network/ipv4_fields.h"
#include "network/printer_name.h"

namespace orvan::network {
namespace {

constexpr const char* kTimeoutItems[] = {"None", "10min", "20min", "30min", "60min"};
constexpr int kTimeoutCount = 5;

// Label7_3 indexes.
constexpr std::size_t kAddressCaptions[] = {0, 1, 2};
constexpr std::size_t kCurrentAddressCaption = 5;
constexpr std::size_t kCurrentAddress = 6;
constexpr std::size_t kMacAddress = 2;  // of Label7_4

// Every option pair of the tab, each kept exclusive.
constexpr tabs::OptionPair PrinterSelectTab::*kPairs[] = {
    &PrinterSelectTab::Option7_5, &PrinterSelectTab::Option7_1, &PrinterSelectTab::Option7_2,
    &PrinterSelectTab::Option7_6, &PrinterSelectTab::Option7_3, &PrinterSelectTab::Option7_4};

// The pairs that show the printer's settings (not the address family).
constexpr tabs::OptionPair PrinterSelectTab::*kSettingPairs[] = {
    &PrinterSelectTab::Option7_1, &PrinterSelectTab::Option7_2, &PrinterSelectTab::Option7_3,
    &PrinterSelectTab::Option7_4, &PrinterSelectTab::Option7_6};

// Six bytes as "02-4F-52-56-00-50".
std::string macText(const std::array<std::uint8_t, 6>& mac) {
    std::string text;
    for (std::uint8_t byte : mac) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        if (!text.empty()) text += '-';
        text += hex;
    }
    return text;
}

void showField(ui::Control& field, bool enabled) {
    field.setEnabled(enabled);
    field.setBackColour(enabled ? ui::kWhite : ui::kLightCyan);
}

}  // namespace

PrinterSelectTab::PrinterSelectTab(tabs::TabContext context, PrinterSelectShell shell)
    : Combo7_1(shell.printerCombo),
      ipv6Setting(context, kLinkPlan, shell.loop),
      ipv6Property(context, kLinkPlan, shell.loop),
      context_(std::move(context)),
      shell_(std::move(shell)),
      buttons_(context_.link, kLinkPlan,
               tabs::SettingTabSteps{[this] { fill(); }, {}, [this] { return update(); }}),
      choice_(context_, shell_, [this] { fill(); }) {
    for (std::size_t i :
         {std::size_t{0}, std::size_t{1}, std::size_t{2}, kCurrentAddressCaption, kCurrentAddress})
        Label7_3[i] = std::make_unique<ui::Label>(ui::indexed("Label7_3", static_cast<int>(i)));
    Label7_4[kMacAddress] = std::make_unique<ui::Label>(ui::indexed("Label7_4", kMacAddress));
    for (auto pair : kPairs) tabs::groupPair(this->*pair);
    Text7[0].setMaxLength(static_cast<int>(kPrinterNameLength));
    wire();
}

void PrinterSelectTab::wire() {
    const link::LinkState& state = context_.link.state;
    buttons_.wire(Cmd7[tabs::kUpdateButton], Cmd7[tabs::kRefreshButton]);
    // Update and Refresh start the monitor again, whatever they did.
    for (ui::Button& button : Cmd7) {
        button.onClick = [this, handler = std::move(button.onClick)] {
            handler();
            shell_.runMonitor(true);
        };
    }
    Command7_1.onClick = link::whenLinkIdle(state, [this] { choice_.scan(Option7_5[1].value()); });
    Command7_3.onClick = link::whenLinkIdle(state, [this] { syncTime(); });
    Command7_4.onClick = link::whenLinkIdle(state, [this] { openIpv6(); });
    Command7_2.onClick = link::whenLinkIdle(state, [this] { openIpsec(); });
    // While the user works in the printer list, no status poll runs.
    Combo7_1.onGotFocus = [this] { shell_.runMonitor(false); };
    for (int i = 0; i < 2; ++i) {
        Option7_2[i].onClick = [this, i] { showAddressMode(i == 1); };
        Option7_3[i].onClick = [this, i] { showIpsecSwitch(i == 1); };
        // The method is shown as stored; only the IPsec dialog changes it.
        Option7_4[i].onClick = [this] { showIpsecMethod(); };
    }
}

ui::ControlList PrinterSelectTab::controls() {
    ui::ControlList list{Combo7_1,  Option7_5,  Command7_1, Text7,    Option7_1,
                         Option7_2, Option7_6,  Command7_4, Combo7_2, Option7_3,
                         Option7_4, Command7_2, Command7_3, Cmd7};
    list.add(Label7_3);
    list.add(Label7_4);
    return list;
}

bool PrinterSelectTab::allowed() const {
    return context_.open(kPrinterSelectRight);
}

bool PrinterSelectTab::overNetwork() const {
    return context_.link.state.network();
}

void PrinterSelectTab::setup() {
    Combo7_1.setEditable(true);
    Combo7_2.clear();
    for (const char* item : kTimeoutItems) Combo7_2.addItem(item);
    Cmd7[tabs::kUpdateButton].setEnabled(allowed());
    if (!allowed()) {
        Command7_2.setEnabled(false);
        Command7_3.setEnabled(false);
    }
}

void PrinterSelectTab::fill() {
    Option7_5[context_.link.state.preferIPv6 ? 1 : 0].setValue(true);
    if (!context_.connected()) {
        fillWithoutPrinter();
        return;
    }
    showValues();
    enableForConnection();
}

void PrinterSelectTab::fillWithoutPrinter() {
    for (ui::TextBox& box : Text7) box.setText("");
    label7_3(kCurrentAddress).setCaption("");
    label7_4(kMacAddress).setCaption("");
    Combo7_2.setListIndex(-1);
    for (auto pair : kSettingPairs) tabs::clearPair(this->*pair);
    // Only the printer list, the name and the two buttons stay usable.
    for (auto pair : kSettingPairs) tabs::enablePair(this->*pair, false);
    for (auto& label : Label7_3)
        if (label) label->setEnabled(false);
    label7_4(kMacAddress).setEnabled(false);
    for (std::size_t i = 1; i < Text7.size(); ++i) showField(Text7[i], false);
    showField(Combo7_2, false);
    for (ui::Button* button : {&Command7_2, &Command7_3, &Command7_4}) button->setEnabled(false);
}

// Steps that select options run their click handling; the enabling that
// follows (enableForConnection) has the last word on what may be changed.
void PrinterSelectTab::showValues() {
    const link::LinkState& state = context_.link.state;
    link::SettingsImage& image = context_.data.image;
    link::NetworkSettingPage& page = image.NetworkSetting;
    Text7[0].setText(PrinterNameText(page));
    Option7_1[page.Byte16 != 0 ? 1 : 0].setValue(true);
    Option7_2[page.Byte15 != 0 ? 1 : 0].setValue(true);
    for (const Ipv4Field& field : kIpv4Fields)
        Text7[field.text].setText(link::FormatIPv4Spaced(ReadIpv4(image, field)));
    if (page.Byte14 < 0 || page.Byte14 >= kTimeoutCount) page.Byte14 = 0;
    Combo7_2.setListIndex(page.Byte14);

    ui::Label& current = label7_3(kCurrentAddress);
    current.setCaption("");
    if (overNetwork() && state.preferIPv6) {
        for (std::size_t i = 1; i < Text7.size(); ++i) Text7[i].setText("");
    } else if (overNetwork()) {
        current.setCaption(link::FormatIPv4(ReadIpv4(image, kIpv4Fields[0])));
        if (page.Byte15 == 0) Text7[1].setText("");
    }
    label7_4(kMacAddress).setCaption(macText(image.MacAddress));

    ipsecAtLoad_ = image.IpsecEnabled != 0;
    showIpsecSwitch(image.IpsecEnabled != 0);
    showIpsecMethod();
    Option7_6[page.Byte30 != 0 ? 1 : 0].setValue(true);
}

// Over the network the printer's settings are shown, not changed: only the
// name, the address in use and the IPv6 addresses remain.
void PrinterSelectTab::enableForConnection() {
    const bool usb = !overNetwork();
    for (auto pair : kSettingPairs) tabs::enablePair(this->*pair, usb);
    for (std::size_t i : kAddressCaptions) label7_3(i).setEnabled(usb);
    label7_3(kCurrentAddressCaption).setEnabled(!usb);
    label7_3(kCurrentAddress).setEnabled(!usb);
    label7_4(kMacAddress).setEnabled(true);
    showField(Combo7_2, usb);
    showAddressMode(usb && Option7_2[1].value());
    Command7_4.setEnabled(true);
    Command7_3.setEnabled(allowed());
    showIpsecSwitch(Option7_3[1].value());
}

void PrinterSelectTab::showAddressMode(bool staticMode) {
    for (std::size_t i = 1; i < Text7.size(); ++i) showField(Text7[i], staticMode);
}

void PrinterSelectTab::showIpsecSwitch(bool enabled) {
    Option7_3[enabled ? 1 : 0].setValue(true);
    Command7_2.setEnabled(enabled && allowed() && !overNetwork());
}

void PrinterSelectTab::showIpsecMethod() {
    switch (context_.data.image.IpsecMode) {
        case 1:
            Option7_4[0].setValue(true);
            break;
        case 2:
            Option7_4[1].setValue(true);
            break;
        default:
            tabs::clearPair(Option7_4);
            break;
    }
}

}  // namespace orvan::network
