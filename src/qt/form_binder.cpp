#include "qt/form_binder.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

#include "qt/control_widgets.h"
#include "qt/picture_widgets.h"
#include "qt/table_widget.h"
#include "qt/window_bindings.h"

namespace orvan::qt {
namespace {

enum class Match { OtherKind, Bound, WrongWidget };

// One control kind and the widget type that shows it.
using KindBinder = Match (*)(QWidget* widget, ui::Control& control, bool bindIt);

template <typename W, typename C>
Match bindAs(QWidget* widget, ui::Control& control, bool bindIt) {
    auto* model = dynamic_cast<C*>(&control);
    if (!model) return Match::OtherKind;
    auto* view = dynamic_cast<W*>(widget);
    if (!view) return Match::WrongWidget;
    if (bindIt) bind(view, *model);
    return Match::Bound;
}

constexpr KindBinder kKinds[] = {
    bindAs<QLabel, ui::Label>,
    bindAs<QPushButton, ui::Button>,
    bindAs<QRadioButton, ui::OptionButton>,
    bindAs<QCheckBox, ui::CheckBox>,
    bindAs<QGroupBox, ui::Frame>,
    bindAs<QListWidget, ui::ListBox>,  // before the combo box it derives from
    bindAs<QComboBox, ui::ComboBox>,
    bindAs<QScrollBar, ui::HScrollBar>,
    bindAs<QLineEdit, ui::TextBox>,
    bindAs<PictureView, ui::PictureBox>,
    bindAs<AnimatedView, ui::AnimatedPicture>,
    bindAs<QTabWidget, ui::TabControl>,
    bindAs<QTableWidget, ui::Table>,
    bindAs<QWidget, ui::Form>,  // the form's own window
};

Match matchKind(QWidget* widget, ui::Control& control, bool bindIt) {
    for (KindBinder kind : kKinds) {
        const Match m = kind(widget, control, bindIt);
        if (m != Match::OtherKind) return m;
    }
    return Match::WrongWidget;  // a kind no form can hold
}

// A capitalised name stands for a control, unless Qt gave it to a part of
// its own (the tab bar's scroll buttons).
bool standsForAControl(const QWidget* widget) {
    const QString name = widget->objectName();
    if (name.isEmpty() || !name.front().isUpper()) return false;
    return !qobject_cast<const QTabBar*>(widget->parentWidget());
}

QWidget* widgetFor(QWidget* root, const ui::Control& control) {
    const QString name = toQt(ui::widgetName(control.name()));
    if (root->objectName() == name) return root;
    return root->findChild<QWidget*>(name);
}

FormMismatch walk(QWidget* root, const ui::ControlList& controls, bool bindIt) {
    FormMismatch result;
    for (ui::Control* control : controls.all()) {
        QWidget* widget = widgetFor(root, *control);
        const QString name = toQt(control->name());
        if (!widget)
            result.missing << name;
        else if (matchKind(widget, *control, bindIt) == Match::WrongWidget)
            result.wrongKind << name;
    }
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (!standsForAControl(widget)) continue;
        const QString name = widget->objectName();
        bool found = false;
        for (ui::Control* control : controls.all())
            found = found || toQt(ui::widgetName(control->name())) == name;
        if (!found) result.unbound << name;
    }
    return result;
}

// Inputs are named after the label the form puts beside them (a label bound
// to a control keeps its buddy's name in step itself), and frames after
// their titles: unnamed, Qt would read them under the title of the frame
// around them. A name the form gives itself wins: it tells apart what only
// the position on screen does ("Position" of the top or bottom side).
void nameFromForm(QWidget* root) {
    for (QLabel* label : root->findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (buddy && buddy->accessibleName().isEmpty())
            nameInput(buddy, withoutMnemonic(label->text()));
    }
    for (QGroupBox* frame : root->findChildren<QGroupBox*>())
        if (frame->accessibleName().isEmpty())
            frame->setAccessibleName(withoutMnemonic(frame->title()));
}

}  // namespace

QString FormMismatch::describe() const {
    QStringList parts;
    if (!missing.isEmpty()) parts << "no widget for: " + missing.join(", ");
    if (!wrongKind.isEmpty()) parts << "wrong kind of widget for: " + wrongKind.join(", ");
    if (!unbound.isEmpty()) parts << "no control for: " + unbound.join(", ");
    return parts.join("; ");
}

FormMismatch checkForm(QWidget* root, const ui::ControlList& controls) {
    return walk(root, controls, false);
}

FormMismatch bindForm(QWidget* root, const ui::ControlList& controls) {
    nameFromForm(root);
    QFont font = root->font();
    font.setPointSize(ui::kDefaultFontSize);
    root->setFont(font);
    return walk(root, controls, true);
}

}  // namespace orvan::qt
