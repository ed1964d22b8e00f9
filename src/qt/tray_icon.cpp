#include "qt/tray_icon.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <algorithm>

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

QColor stateColour(status::Glance state) {
    static const QColor kColours[] = {
        QColor(0x2E, 0x9E, 0x3E),  // ready: green
        QColor(0x2A, 0x6F, 0xDB),  // printing: blue
        QColor(0xE8, 0xA3, 0x17),  // warning: amber
        QColor(0xD3, 0x2F, 0x2F),  // error: red
        QColor(0x8A, 0x8A, 0x8A),  // no printer: grey
    };
    return kColours[std::clamp(static_cast<int>(state), 0, 4)];
}

QIcon stateIcon(status::Glance state) {
    constexpr int kSize = 64;
    const QIcon base = QIcon::fromTheme(QStringLiteral("printer"), programIcon());
    QPixmap pixmap = base.pixmap(kSize, kSize);
    if (pixmap.isNull()) {
        pixmap = QPixmap(kSize, kSize);
        pixmap.fill(Qt::transparent);
    }
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const int dot = pixmap.width() * 4 / 10;
    const QRect where(pixmap.width() - dot - 1, pixmap.height() - dot - 1, dot, dot);
    painter.setPen(QPen(Qt::white, pixmap.width() / 16.0));
    painter.setBrush(stateColour(state));
    painter.drawEllipse(where);
    return QIcon(pixmap);
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

void QtTrayIcon::showState(status::Glance state, const std::string& tooltip) {
    const int k = std::clamp(static_cast<int>(state), 0, static_cast<int>(stateIcons_.size()) - 1);
    if (stateIcons_[k].isNull()) stateIcons_[k] = stateIcon(state);
    if (k != shownState_) icon_.setIcon(stateIcons_[k]);
    shownState_ = k;
    icon_.setToolTip(QString::fromStdString(tooltip));
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
