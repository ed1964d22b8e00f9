#include "qt/wait_dialog.h"

#include "qt/form_binder.h"
#include "qt/forms.h"

namespace orvan::qt {

WaitDialog::WaitDialog(link::WaitForm& model, QWidget* parent) : QDialog(parent) {
    setupForm(FormId::WaitDialog, this);
    bindForm(this, model.controls());
}

}  // namespace orvan::qt
