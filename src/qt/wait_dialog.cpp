#include "qt/wait_dialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "qt/control_widgets.h"
#include "qt/window_bindings.h"

namespace orvan::qt {

WaitDialog::WaitDialog(link::WaitForm& model, QWidget* parent) : QDialog(parent) {
    auto* layout = new QVBoxLayout(this);
    QLabel* text = make(model.Label1, this);
    text->setWordWrap(true);
    text->setMinimumWidth(360);
    layout->addWidget(text);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(make(model.CancelButton, this));
    layout->addLayout(buttons);
    bind(static_cast<QWidget*>(this), model.form);
}

}  // namespace orvan::qt
