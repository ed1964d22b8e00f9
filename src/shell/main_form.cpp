#include "shell/main_form.h"

namespace orvan::shell {

namespace {

constexpr std::array<const char*, kMenuItemCount> kMenuCaptions = {"Open(&O)", "-", "Version(&A)",
                                                                   "History(&H)..."};

}  // namespace

MainForm::MainForm() {
    // The window's title, the tabs' captions and the button's are the form's.
    SSTab1.setCount(kTabCount);
    Menu1.setCaption("Menue");
    // The menu is only the tray popup's source; it stays out of sight.
    Menu1.setVisible(false);
    for (int i = 0; i < kMenuItemCount; ++i) MenuItem[i].setCaption(kMenuCaptions[i]);
    MenuItem[MenuOpen].setDefault(true);
    Picture1.setVisible(false);
    // Nothing ticks until start-up sets the intervals and enables them.
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
}

void minimize(MainForm& main, bool trayShown) {
    main.Menu1.setVisible(false);
    if (trayShown) {
        main.form.setVisible(false);
        return;
    }
    main.form.setMinimized(true);
    main.form.setVisible(true);
}

std::string printerLineText(bool found, const std::string& name) {
    return found ? "Printer: " + name : "Printer: none found";
}

}  // namespace orvan::shell
