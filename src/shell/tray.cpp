// The tray icon's gestures and its popup menu.
#include "link/link_guard.h"
#include "shell/monitor.h"

namespace orvan::shell {

void Monitor::wireTrayMenu() {
    // Both items start link operations (a refresh, a tab switch).
    main_.MenuItem[MenuOpen].onClick =
        link::whenLinkIdle(state_, [this] { menuItemChosen(MenuOpen); });
    main_.MenuItem[MenuVersion].onClick =
        link::whenLinkIdle(state_, [this] { menuItemChosen(MenuVersion); });
    // The history window reads the store, never the printer.
    main_.MenuItem[MenuHistory].onClick = [this] {
        if (!ended_) openHistory();
    };
}

// The icon only answers while the window is hidden; while its menu is up a
// second gesture would open another one inside it.
void Monitor::trayMouse(int message) {
    if (ended_ || main_.form.seen() || trayMenuOpen_) return;
    if (message == kTrayDoubleClick) {
        link::whenLinkIdle(state_, [this] {
            if (state_.pinnedScreens == 0) openOnStatusTab();
            bringWindowForward();
        })();
    } else if (message == kTrayRightButton) {
        popUpTrayMenu();
    }
}

// The window comes back on a fresh Status tab: the printer's identity and
// status, then the tab's pages.
void Monitor::openOnStatusTab() {
    state_.retryWhenBusy = true;
    cycles_.identityRefresh();
    queryStatus();
    main_.SSTab1.setTab(StatusTab);
    cycles_.readAll(status::StatusTab::kLinkPlan);
    showStatus();
    takeSnapshot();
}

void Monitor::popUpTrayMenu() {
    const PopupPlacement placement = PlacePopup(env_.tray ? env_.tray->geometry() : TrayGeometry{});
    main_.Menu1.setVisible(true);
    env_.loop.processEvents();
    link::RaisedFlag open(trayMenuOpen_);
    main_.MenuItem[MenuOpen].setDefault(true);
    if (env_.tray) env_.tray->trackPopup(placement);
}

void Monitor::menuItemChosen(int index) {
    if (ended_) return;
    // Under an open printer dialog the tab stays: the dialog works with its pages.
    if (state_.pinnedScreens > 0) {
        bringWindowForward();
        return;
    }
    if (index == MenuOpen) openOnStatusTab();
    if (index == MenuVersion) {
        // A switch refreshes the tab itself; a window hidden on this tab
        // gets its refresh here.
        const bool switched = main_.SSTab1.tab() != OthersTab;
        main_.SSTab1.setTab(OthersTab);
        if (!switched) screens_->others.fill();
    }
    bringWindowForward();
}

// The icon shows the watched printer's state at a glance and its status
// lines as the tooltip; it is told only what changed.
void Monitor::showTrayState() {
    if (!env_.tray || ended_) return;
    status::GlanceLook look = status::AtAGlance(catalogue_, status::InputsOf(state_, data_));
    if (state_.printerCount > 0) look.text = state_.selected.name + "\n" + look.text;
    if (trayLook_ == look) return;
    trayLook_ = look;
    env_.tray->showState(look.state, look.text);
}

void Monitor::trayChanged() {
    if (ended_ || !trayIconShown_ || !env_.tray) return;
    env_.tray->add();  // shows the icon once a notification area is there
    if (!env_.tray->shown() && !main_.form.visible()) minimize(main_, false);
}

// A window out of sight comes back on a fresh Status tab as from the tray;
// one in sight is only raised. While a link operation waits, nothing is
// refreshed, but the window still comes forward.
void Monitor::openFromNotification() {
    if (ended_) return;
    if (!state_.linkBusy() && state_.pinnedScreens == 0) openOnStatusTab();
    bringWindowForward();
}

void Monitor::comeForward() {
    if (ended_) return;
    if (!main_.form.visible() && !state_.linkBusy() && state_.pinnedScreens == 0) openOnStatusTab();
    bringWindowForward();
}

}  // namespace orvan::shell
