#include "qt/forms.h"

#include <QDialog>
#include <QMainWindow>

#include "qt/cell_grid.h"
#include "ui_admin_dialog.h"
#include "ui_bend_remedy_tab.h"
#include "ui_certificate_file_dialog.h"
#include "ui_certificate_password_dialog.h"
#include "ui_ipsec_dialog.h"
#include "ui_ipv6_property_dialog.h"
#include "ui_ipv6_setting_dialog.h"
#include "ui_laminator_tab.h"
#include "ui_main_window.h"
#include "ui_media_setting_tab.h"
#include "ui_others_tab.h"
#include "ui_printer_select_tab.h"
#include "ui_printer_setting_tab.h"
#include "ui_property_tab.h"
#include "ui_retransfer_tab.h"
#include "ui_security_lock_tab.h"
#include "ui_status_tab.h"
#include "ui_wait_dialog.h"

namespace orvan::qt {
namespace {

enum class Kind { Window, Dialog, Page };

template <typename UiForm, typename W>
void setUp(QWidget* root) {
    UiForm form;
    form.setupUi(static_cast<W*>(root));
}

// A form, then what it cannot say.
template <typename UiForm, void (*Complete)(QWidget*)>
void setUpThen(QWidget* root) {
    setUp<UiForm, QWidget>(root);
    Complete(root);
}

// The axis captions beside and below each grid show -2 .. +2 for the
// retransfer temperatures, -3 .. +2 for their speeds, -5 .. 0 for the bend
// remedy temperatures and -2 .. +2 for its speeds, counted from the bottom
// row and the rightmost column.
void retransferGrids(QWidget* root) {
    buildCellGrid(root, QStringLiteral("frontCells"), {"Label2_3", 5, 6, -2, -3});
    buildCellGrid(root, QStringLiteral("backCells"), {"Label2_4", 5, 6, -2, -3});
}

void bendRemedyGrid(QWidget* root) {
    buildCellGrid(root, QStringLiteral("bendCells"), {"Label3_1", 6, 5, -5, -2});
}

struct FormRow {
    FormId id;
    Kind kind;
    void (*setup)(QWidget*);
};

constexpr FormRow kForms[] = {
    {FormId::MainWindow, Kind::Window, setUp<Ui::MainWindowForm, QMainWindow>},
    {FormId::StatusTab, Kind::Page, setUp<Ui::StatusTabForm, QWidget>},
    {FormId::PrinterSettingTab, Kind::Page, setUp<Ui::PrinterSettingTabForm, QWidget>},
    {FormId::RetransferTab, Kind::Page, setUpThen<Ui::RetransferTabForm, retransferGrids>},
    {FormId::BendRemedyTab, Kind::Page, setUpThen<Ui::BendRemedyTabForm, bendRemedyGrid>},
    {FormId::PropertyTab, Kind::Page, setUp<Ui::PropertyTabForm, QWidget>},
    {FormId::MediaSettingTab, Kind::Page, setUp<Ui::MediaSettingTabForm, QWidget>},
    {FormId::LaminatorTab, Kind::Page, setUp<Ui::LaminatorTabForm, QWidget>},
    {FormId::SecurityLockTab, Kind::Page, setUp<Ui::SecurityLockTabForm, QWidget>},
    {FormId::PrinterSelectTab, Kind::Page, setUp<Ui::PrinterSelectTabForm, QWidget>},
    {FormId::OthersTab, Kind::Page, setUp<Ui::OthersTabForm, QWidget>},
    {FormId::AdminDialog, Kind::Dialog, setUp<Ui::AdminDialogForm, QDialog>},
    {FormId::WaitDialog, Kind::Dialog, setUp<Ui::WaitDialogForm, QDialog>},
    {FormId::Ipv6SettingDialog, Kind::Dialog, setUp<Ui::Ipv6SettingDialogForm, QDialog>},
    {FormId::Ipv6PropertyDialog, Kind::Dialog, setUp<Ui::Ipv6PropertyDialogForm, QDialog>},
    {FormId::IpsecDialog, Kind::Dialog, setUp<Ui::IpsecDialogForm, QDialog>},
    {FormId::CertificateFileDialog, Kind::Dialog, setUp<Ui::CertificateFileDialogForm, QDialog>},
    {FormId::CertificatePasswordDialog, Kind::Dialog,
     setUp<Ui::CertificatePasswordDialogForm, QDialog>},
};

const FormRow& row(FormId id) {
    for (const FormRow& r : kForms)
        if (r.id == id) return r;
    return kForms[0];  // every id has a row
}

}  // namespace

void setupForm(FormId form, QWidget* root) {
    row(form).setup(root);
}

QWidget* createForm(FormId form, QWidget* parent) {
    QWidget* root = nullptr;
    switch (row(form).kind) {
        case Kind::Window:
            root = new QMainWindow(parent);
            break;
        case Kind::Dialog:
            root = new QDialog(parent);
            break;
        case Kind::Page:
            root = new QWidget(parent);
            break;
    }
    setupForm(form, root);
    return root;
}

}  // namespace orvan::qt
