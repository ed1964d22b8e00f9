#include "shell/setting_tabs.h"

namespace orvan::shell {

SettingTabs::SettingTabs(const tabs::TabContext& context, maintenance::OthersLink othersLink)
    : printerSetting(context), property(context), others(context, std::move(othersLink)) {}

void SettingTabs::install(std::array<TabHandlers, kTabCount>& handlers) {
    handlers[PrinterSettingTab] = {[this] { printerSetting.setup(); },
                                   [this] { printerSetting.fill(); }};
    handlers[PropertyTab] = {[this] { property.clear(); }, [this] { property.fill(); }};
    handlers[OthersTab] = {[this] { others.setup(); }, [this] { others.refresh(); }};
}

}  // namespace orvan::shell
