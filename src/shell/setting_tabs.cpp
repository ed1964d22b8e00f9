#include "shell/setting_tabs.h"

namespace orvan::shell {
namespace {

tabs::CardMaterialLink recomputingHints(tabs::CardMaterialLink link,
                                        tabs::ColourGuidance& guidance) {
    link.cardMaterialChanged = [&guidance] { guidance.UpdateHintColours(); };
    return link;
}

}  // namespace

SettingTabs::SettingTabs(const tabs::TabContext& context, link::GuidanceLibrary* guidanceLibrary,
                         tabs::CardMaterialLink cardMaterial, tabs::LockSender sendLock)
    : guidance(guidanceLibrary, context.data.image),
      printerSetting(context),
      retransfer(context, guidance),
      bendRemedy(context, guidance),
      property(context),
      mediaSetting(context, recomputingHints(std::move(cardMaterial), guidance)),
      laminator(context),
      securityLock(context, std::move(sendLock)) {}

void SettingTabs::install(std::array<TabHandlers, kTabCount>& handlers) {
    handlers[PrinterSettingTab] = {[this] { printerSetting.setup(); },
                                   [this] { printerSetting.fill(); }};
    handlers[RetransferTab] = {[this] { retransfer.setup(); }, [this] { retransfer.fill(); }};
    handlers[BendRemedyTab] = {[this] { bendRemedy.setup(); }, [this] { bendRemedy.fill(); }};
    handlers[PropertyTab] = {[this] { property.clear(); }, [this] { property.fill(); }};
    handlers[MediaSettingTab] = {[this] { mediaSetting.setup(); }, [this] { mediaSetting.fill(); }};
    handlers[LaminatorTab] = {[this] { laminator.setup(); }, [this] { laminator.fill(); }};
    handlers[SecurityLockTab] = {[this] { securityLock.setup(); }, [this] { securityLock.fill(); }};
}

}  // namespace orvan::shell
