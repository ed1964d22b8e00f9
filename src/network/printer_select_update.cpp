// What the Printer Select tab's buttons send to the printer: Update (the
// network page, and the IPsec mode when it was switched off), Sync Time, and
// the dialogs behind the two "Details ..." buttons.
#include <array>

#include "link/buffer_writes.h"
#include "link/conversions.h"
#include "network/ipv4_fields.h"
#include "network/network_messages.h"
#include "network/printer_name.h"
#include "network/printer_select_tab.h"
#include "network/typed_address.h"
#include "status/report_failure.h"

namespace orvan::network {

// Everything is checked before anything is stored: a refused field leaves
// the image, the name included, as it was. The IPsec switch goes after the
// busy wait, with the page: a cancelled wait sends neither.
link::ResultCode PrinterSelectTab::update() {
    if (!overNetwork() && !collectUsbSettings()) return 0;
    StorePrinterName(context_.data.image.NetworkSetting, TrimBlanks(Text7[0].text()));
    const bool usb = !overNetwork();
    link::ResultCode ipsec = 0;
    const link::ResultCode result = context_.link.cycles.applyAll(kLinkPlan, [this, usb, &ipsec] {
        if (usb) ipsec = switchIpsecOffIfAsked();
    });
    // Told once everything is written: no box between the busy wait and the page.
    if (ipsec != 0)
        status::ReportFailure(context_.link.boxes, kIpsecModeFailure, ipsec,
                              context_.link.state.statusWord, context_.link.catalogue);
    return result;
}

// The settings only a USB printer takes. In automatic mode the addresses are
// not in use: one that does not read as an address keeps the bytes it had.
bool PrinterSelectTab::collectUsbSettings() {
    const bool staticMode = Option7_2[1].value();
    std::array<std::optional<Ipv4Bytes>, kIpv4Fields.size()> parsed;
    for (std::size_t k = 0; k < kIpv4Fields.size(); ++k) {
        const Ipv4Field& field = kIpv4Fields[k];
        const std::string& typed = Text7[field.text].text();
        Ipv4Bytes bytes{};
        if (link::ParseIPv4(TrimBlanks(typed), 255, bytes) == link::kParseOk) {
            parsed[k] = bytes;
        } else if (staticMode) {
            ReportInvalidInput(context_.link.boxes, std::string(field.tag) + typed);
            return false;
        }
    }
    link::SettingsImage& image = context_.data.image;
    link::NetworkSettingPage& page = image.NetworkSetting;
    page.Byte16 = Option7_1[0].value() ? 0 : 1;
    page.Byte15 = Option7_2[0].value() ? 0 : 1;
    for (std::size_t k = 0; k < kIpv4Fields.size(); ++k)
        if (parsed[k]) StoreIpv4(image, kIpv4Fields[k], *parsed[k]);
    if (Combo7_2.listIndex() >= 0) page.Byte14 = static_cast<std::int16_t>(Combo7_2.listIndex());
    image.IpsecEnabled = Option7_3[0].value() ? 0 : 1;
    image.IpsecMode = Option7_4[0].value() ? 1 : Option7_4[1].value() ? 2 : 0;
    page.Byte30 = Option7_6[0].value() ? 0 : 1;
    return true;
}

// IPsec was on when the tab was filled and the user switched it off: the
// printer's IPsec mode goes to "off". A failure is reported by the caller
// and the network page is written all the same.
link::ResultCode PrinterSelectTab::switchIpsecOffIfAsked() {
    const bool switchedOff = context_.data.image.IpsecEnabled == 0 && ipsecAtLoad_;
    ipsecAtLoad_ = false;
    if (!switchedOff) return 0;
    return link::WriteIpsecMode(shell_.channel, link::IpsecMethod::Off);
}

// Every field of the record comes from one reading of the clock, so the
// turn of a minute cannot set the printer a minute wrong.
link::ResultCode PrinterSelectTab::syncTime() {
    const link::ClockRecord record = link::ClockRecordOf(shell_.localTime());
    const link::ResultCode result = link::SetPrinterClock(shell_.channel, shell_.requests, record);
    if (result != 0)
        status::ReportFailure(context_.link.boxes, kSyncTimeFailure, result,
                              context_.link.state.statusWord, context_.link.catalogue);
    return result;
}

void PrinterSelectTab::openIpv6() {
    if (!context_.connected()) {
        ui::warn(context_.link.boxes, tabs::kPrinterNotFound);
        return;
    }
    if (overNetwork())
        ipv6Property.open();
    else
        ipv6Setting.open(Option7_6[1].value());
}

void PrinterSelectTab::openIpsec() {
    if (overNetwork()) return;
    if (!context_.connected()) {
        ui::warn(context_.link.boxes, tabs::kPrinterNotFound);
        return;
    }
    if (openIpsecDialog) openIpsecDialog();
}

}  // namespace orvan::network
