#include "qt/main_window.h"

#include <QLayout>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>

#include "qt/control_link.h"
#include "qt/form_binder.h"
#include "qt/forms.h"
#include "qt/window_bindings.h"

namespace orvan::qt {

QtMainWindow::QtMainWindow(shell::MainForm& model, QWidget* parent) : QMainWindow(parent) {
    setupForm("main_window", this);
    tabs_ = findChild<QTabWidget*>("SSTab1");
    // The tab widget's own stack of pages, read out as what it holds.
    if (auto* stack = tabs_->findChild<QStackedWidget*>()) stack->setAccessibleName("Tab pages");
    menu_ = new QMenu(this);
    bindMenu(menu_, model.Menu1, model.MenuItem);
    bindForm(this, model.controls());
    bind(this, model.Pointer);
    // Every tab caption stays visible at once.
    setMinimumWidth(tabs_->tabBar()->sizeHint().width() + 2 * layout()->contentsMargins().left() +
                    centralWidget()->layout()->contentsMargins().left() +
                    centralWidget()->layout()->contentsMargins().right());
}

QWidget* QtMainWindow::page(int index) const {
    if (index < 0 || index >= tabs_->count()) return nullptr;
    return tabs_->widget(index);
}

// A page is built when its tab is first shown; inside a scroll area it can
// never push the window larger than the size it started with (the form's,
// room for the largest page), and a window made smaller scrolls instead.
void QtMainWindow::setPage(int index, QWidget* content) {
    QWidget* target = page(index);
    if (!target || !content) return;
    auto* scroll = new QScrollArea(target);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);  // no empty Tab stop: it follows the focus itself
    scroll->setWidgetResizable(true);
    scroll->setAccessibleName(withoutMnemonic(tabs_->tabText(index)));
    scroll->viewport()->setAccessibleName(scroll->accessibleName());
    scroll->setWidget(content);
    // The scroll area's viewport already paints the page's background; the
    // page painting it again would cost a second fill of the whole page.
    content->setAutoFillBackground(false);
    target->layout()->addWidget(scroll);
}

std::unique_ptr<QtMainWindow> buildMainWindow(shell::MainForm& model) {
    return std::make_unique<QtMainWindow>(model);
}

}  // namespace orvan::qt
