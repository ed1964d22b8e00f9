#include "qt/window_bindings.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTabBar>
#include <memory>

#include "qt/widget_link.h"

namespace orvan::qt {

using ui::Property;

namespace {

void applyFormVisible(QWidget* window, const ui::Form& form) {
    if (!form.visible()) {
        window->hide();
        return;
    }
    if (!window->isVisible())
        window->setWindowModality(form.modal() ? Qt::ApplicationModal : Qt::NonModal);
    if (form.minimized()) {
        window->showMinimized();
        return;
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
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
        // Minimised or restored by the window manager.
        if (e->type() == QEvent::WindowStateChange) {
            const bool minimized = window->isMinimized();
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
            const int n = static_cast<int>(c.captions().size());
            while (w->count() < n) w->addTab(new QWidget, QString());
            for (int i = 0; i < n; ++i) {
                w->setTabText(i, toQt(c.captions()[static_cast<std::size_t>(i)]));
                w->widget(i)->setAccessibleName(withoutMnemonic(w->tabText(i)));
            }
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
