#include "network/ipv6_dialogs.h"

#include <cmath>

#include "link/conversions.h"
#include "link/link_guard.h"
#include "network/network_messages.h"

namespace orvan::network {
namespace {

constexpr int kLongestPrefix = 128;
// Room for the longest address (39 characters) and the blank shown before it.
constexpr int kAddressLength = 40;
// " 255": the widest prefix byte the page can hold, as the fill shows it.
constexpr int kPrefixLength = 4;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// " " and the address's text form; nothing after the blank for all zeros.
std::string shownAddress(const link::AddressBytes& address) {
    return " " + link::FormatIPv6(address).text;
}

// "Close" closes only while a printer is found; the window's close box
// always does.
void wireClose(ui::Form& form, ui::Button& close, const tabs::TabContext& context) {
    close.onClick = [&form, &context] {
        if (!context.connected()) {
            ui::warn(context.link.boxes, tabs::kPrinterNotFound);
            return;
        }
        form.setVisible(false);
    };
    form.onCloseRequested = [&form] { form.setVisible(false); };
}

}  // namespace

std::optional<int> PrefixLength(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    double value = 0;
    bool digits = false;
    for (; i < text.size() && isDigit(text[i]); ++i, digits = true)
        value = std::min(value * 10 + (text[i] - '0'), 1e6);
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && isDigit(text[i]); ++i, scale /= 10, digits = true)
            value += (text[i] - '0') * scale;
    }
    if (!digits) return std::nullopt;
    const double rounded = std::nearbyint(negative ? -value : value);  // half to even
    if (rounded < 0 || rounded > kLongestPrefix) return std::nullopt;
    return static_cast<int>(rounded);
}

// ---- "IPv6 Setting" ---------------------------------------------------------

Ipv6SettingForm::Ipv6SettingForm(tabs::TabContext context, const link::LinkPlan& plan,
                                 ui::EventLoop& loop)
    : context_(std::move(context)),
      plan_(plan),
      loop_(loop),
      buttons_(context_.link, plan,
               tabs::SettingTabSteps{[this] { refreshed(); }, {}, [this] { return update(); }}) {
    for (std::size_t index : {kAddressText, kGatewayText, kPrefixText}) {
        Text1[index] = std::make_unique<ui::TextBox>(ui::indexed("Text1", static_cast<int>(index)));
        Text1[index]->setMaxLength(index == kPrefixText ? kPrefixLength : kAddressLength);
    }
    buttons_.wire(Cmd1[kDialogUpdate], Cmd1[kDialogRefresh]);
    wireClose(form, Cmd1[kDialogClose], context_);
}

ui::ControlList Ipv6SettingForm::controls() {
    ui::ControlList list{form, Cmd1};
    list.add(Text1);
    return list;
}

void Ipv6SettingForm::open(bool staticMode) {
    // The mode chosen on the tab goes into the image at once; it is sent with
    // the next write of the network page, here or on the tab.
    context_.data.image.NetworkSetting.Byte30 = staticMode ? 1 : 0;
    showMode(staticMode);
    fill();
    const link::PinnedPrinter pinned(context_.link.state);
    form.showModal(loop_);
}

void Ipv6SettingForm::showMode(bool staticMode) {
    staticMode_ = staticMode;
    Cmd1[kDialogUpdate].setEnabled(staticMode && context_.open(kPrinterSelectRight));
}

// A refresh reads the printer's address mode with its addresses: the dialog
// shows that mode, and an Update sends the mode shown.
void Ipv6SettingForm::refreshed() {
    showMode(context_.data.image.NetworkSetting.Byte30 != 0);
    fill();
}

void Ipv6SettingForm::fill() {
    const link::NetworkSettingPage& page = context_.data.image.NetworkSetting;
    for (const auto& box : Text1) {
        if (!box) continue;
        box->setEnabled(staticMode_);
        box->setBackColour(staticMode_ ? ui::kWhite : ui::kLightCyan);
    }
    text1(kAddressText).setText(shownAddress(page.Block47));
    text1(kGatewayText).setText(shownAddress(page.Block31));
    text1(kPrefixText).setText(link::NumberText(page.Byte29));
}

// All three fields are read before anything is stored: a field that fails
// leaves the image as it was, so no later write of the network page can
// carry half of what the user typed.
link::ResultCode Ipv6SettingForm::update() {
    link::AddressBytes address{}, gateway{};
    ui::MessageBoxes& boxes = context_.link.boxes;
    if (!link::ParseIPv6(text1(kAddressText).text(), address)) {
        ReportInvalidInput(boxes, "<IPv6 Address>");
        return 0;
    }
    // An unset gateway is shown blank; blank reads back as unset (all zero).
    const std::string& gatewayText = text1(kGatewayText).text();
    const bool gatewayUnset = gatewayText.find_first_not_of(" \t") == std::string::npos;
    if (!gatewayUnset && !link::ParseIPv6(gatewayText, gateway)) {
        ReportInvalidInput(boxes, "<Default Gateway>");
        return 0;
    }
    const auto prefix = PrefixLength(text1(kPrefixText).text());
    if (!prefix) {
        ReportInvalidInput(boxes, "<Subnet Prefix Length>");
        return 0;
    }
    link::NetworkSettingPage& page = context_.data.image.NetworkSetting;
    page.Block47 = address;
    page.Block31 = gateway;
    page.Byte29 = static_cast<std::int16_t>(*prefix);
    return context_.link.cycles.applyAll(plan_);
}

// ---- "IPv6 Property" ----------------------------------------------------------

Ipv6PropertyForm::Ipv6PropertyForm(tabs::TabContext context, const link::LinkPlan& plan,
                                   ui::EventLoop& loop)
    : context_(std::move(context)),
      loop_(loop),
      buttons_(context_.link, plan, tabs::SettingTabSteps{[this] { fill(); }, {}, {}}) {
    for (int n = 1; n <= 3; ++n)
        Label1[static_cast<std::size_t>(n)] = std::make_unique<ui::Label>(ui::indexed("Label1", n));
    for (int index : {kDialogRefresh, kDialogClose})
        Cmd1[static_cast<std::size_t>(index)] =
            std::make_unique<ui::Button>(ui::indexed("Cmd1", index));
    Cmd1[kDialogRefresh]->onClick =
        link::whenLinkIdle(context_.link.state, [this] { buttons_.click(tabs::kRefreshButton); });
    wireClose(form, *Cmd1[kDialogClose], context_);
}

ui::ControlList Ipv6PropertyForm::controls() {
    ui::ControlList list{form};
    list.add(Label1);
    list.add(Cmd1);
    return list;
}

void Ipv6PropertyForm::open() {
    fill();
    const link::PinnedPrinter pinned(context_.link.state);
    form.showModal(loop_);
}

void Ipv6PropertyForm::fill() {
    const auto& blocks = context_.data.image.NetIPv6Blocks;
    for (std::size_t n = 1; n <= blocks.size(); ++n)
        label1(n).setCaption(shownAddress(blocks[n - 1]));
}

}  // namespace orvan::network
