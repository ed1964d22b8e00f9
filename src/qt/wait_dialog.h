#pragma once
// The "please wait" window of a settings write that waits for the printer.
#include <QDialog>

#include "link/wait_form.h"

namespace orvan::qt {

class WaitDialog : public QDialog {
  public:
    WaitDialog(link::WaitForm& model, QWidget* parent);
};

}  // namespace orvan::qt
