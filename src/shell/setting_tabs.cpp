#include "shell/setting_tabs.h"

namespace orvan::shell {
namespace {

tabs::CardMaterialLink recomputingHints(tabs::CardMaterialLink link,
                                        tabs::ColourGuidance& guidance) {
    link.cardMaterialChanged = [&guidance] { guidance.UpdateHintColours(); };
    return link;
}

}  // namespace

SettingTabs::SettingTabs(const tabs::TabContext& context, SettingTabLinks links)
    : guidance(links.guidance, context.data.image),
      printerSetting(context),
      retransfer(context, guidance),
      bendRemedy(context, guidance),
      property(context),
      mediaSetting(context, recomputingHints(std::move(links.cardMaterial), guidance)),
      laminator(context),
      securityLock(context, std::move(links.sendLock)),
      printerSelect(context, std::move(links.printerSelect)),
      others(context, std::move(links.others)),
      ipsec(context, std::move(links.ipsec), printerSelect) {
    printerSelect.openIpsecDialog = [this] { ipsec.open(); };
}

void SettingTabs::install(std::array<TabHandlers, kTabCount>& handlers) {
    handlers[PrinterSettingTab] = {[this] { printerSetting.setup(); },
                                   [this] { printerSetting.fill(); }};
    handlers[RetransferTab] = {[this] { retransfer.setup(); }, [this] { retransfer.fill(); }};
    handlers[BendRemedyTab] = {[this] { bendRemedy.setup(); }, [this] { bendRemedy.fill(); }};
    handlers[PropertyTab] = {[this] { property.clear(); }, [this] { property.fill(); }};
    handlers[MediaSettingTab] = {[this] { mediaSetting.setup(); }, [this] { mediaSetting.fill(); }};
    handlers[LaminatorTab] = {[this] { laminator.setup(); }, [this] { laminator.fill(); }};
    handlers[SecurityLockTab] = {[this] { securityLock.setup(); }, [this] { securityLock.fill(); }};
    handlers[PrinterSelectTab] = {[this] { printerSelect.setup(); },
                                  [this] { printerSelect.fill(); }};
    handlers[OthersTab] = {[this] { others.setup(); }, [this] { others.refresh(); }};
}

}  // namespace orvan::shell
