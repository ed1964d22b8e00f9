#include "qt/main_window.h"

#include <QLayout>
#include <QTabBar>

#include "qt/form_binder.h"
#include "qt/forms.h"
#include "qt/window_bindings.h"

namespace orvan::qt {

QtMainWindow::QtMainWindow(shell::MainForm& model, QWidget* parent) : QMainWindow(parent) {
    setupForm("main_window", this);
    tabs_ = findChild<QTabWidget*>("SSTab1");
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

void QtMainWindow::setPage(int index, QWidget* content) {
    QWidget* target = page(index);
    if (!target || !content) return;
    target->layout()->addWidget(content);
}

std::unique_ptr<QtMainWindow> buildMainWindow(shell::MainForm& model) {
    return std::make_unique<QtMainWindow>(model);
}

}  // namespace orvan::qt
