#pragma once
// The administrators dialog on screen, bound to its model: shown and hidden
// with the model's form, modal while the model's open() runs.
#include <QDialog>

#include "shell/rights.h"

namespace orvan::qt {

class AdminDialog : public QDialog {
  public:
    // The model must outlive the dialog.
    explicit AdminDialog(shell::AdminForm& model, QWidget* parent = nullptr);
};

}  // namespace orvan::qt
