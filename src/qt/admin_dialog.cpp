#include "qt/admin_dialog.h"

#include "qt/form_binder.h"
#include "qt/forms.h"

namespace orvan::qt {

AdminDialog::AdminDialog(shell::AdminForm& model, QWidget* parent) : QDialog(parent) {
    setupForm(FormId::AdminDialog, this);
    bindForm(this, model.controls());
}

}  // namespace orvan::qt
