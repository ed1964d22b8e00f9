#include "network/ipsec_dialog.h"

#include "link/link_guard.h"
#include "link/password.h"
#include "network/printer_select_tab.h"
#include "tabs/setting_tab_buttons.h"

namespace orvan::network {

IpsecForm::IpsecForm(tabs::TabContext context, IpsecLinks links, PrinterSelectTab& tab)
    : prompt(links.loop),
      chooser(context, links.loop, links.files, links.programDirectory,
              [this](DownloadType type, std::span<const std::uint8_t> file) {
                  return download_.run(type, file);
              }),
      context_(std::move(context)),
      loop_(links.loop),
      tab_(tab),
      download_(context_, DownloadLinks{links.channel, links.pages, links.common}, prompt, tab) {
    for (const DownloadTypeRow& row : kDownloadTypes) Combo1.addItem(row.item);
    Command1.onClick = [this] { select(); };
    Command2.onClick = [this] { close(); };
    // The close box shows the new state on the tab as "Close" does.
    form.onCloseRequested = [this] { close(); };
}

ui::ControlList IpsecForm::controls() {
    return {form, Combo1, Command1, Command2};
}

void IpsecForm::open() {
    Combo1.setListIndex(0);
    const link::SettingsImage& image = context_.data.image;
    enabledAtOpen_ = image.IpsecEnabled;
    methodAtOpen_ = image.IpsecMode;
    {
        const link::PinnedPrinter pinned(context_.link.state);
        form.showModal(loop_);
    }
    // The password is kept between attempts, not beyond the dialog.
    prompt.forget();
}

void IpsecForm::select() {
    if (!context_.connected()) {
        ui::warn(context_.link.boxes, tabs::kPrinterNotFound);
        return;
    }
    chooser.open(DownloadTypeAt(Combo1.listIndex()).type);
}

void IpsecForm::close() {
    const link::SettingsImage& image = context_.data.image;
    if (image.IpsecEnabled != enabledAtOpen_) tab_.showIpsecSwitch(image.IpsecEnabled != 0);
    if (image.IpsecMode != methodAtOpen_) tab_.showIpsecMethod();
    form.setVisible(false);
}

}  // namespace orvan::network
