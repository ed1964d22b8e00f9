#pragma once
// The IPsec dialog, its file chooser and the certificate password prompt on
// screen, each its form bound to its model and shown modally above the one
// that opens it.
#include <QDialog>

#include "network/ipsec_dialog.h"

namespace orvan::qt {

class IpsecDialog : public QDialog {
  public:
    // The model must outlive the dialog; the chooser and the prompt are
    // built with it, each the child of the window it opens over.
    IpsecDialog(network::IpsecForm& model, QWidget* parent);

    QDialog* chooser() const { return chooser_; }
    QDialog* prompt() const { return prompt_; }

  private:
    QDialog* chooser_;
    QDialog* prompt_;
};

}  // namespace orvan::qt
