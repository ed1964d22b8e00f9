#include "qt/front_end.h"

#include <QEvent>

#include "qt/accessible_widgets.h"
#include "qt/tab_pages.h"

namespace orvan::qt {

FrontEnd::FrontEnd(shell::Monitor& monitor, QtMessageBoxes& boxes)
    : monitor_(monitor), window_(buildMainWindow(monitor.main())) {
    installAccessibility();
    boxes.setParent(window_.get());
    pages_ = new TabPages(*window_, monitor);
    wait_ = std::make_unique<WaitDialog>(monitor.busyWait().form(), window_.get());
    network::PrinterSelectTab& printerSelect = monitor.settingTabs().printerSelect;
    ipv6Setting_ = std::make_unique<Ipv6SettingDialog>(printerSelect.ipv6Setting, window_.get());
    ipv6Property_ = std::make_unique<Ipv6PropertyDialog>(printerSelect.ipv6Property, window_.get());
    // The administrators dialog belongs to the main window; the Others tab opens it.
    admin_ = new AdminDialog(monitor.adminForm(), window_.get());
    ipsec_ = std::make_unique<IpsecDialog>(monitor.settingTabs().ipsec, window_.get());
    // An activation of the window ends a program that was told to end.
    window_->installEventFilter(this);
}

FrontEnd::~FrontEnd() = default;

bool FrontEnd::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_.get() && event->type() == QEvent::WindowActivate) monitor_.activate();
    return false;
}

}  // namespace orvan::qt
