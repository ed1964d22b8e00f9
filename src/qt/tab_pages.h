#pragma once
// Each tab's form, bound to that tab's controls and put into its page. A
// page is built when its tab is first shown: the model holds everything a
// page shows, so a page built late shows the same as one built at start,
// and start-up pays only for the tab on screen.
#include <QObject>
#include <array>

#include "qt/main_window.h"
#include "shell/monitor.h"

namespace orvan::qt {

class TabPages : public QObject {
  public:
    TabPages(QtMainWindow& window, shell::Monitor& monitor);

    // Builds the page of `tab` unless it is built already (or has no form).
    void ensure(int tab);
    bool built(int tab) const;

  private:
    QtMainWindow& window_;
    shell::Monitor& monitor_;
    std::array<bool, shell::kTabCount> built_{};
};

}  // namespace orvan::qt
