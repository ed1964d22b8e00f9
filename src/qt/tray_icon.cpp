#include "qt/tray_icon.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QStyle>

#include "qt/picture_widgets.h"
#include "ui/message_box.h"

namespace orvan::qt {
namespace {

QRect iconRect(const QSystemTrayIcon& icon) {
    const QRect shown = icon.geometry();
    return shown.isValid() && !shown.isEmpty() ? shown : QRect(QCursor::pos(), QSize(1, 1));
}

QScreen* screenOf(const QRect& icon) {
    QScreen* screen = QGuiApplication::screenAt(icon.center());
    return screen ? screen : QGuiApplication::primaryScreen();
}

// A rectangle in the coordinates of a screen whose top left is `origin`.
shell::Rect local(const QRect& r, const QPoint& origin) {
    const QRect moved = r.translated(-origin);
    return {moved.left(), moved.top(), moved.left() + moved.width(), moved.top() + moved.height()};
}

}  // namespace

QIcon programIcon() {
    const QIcon own(programFile(kProgramIconFile));
    return own.isNull() || own.availableSizes().isEmpty()
               ? QApplication::style()->standardIcon(QStyle::SP_ComputerIcon)
               : own;
}

// How often the program looks for a notification area that came or went.
constexpr int kTrayWatchMs = 2000;

QtTrayIcon::QtTrayIcon(QObject* parent) : icon_(parent), watch_(parent) {
    available_ = QSystemTrayIcon::isSystemTrayAvailable();
    watch_.setInterval(kTrayWatchMs);
    QObject::connect(&watch_, &QTimer::timeout, [this] { watchTrayHost(); });
    watch_.start();
    icon_.setIcon(programIcon());
    icon_.setToolTip(QString::fromUtf8(ui::kMonitorTitle));
    QObject::connect(&icon_, &QSystemTrayIcon::activated,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         const int message = messageOf(reason);
                         if (message != 0 && mouse_) mouse_(message);
                     });
}

int QtTrayIcon::messageOf(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::DoubleClick:
            return shell::kTrayDoubleClick;
        case QSystemTrayIcon::Context:
            return shell::kTrayRightButton;
        default:
            return 0;
    }
}

void QtTrayIcon::connectTo(std::function<void(int)> mouse, QMenu* menu,
                           std::function<void()> changed) {
    mouse_ = std::move(mouse);
    menu_ = menu;
    changed_ = std::move(changed);
}

// Without a notification area there is nowhere to put it yet; the icon is
// shown as soon as one appears.
void QtTrayIcon::add() {
    wanted_ = true;
    available_ = QSystemTrayIcon::isSystemTrayAvailable();
    if (available_) icon_.show();
}

void QtTrayIcon::remove() {
    wanted_ = false;
    icon_.hide();
}

bool QtTrayIcon::shown() {
    return wanted_ && available_ && icon_.isVisible();
}

void QtTrayIcon::watchTrayHost() {
    const bool now = QSystemTrayIcon::isSystemTrayAvailable();
    if (now == available_) return;
    available_ = now;
    if (now && wanted_) {
        // A new tray host knows nothing of the icon: register it afresh.
        icon_.hide();
        icon_.show();
    }
    if (changed_) changed_();
}

shell::TrayGeometry QtTrayIcon::geometry() {
    const QRect icon = iconRect(icon_);
    QScreen* screen = screenOf(icon);
    if (!screen) return {};
    const QRect full = screen->geometry();
    const shell::Rect n = local(icon, full.topLeft());
    return {shell::TaskbarAround(n, local(full, full.topLeft()),
                                 local(screen->availableGeometry(), full.topLeft())),
            n, full.width(), full.height()};
}

void QtTrayIcon::trackPopup(const shell::PopupPlacement& placement) {
    if (!menu_) return;
    QScreen* screen = screenOf(iconRect(icon_));
    if (!screen) return;
    const QRect full = screen->geometry();
    const QSize size = menu_->sizeHint();
    const shell::Point at =
        shell::PopupTopLeft(placement, size.width(), size.height(), full.width(), full.height());
    lastPopupAt_ = full.topLeft() + QPoint(at.x, at.y);
    menu_->exec(lastPopupAt_);
}

}  // namespace orvan::qt
