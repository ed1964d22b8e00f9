#pragma once
// The Qt windows of the monitor, bound to the shell's models.
#include <QObject>
#include <memory>

#include "qt/admin_dialog.h"
#include "qt/ipsec_dialogs.h"
#include "qt/ipv6_dialogs.h"
#include "qt/main_window.h"
#include "qt/qt_message_boxes.h"
#include "qt/tab_pages.h"
#include "qt/wait_dialog.h"
#include "shell/monitor.h"

namespace orvan::qt {

class FrontEnd : public QObject {
  public:
    FrontEnd(shell::Monitor& monitor, QtMessageBoxes& boxes);
    ~FrontEnd() override;
    QtMainWindow& window() { return *window_; }
    TabPages& pages() { return *pages_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    shell::Monitor& monitor_;
    std::unique_ptr<QtMainWindow> window_;
    std::unique_ptr<WaitDialog> wait_;
    std::unique_ptr<Ipv6SettingDialog> ipv6Setting_;
    std::unique_ptr<Ipv6PropertyDialog> ipv6Property_;
    std::unique_ptr<IpsecDialog> ipsec_;
    AdminDialog* admin_;  // owned by the window
    TabPages* pages_;     // owned by the window
};

}  // namespace orvan::qt
