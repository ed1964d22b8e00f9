#include "shell/monitor.h"

#include "shell/rights.h"

namespace orvan::shell {

Monitor::Monitor(Environment env)
    : env_(std::move(env)),
      channel_(state_, env_.commands, env_.settings, env_.loop, main_.Timer2),
      pages_(channel_, data_),
      net_(channel_, data_),
      counters_(channel_, data_, net_),
      statusQuery_(channel_),
      busyWait_(
          channel_, statusQuery_,
          [this](link::ResultCode code) { return catalogue_.ClassifyCode(code); }, main_.Timer1),
      discovery_(channel_, net_, data_, ipHistory_),
      cycles_(channel_, pages_, net_, counters_, data_,
              link::Cycles::Hooks{[this] { return busyWait_.waitUntilFree(); },
                                  [this] { return configuration_.ReadCardType(); }}) {
    env_.loop.attach(main_.Timer1);
    main_.Timer1.setEnabled(false);
    main_.Timer1.onTick = [this] { monitorTick(); };
    main_.SSTab1.onClick = [this] { tabClicked(); };
    Combo0.onClick = [this] { printerComboClicked(); };
    wireMinimize(main_);
    main_.form.onCloseRequested = [this] {
        if (!queryUnload(UnloadMode::UserClose)) main_.form.setVisible(false);
    };
    wireStatusTab();
    settingTabs_ = std::make_unique<SettingTabs>(tabContext());
    settingTabs_->install(tabs);
}

tabs::TabContext Monitor::tabContext() {
    return tabs::TabContext{
        tabs::SettingTabLink{state_, cycles_, catalogue_, env_.boxes,
                             [this] { return main_.SSTab1.tab(); }, [this] { queryStatus(); }},
        data_, [this](std::size_t index) { return isOpen(static_cast<int>(index)); }};
}

void Monitor::wireStatusTab() {
    status::StatusSources sources{
        state_,
        data_,
        catalogue_,
        env_.boxes,
        env_.programDirectory,
        [this] { return isOpen(static_cast<int>(Right::PrintCounterClear)); },
        {},
        {}};
    status::UseCounters(sources, counters_);
    statusView_ = std::make_unique<status::StatusTabView>(statusTab_, std::move(sources));
    showStatus = [this] { statusView_->ShowStatus(); };
    refreshMediaAndCounters = [this] { statusView_->refreshMediaAndCounters(); };
    tabs[StatusTab].setup = [this] { statusView_->reset(); };
    statusTab_.Cmd0_2.onClick = [this] { refreshOnlinePrinters(); };
}

Monitor::~Monitor() {
    env_.loop.detach(main_.Timer1);
    env_.loop.detach(main_.Timer2);
}

bool Monitor::isOpen(int index) const {
    return IsOpen(rights_, isAdministrator, static_cast<std::size_t>(index));
}

}  // namespace orvan::shell
