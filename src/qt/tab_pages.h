#pragma once
// Each tab's form, bound to that tab's controls and put into its page. A
// page is built when its tab is first shown: the model holds everything a
// page shows, so a page built late shows the same as one built at start,
// and start-up pays only for the tab on screen.
#include <QObject>
#include <vector>

#include "qt/main_window.h"
#include "shell/screen.h"

namespace orvan::qt {

class TabPages : public QObject {
  public:
    // `tabs` in caption order; it must outlive the pages.
    TabPages(QtMainWindow& window, const std::vector<shell::Screen>& tabs);

    // Builds the page of `tab` unless it is built already (or has no form).
    void ensure(int tab);
    bool built(int tab) const;

  private:
    QtMainWindow& window_;
    const std::vector<shell::Screen>& tabs_;
    std::vector<bool> built_;
};

}  // namespace orvan::qt
