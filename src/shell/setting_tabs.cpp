#include "shell/setting_tabs.h"

namespace orvan::shell {

SettingTabs::SettingTabs(const tabs::TabContext& context, tabs::CardMaterialLink cardMaterial,
                         tabs::LockSender sendLock)
    : printerSetting(context),
      property(context),
      mediaSetting(context, std::move(cardMaterial)),
      laminator(context),
      securityLock(context, std::move(sendLock)) {}

void SettingTabs::install(std::array<TabHandlers, kTabCount>& handlers) {
    handlers[PrinterSettingTab] = {[this] { printerSetting.setup(); },
                                   [this] { printerSetting.fill(); }};
    handlers[PropertyTab] = {[this] { property.clear(); }, [this] { property.fill(); }};
    handlers[MediaSettingTab] = {[this] { mediaSetting.setup(); }, [this] { mediaSetting.fill(); }};
    handlers[LaminatorTab] = {[this] { laminator.setup(); }, [this] { laminator.fill(); }};
    handlers[SecurityLockTab] = {[this] { securityLock.setup(); }, [this] { securityLock.fill(); }};
}

}  // namespace orvan::shell
