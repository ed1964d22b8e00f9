#include "qt/tray_icon.h"

#include <QApplication>
#include <QStyle>

#include "qt/picture_widgets.h"
#include "ui/message_box.h"

namespace orvan::qt {

QIcon programIcon() {
    const QIcon own(programFile(kProgramIconFile));
    return own.isNull() || own.availableSizes().isEmpty()
               ? QApplication::style()->standardIcon(QStyle::SP_ComputerIcon)
               : own;
}

QtTrayIcon::QtTrayIcon(QObject* parent) : icon_(parent) {
    icon_.setIcon(programIcon());
    icon_.setToolTip(QString::fromUtf8(ui::kMonitorTitle));
}

void QtTrayIcon::add() {
    // Without a notification area there is nowhere to put it; the window
    // itself carries on.
    if (QSystemTrayIcon::isSystemTrayAvailable()) icon_.show();
}

void QtTrayIcon::remove() {
    icon_.hide();
}

}  // namespace orvan::qt
