#include "qt/window_bindings.h"

#include <xcb/xcb.h>
#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTabBar>
#include <QTimer>
#include <QWindow>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "qt/widget_link.h"

namespace orvan::qt {

using ui::Property;

namespace {

// Qt marks a window it minimises as one to map iconic (WM_HINTS' initial
// state) and never takes that back, so a window once minimised by the
// program, restored, hidden and shown again would come up minimised: the
// hint is set back to normal before such a window is mapped.

constexpr const char* kMinimizing = "orvanMinimizing";
constexpr int kMapSettleMs = 150;

void mapNormally(QWidget* window) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;
    xcb_connection_t* c = x11->connection();
    const auto id = static_cast<xcb_window_t>(window->winId());  // creates the native window
    constexpr std::uint32_t kFields = 9, kStateHint = 1u << 1, kNormalState = 1;
    std::array<std::uint32_t, kFields> hints{};
    auto cookie = xcb_get_property(c, 0, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, kFields);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c, cookie, nullptr), &std::free);
    if (reply && reply->format == 32 &&
        xcb_get_property_value_length(reply.get()) >=
            static_cast<int>(kFields * sizeof(std::uint32_t)))
        std::memcpy(hints.data(), xcb_get_property_value(reply.get()), sizeof(hints));
    hints[0] |= kStateHint;
    hints[2] = kNormalState;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 32,
                        kFields, hints.data());
    xcb_flush(c);
}

