#pragma once
// The Designer forms of the window, by screen. Adding a screen is one row
// here and one layout file in forms/.
#include <QWidget>

namespace orvan::qt {

enum class FormId {
    MainWindow,
    StatusTab,
    PrinterSettingTab,
    PropertyTab,
    OthersTab,
    AdminDialog,
    WaitDialog,
};

inline constexpr FormId kAllForms[] = {
    FormId::MainWindow, FormId::StatusTab,   FormId::PrinterSettingTab, FormId::PropertyTab,
    FormId::OthersTab,  FormId::AdminDialog, FormId::WaitDialog};

// Sets the form up on `root`: a QMainWindow for the main window, a QDialog
// for a dialog, any widget for a tab page.
void setupForm(FormId form, QWidget* root);

// A new widget of the form's kind with the form set up and nothing bound.
QWidget* createForm(FormId form, QWidget* parent = nullptr);

}  // namespace orvan::qt
