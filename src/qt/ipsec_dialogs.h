#pragma once
// The IPsec dialog, its file chooser and the certificate password prompt on
// screen, each its form bound to its model and shown modally above the one
// that opens it.
#include <QDialog>

#include "network/ipsec_dialog.h"

namespace orvan::qt {

class IpsecDialog : public QDialog {
  public:
    // The model must outlive the dialog.
    IpsecDialog(network::IpsecForm& model, QWidget* parent);

    // Only this dialog opens the chooser (and only the chooser the prompt):
    // both are built when it is first shown, so start-up does not pay for
    // them. Null until then.
    QDialog* chooser() const { return chooser_; }
    QDialog* prompt() const { return prompt_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    network::IpsecForm& model_;
    QDialog* chooser_ = nullptr;
    QDialog* prompt_ = nullptr;
};

}  // namespace orvan::qt
