#pragma once
// The Designer forms of the window, by name: forms/<name>.ui. The table of
// forms is made from that folder at build time, so a new screen needs its
// unit, its form and one row in the list of screens, nothing here.
#include <QStringList>
#include <QWidget>

namespace orvan::qt {

// Every form there is, main window and dialogs included.
QStringList allForms();

// Sets the form up on `root`: a QMainWindow for the main window, a QDialog
// for a dialog, any widget for a tab page. What the form cannot say (the
// cells of a grid) is built into it as well. False for a name without a form.
bool setupForm(const char* form, QWidget* root);

// A new widget of the form's kind with the form set up and nothing bound;
// null for a name without a form.
QWidget* createForm(const char* form, QWidget* parent = nullptr);

}  // namespace orvan::qt
