#pragma once
// One binder for every screen: a Designer form's widgets are bound to the
// screen's model controls by name ("Cmd1[0]" is the widget "Cmd1_0"), each
// with the binding of its kind. Widgets whose names start with a capital
// letter stand for model controls; the form's own captions, layouts and
// spacers keep Designer's lower-case names and are left alone.
#include <QStringList>
#include <QWidget>

#include "ui/control_list.h"

namespace orvan::qt {

// What does not fit between a form and its controls.
struct FormMismatch {
    QStringList missing;    // controls without a widget of that name
    QStringList wrongKind;  // a widget of that name, but not of the control's kind
    QStringList unbound;    // capitalised widgets without a control
    bool ok() const { return missing.isEmpty() && wrongKind.isEmpty() && unbound.isEmpty(); }
    QString describe() const;
};

// Compares a form (before any other form is put into it) with its controls.
FormMismatch checkForm(QWidget* root, const ui::ControlList& controls);

// Binds every control that has a widget of its kind, and names each input
// after its buddy label. Returns what could not be bound.
FormMismatch bindForm(QWidget* root, const ui::ControlList& controls);

}  // namespace orvan::qt
