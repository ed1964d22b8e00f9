#include "shell/screens.h"

namespace orvan::shell {
namespace {

tabs::CardMaterialLink recomputingHints(tabs::CardMaterialLink link,
                                        tabs::ColourGuidance& guidance) {
    link.cardMaterialChanged = [&guidance] { guidance.UpdateHintColours(); };
    return link;
}

const Screen kNoScreen{};
const link::LinkPlan kNothingToMove{};

}  // namespace

Screens::Screens(const tabs::TabContext& context, SettingTabLinks links, OwnScreens own)
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
      ipsec(context, std::move(links.ipsec), printerSelect),
      tabs_{std::move(own.statusTab), tabScreen(printerSetting), tabScreen(retransfer),
            tabScreen(bendRemedy),    tabScreen(mediaSetting),   tabScreen(property),
            tabScreen(laminator),     tabScreen(printerSelect),  tabScreen(securityLock),
            tabScreen(others)},
      dialogs_{dialogScreen(own.admin),
               dialogScreen(own.wait),
               dialogScreen(own.history),
               dialogScreen(printerSelect.ipv6Setting),
               dialogScreen(printerSelect.ipv6Property),
               dialogScreen(ipsec),
               dialogScreen(ipsec.chooser, network::IpsecForm::kForm),
               dialogScreen(ipsec.prompt, network::CertificateFileForm::kForm),
               dialogScreen(others.settingsFile.dialog)} {
    printerSelect.openIpsecDialog = [this] { ipsec.open(); };
}

const Screen& Screens::tab(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= tabs_.size()) return kNoScreen;
    return tabs_[static_cast<std::size_t>(index)];
}

const link::LinkPlan& Screens::plan(int index) const {
    const link::LinkPlan* plan = tab(index).plan;
    return plan ? *plan : kNothingToMove;
}

}  // namespace orvan::shell
