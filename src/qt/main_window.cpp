#include "qt/main_window.h"

#include <QHBoxLayout>
#include <QTabBar>
#include <QVBoxLayout>

#include "qt/control_widgets.h"
#include "qt/picture_widgets.h"
#include "qt/window_bindings.h"

namespace orvan::qt {

QtMainWindow::QtMainWindow(shell::MainForm& model, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    bind(tabs_, model.SSTab1);
    layout->addWidget(tabs_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(make(model.Cmdm, this));
    layout->addLayout(buttons);

    picture_ = make(model.Picture1, this);  // hidden: only receives the tray icon's messages
    menu_ = new QMenu(this);
    bindMenu(menu_, model.Menu1, model.MenuItem);

    setMinimumWidth(std::max(kMinimumWidth, tabs_->tabBar()->sizeHint().width() +
                                                layout->contentsMargins().left() +
                                                layout->contentsMargins().right()));
    resize(minimumWidth(), 640);
    bind(static_cast<QWidget*>(this), model.form);
}

QWidget* QtMainWindow::page(int index) const {
    if (index < 0 || index >= tabs_->count()) return nullptr;
    return tabs_->widget(index);
}

void QtMainWindow::setPage(int index, QWidget* content) {
    QWidget* target = page(index);
    if (!target || !content) return;
    auto* layout = target->layout();
    if (!layout) layout = new QVBoxLayout(target);
    layout->addWidget(content);
}

std::unique_ptr<QtMainWindow> buildMainWindow(shell::MainForm& model) {
    return std::make_unique<QtMainWindow>(model);
}

}  // namespace orvan::qt
