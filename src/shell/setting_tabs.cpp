#include "shell/setting_tabs.h"

namespace orvan::shell {

SettingTabs::SettingTabs(const tabs::TabContext& context, link::GuidanceLibrary* guidanceLibrary)
    : guidance(guidanceLibrary, context.data.image),
      printerSetting(context),
      retransfer(context, guidance),
      bendRemedy(context, guidance),
      property(context) {}

void SettingTabs::install(std::array<TabHandlers, kTabCount>& handlers) {
    handlers[PrinterSettingTab] = {[this] { printerSetting.setup(); },
                                   [this] { printerSetting.fill(); }};
    handlers[RetransferTab] = {[this] { retransfer.setup(); }, [this] { retransfer.fill(); }};
    handlers[BendRemedyTab] = {[this] { bendRemedy.setup(); }, [this] { bendRemedy.fill(); }};
    handlers[PropertyTab] = {[this] { property.clear(); }, [this] { property.fill(); }};
}

}  // namespace orvan::shell
