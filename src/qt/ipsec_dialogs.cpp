#include "qt/ipsec_dialogs.h"

#include "qt/form_binder.h"
#include "qt/forms.h"

namespace orvan::qt {
namespace {

QDialog* boundDialog(FormId id, const ui::ControlList& controls, QWidget* parent) {
    auto* dialog = new QDialog(parent);
    setupForm(id, dialog);
    bindForm(dialog, controls);
    return dialog;
}

}  // namespace

IpsecDialog::IpsecDialog(network::IpsecForm& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setupForm(FormId::IpsecDialog, this);
    bindForm(this, model.controls());
}

void IpsecDialog::showEvent(QShowEvent* event) {
    if (chooser_ == nullptr) {
        chooser_ = boundDialog(FormId::CertificateFileDialog, model_.chooser.controls(), this);
        prompt_ =
            boundDialog(FormId::CertificatePasswordDialog, model_.prompt.controls(), chooser_);
    }
    QDialog::showEvent(event);
}

}  // namespace orvan::qt
