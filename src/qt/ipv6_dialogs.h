#pragma once
// The two IPv6 dialogs of the Printer Select tab on screen, each its form
// bound to its model: shown and hidden with the model's form, modal while the
// model's open() runs.
#include <QDialog>

#include "network/ipv6_dialogs.h"

namespace orvan::qt {

class Ipv6SettingDialog : public QDialog {
  public:
    // The model must outlive the dialog.
    Ipv6SettingDialog(network::Ipv6SettingForm& model, QWidget* parent);
};

class Ipv6PropertyDialog : public QDialog {
  public:
    Ipv6PropertyDialog(network::Ipv6PropertyForm& model, QWidget* parent);
};

}  // namespace orvan::qt
