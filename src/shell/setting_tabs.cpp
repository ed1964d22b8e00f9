#include "shell/setting_tabs.h"

namespace orvan::shell {

SettingTabs::SettingTabs(const tabs::TabContext& context,
                         network::PrinterSelectShell printerSelectShell)
    : printerSetting(context),
      property(context),
      printerSelect(context, std::move(printerSelectShell)) {}

void SettingTabs::install(std::array<TabHandlers, kTabCount>& handlers) {
    handlers[PrinterSettingTab] = {[this] { printerSetting.setup(); },
                                   [this] { printerSetting.fill(); }};
    handlers[PropertyTab] = {[this] { property.clear(); }, [this] { property.fill(); }};
    handlers[PrinterSelectTab] = {[this] { printerSelect.setup(); },
                                  [this] { printerSelect.fill(); }};
}

}  // namespace orvan::shell
