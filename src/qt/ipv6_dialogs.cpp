#include "qt/ipv6_dialogs.h"

#include "qt/form_binder.h"
#include "qt/forms.h"

namespace orvan::qt {

Ipv6SettingDialog::Ipv6SettingDialog(network::Ipv6SettingForm& model, QWidget* parent)
    : QDialog(parent) {
    setupForm(FormId::Ipv6SettingDialog, this);
    bindForm(this, model.controls());
}

Ipv6PropertyDialog::Ipv6PropertyDialog(network::Ipv6PropertyForm& model, QWidget* parent)
    : QDialog(parent) {
    setupForm(FormId::Ipv6PropertyDialog, this);
    bindForm(this, model.controls());
}

}  // namespace orvan::qt