void applyFormVisible(QWidget* window, const ui::Form& form) {
    if (!form.visible()) {
        window->hide();
        return;
    }
    if (!window->isVisible())
        window->setWindowModality(form.modal() ? Qt::ApplicationModal : Qt::NonModal);
    if (form.minimized()) {
        // Until the window manager has it minimised, reports that it is not
        // are the platform's echo of the window as first mapped.
        window->setProperty(kMinimizing, true);
        if (window->isVisible()) {
            window->showMinimized();
            return;
        }
        // A window never mapped is not minimised reliably (Qt maps it
        // normal): shown first, minimised once the window manager has it.
        window->show();
        QTimer::singleShot(kMapSettleMs, window, [window] {
            if (window->property(kMinimizing).toBool()) window->showMinimized();
        });
        return;
    }
    window->setProperty(kMinimizing, false);
    if (!window->isVisible()) {
        mapNormally(window);
        window->showNormal();
    } else {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

// Escape closes dialogs only; the main window stays up.
bool isCloseGesture(QWidget* window, QEvent* e) {
    if (e->type() == QEvent::Close) return e->spontaneous();
    if (e->type() == QEvent::KeyPress && qobject_cast<QDialog*>(window))
        return static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape &&
               static_cast<QKeyEvent*>(e)->modifiers() == Qt::NoModifier;
    return false;
}

}  // namespace

ControlLink* bind(QWidget* window, ui::Form& form) {
    window->setObjectName(toQt(form.name()));
    form.adoptCaption(fromQt(window->windowTitle()));
    auto* link = new ControlLink(window, form, [window, &form](Property p) {
        if (p == Property::Caption) {
            window->setWindowTitle(toQt(form.caption()));
            window->setAccessibleName(toQt(form.caption()));
        }
        // Value: minimised, or brought forward again.
        if (p == Property::Visible || p == Property::Value) applyFormVisible(window, form);
        if (p == Property::Enabled) window->setEnabled(form.enabled());
    });
    link->onEvent = [link, window](QEvent* e) {
        // Hidden behind the model's back (closed by code, a dialog's own
        // accept): the model follows, so that showing it again works.
        if (e->type() == QEvent::Hide && !e->spontaneous() && !window->isVisible())
            link->gesture<ui::Form>([](auto& f) { f.setVisible(false); });
        // Minimised or restored by the window manager (the program's own
        // state changes come unspontaneous, some before the window manager
        // has acted on them).
        if (e->type() == QEvent::WindowStateChange && e->spontaneous()) {
            const bool minimized = window->isMinimized();
            if (window->property(kMinimizing).toBool() && !minimized) return false;
            if (minimized) window->setProperty(kMinimizing, false);
            link->gesture<ui::Form>([minimized](auto& f) { f.setMinimized(minimized); });
        }
        if (!isCloseGesture(window, e)) return false;
        e->ignore();  // the form's logic decides whether the window goes
        link->gesture<ui::Form>([](auto& f) { f.requestClose(); });
        return true;
    };
    window->installEventFilter(link);
    link->applyAll();
    return link;
}

ControlLink* bind(QTabWidget* w, ui::TabControl& c) {
    w->setUsesScrollButtons(false);
    w->setElideMode(Qt::ElideNone);
    w->tabBar()->setExpanding(false);
    auto* link = bindWidget(w, c, [w, &c](Property p) {
        if (p == Property::Items) {
            while (w->count() < c.count()) w->addTab(new QWidget, QString());
            for (int i = 0; i < w->count(); ++i)
                w->widget(i)->setAccessibleName(withoutMnemonic(w->tabText(i)));
        }
        if (p == Property::Items || p == Property::ListIndex) w->setCurrentIndex(c.tab());
    });
    QObject::connect(w, &QTabWidget::currentChanged, link, [link](int index) {
        link->gesture<ui::TabControl>([index](auto& tabs) { tabs.setTab(index); });
        link->apply(Property::ListIndex);  // the click may have chosen another tab
    });
    return link;
}

ControlLink* bind(QAction* action, ui::MenuItem& item) {
    action->setObjectName(toQt(item.name()));
    auto* link = new ControlLink(action, item, [action, &item](Property p) {
        switch (p) {
            case Property::Caption: {
                // A separator with a text would be drawn as a section title.
                const bool separator = item.caption() == "-";
                action->setSeparator(separator);
                action->setText(separator ? QString() : toQt(item.caption()));
                break;
            }
            case Property::Enabled:
                action->setEnabled(item.enabled());
                break;
            case Property::Visible:
                action->setVisible(item.visible());
                break;
            case Property::Value: {
                QFont f = action->font();
                f.setBold(item.isDefault());
                action->setFont(f);
                break;
            }
            default:
                break;
        }
    });
    QObject::connect(action, &QAction::triggered, link,
                     [link] { link->gesture<ui::MenuItem>([](auto& i) { i.click(); }); });
    link->applyAll();
    return link;
}

void bindMenu(QMenu* menu, ui::Menu& c, std::span<ui::MenuItem> items) {
    menu->setObjectName(toQt(c.name()));
    // The menu's own visibility only says whether it may pop up; it is never
    // a window of its own, so only its title follows the model.
    auto* link = new ControlLink(menu, c, [menu, &c](Property p) {
        if (p == Property::Caption) menu->setTitle(toQt(c.caption()));
    });
    link->applyAll();
    for (auto& item : items) {
        auto* action = menu->addAction(QString());
        bind(action, item);
        if (item.isDefault()) menu->setDefaultAction(action);
    }
}

ControlLink* bind(QObject* owner, ui::ScreenPointer& pointer) {
    auto shown = std::make_shared<bool>(false);
    auto* link = new ControlLink(owner, pointer, [&pointer, shown](Property p) {
        if (p != Property::Value || pointer.busy() == *shown) return;
        *shown = pointer.busy();
        if (*shown)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });
    QObject::connect(link, &QObject::destroyed, [shown] {
        if (*shown) QApplication::restoreOverrideCursor();
    });
    link->applyAll();
    return link;
}

QTimer* makeTimer(ui::Timer& c, QObject* parent) {
    auto* timer = new QTimer(parent);
    timer->setObjectName(toQt(c.name()));
    auto* link = new ControlLink(timer, c, [timer, &c](Property p) {
        if (p != Property::Enabled && p != Property::Range) return;
        timer->stop();
        if (c.timerEnabled() && c.interval() > 0) timer->start(c.interval());
    });
    QObject::connect(timer, &QTimer::timeout, link,
                     [link] { link->gesture<ui::Timer>([](auto& t) { t.tick(); }); });
    link->applyAll();
    return timer;
}

}  // namespace orvan::qt
