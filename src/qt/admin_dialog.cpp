#include "qt/admin_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/control_widgets.h"
#include "qt/window_bindings.h"

namespace orvan::qt {

namespace {
constexpr int kBoxColumns = 2;
}

AdminDialog::AdminDialog(shell::AdminForm& model, QWidget* parent) : QDialog(parent) {
    auto* layout = new QVBoxLayout(this);
    QGroupBox* frame = make(model.Frame1, this);
    auto* boxes = new QGridLayout(frame);
    // The boxes in flag order, two to a row; flags without a box leave no gap.
    int placed = 0;
    for (auto& box : model.Check1) {
        if (!box) continue;
        boxes->addWidget(make(*box, frame), placed / kBoxColumns, placed % kBoxColumns);
        ++placed;
    }
    layout->addWidget(frame);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (auto& button : model.Cmd1) buttons->addWidget(make(button, this));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    bind(static_cast<QWidget*>(this), model.form);
}

}  // namespace orvan::qt
