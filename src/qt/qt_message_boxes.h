#pragma once
// Message boxes on screen: the monitor's title, the icon, the buttons and
// the answer mapped back to the model's.
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "ui/message_box.h"

namespace orvan::qt {

// Makes a box wide enough for its whole title: the window manager draws the
// title beside its buttons, and a box sized to a short message would cut it.
void fitTitle(QMessageBox& box);

class QtMessageBoxes : public ui::MessageBoxes {
  public:
    // Boxes sit over `parent` while it is shown, else on their own.
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    ui::Answer show(const std::string& text, ui::Icon icon, ui::Buttons buttons) override;
    // The main window exists only after the first boxes of start-up.
    void setParent(QWidget* parent) { parent_ = parent; }

  private:
    QPointer<QWidget> parent_;
};

}  // namespace orvan::qt
