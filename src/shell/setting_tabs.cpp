#include "shell/setting_tabs.h"

namespace orvan::shell {

SettingTabs::SettingTabs(const tabs::TabContext& context)
    : printerSetting(context), property(context) {}

void SettingTabs::install(std::array<TabHandlers, kTabCount>& handlers) {
    handlers[PrinterSettingTab] = {[this] { printerSetting.setup(); },
                                   [this] { printerSetting.fill(); }};
    handlers[PropertyTab] = {[this] { property.clear(); }, [this] { property.fill(); }};
}

}  // namespace orvan::shell
