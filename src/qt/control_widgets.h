#pragma once
// Widgets for the plain control kinds. bind() ties a form's widget to its
// model control. A user gesture calls the model, which raises the control's
// event exactly once.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <functional>

#include "qt/control_link.h"
#include "ui/controls.h"

namespace orvan::qt {

// A combo box that tells its model when its list is about to drop down, so
// that the drop-down handler can fill the list first.
class ModelComboBox : public QComboBox {
  public:
    using QComboBox::QComboBox;
    std::function<void()> onDropDown;
    void showPopup() override;
};

// A label that takes clicks, as the cells of a grid do: a click of the
// left button, or Space or Enter while it has the focus (shown by a dotted
// frame), raises the model label's click. The cells under one parent are a
// single Tab stop: Tab enters at the cell last focused or marked, and the
// arrow keys move between neighbours.
class ClickableLabel : public QLabel {
  public:
    using QLabel::QLabel;
    std::function<void()> onClick;

    // Makes this cell the one Tab enters its grid at.
    void becomeTabStop();
    // The nearest cell in the direction (dx, dy), in the same row or
    // column; null at the edge.
    ClickableLabel* neighbour(int dx, int dy) const;

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// A caption as a label shows it: the printer's texts break lines with a
// carriage return, which Qt does not.
QString labelText(const std::string& caption);

// Gives a combo's drop-down list the combo's name (making the list).
void nameDropDownList(QComboBox* combo);

// Names an input after its label; a combo's list and an editable combo's
// text field too, which a screen reader reaches on their own.
void nameInput(QWidget* input, const QString& name);

ControlLink* bind(QLabel* w, ui::Label& c);
ControlLink* bind(QAbstractButton* w, ui::Button& c);
ControlLink* bind(QRadioButton* w, ui::OptionButton& c);
ControlLink* bind(QCheckBox* w, ui::CheckBox& c);
ControlLink* bind(QGroupBox* w, ui::Frame& c);
ControlLink* bind(QComboBox* w, ui::ComboBox& c);
ControlLink* bind(QListWidget* w, ui::ListBox& c);
ControlLink* bind(QScrollBar* w, ui::HScrollBar& c);
ControlLink* bind(QLineEdit* w, ui::TextBox& c);

}  // namespace orvan::qt
