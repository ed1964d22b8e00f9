#pragma once
// The Designer forms of the window, by screen. Adding a screen is one row
// here and one layout file in forms/.
#include <QWidget>

namespace orvan::qt {

enum class FormId {
    MainWindow,
    StatusTab,
    PrinterSettingTab,
    RetransferTab,
    BendRemedyTab,
    PropertyTab,
    MediaSettingTab,
    LaminatorTab,
    SecurityLockTab,
    PrinterSelectTab,
    OthersTab,
    AdminDialog,
    WaitDialog,
    Ipv6SettingDialog,
    Ipv6PropertyDialog,
    IpsecDialog,
    CertificateFileDialog,
    CertificatePasswordDialog,
};

inline constexpr FormId kAllForms[] = {FormId::MainWindow,
                                       FormId::StatusTab,
                                       FormId::PrinterSettingTab,
                                       FormId::RetransferTab,
                                       FormId::BendRemedyTab,
                                       FormId::PropertyTab,
                                       FormId::MediaSettingTab,
                                       FormId::LaminatorTab,
                                       FormId::SecurityLockTab,
                                       FormId::PrinterSelectTab,
                                       FormId::OthersTab,
                                       FormId::AdminDialog,
                                       FormId::WaitDialog,
                                       FormId::Ipv6SettingDialog,
                                       FormId::Ipv6PropertyDialog,
                                       FormId::IpsecDialog,
                                       FormId::CertificateFileDialog,
                                       FormId::CertificatePasswordDialog};

// Sets the form up on `root`: a QMainWindow for the main window, a QDialog
// for a dialog, any widget for a tab page. What the form cannot say (the
// cells of a grid) is built into it as well.
void setupForm(FormId form, QWidget* root);

// A new widget of the form's kind with the form set up and nothing bound.
QWidget* createForm(FormId form, QWidget* parent = nullptr);

}  // namespace orvan::qt
