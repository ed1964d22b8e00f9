#pragma once
// The "Settings File" group of the Others tab: "Save..." writes the watched
// printer's settings to a file of the user's choice, "Load..." compares a
// file with the printer in the comparison dialog, from which it is applied.
#include <string>

#include "maintenance/settings_file_dialog.h"
#include "tabs/tab_context.h"
#include "ui/control_list.h"
#include "ui/controls.h"
#include "ui/event_loop.h"
#include "ui/file_chooser.h"

namespace orvan::maintenance {

class SettingsFileGroup {
  public:
    SettingsFileGroup(tabs::TabContext context, ui::EventLoop& loop, ui::FileChooser* chooser,
                      SettingsFileWritten written = {});
    SettingsFileGroup(const SettingsFileGroup&) = delete;
    SettingsFileGroup& operator=(const SettingsFileGroup&) = delete;

    ui::ControlList controls() {
        return {SettingsFileFrame, SaveSettingsButton, LoadSettingsButton, NetworkSettingsCheck};
    }

    ui::Frame SettingsFileFrame{"SettingsFileFrame"};
    ui::Button SaveSettingsButton{"SaveSettingsButton"};
    ui::Button LoadSettingsButton{"LoadSettingsButton"};
    ui::CheckBox NetworkSettingsCheck{"NetworkSettingsCheck"};  // save the network page too

    // Opened by "Load...".
    SettingsFileForm dialog;

  private:
    void save();
    void load();

    tabs::TabContext context_;
    ui::FileChooser* chooser_;
};

}  // namespace orvan::maintenance
