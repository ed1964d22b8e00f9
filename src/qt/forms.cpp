#include "qt/forms.h"

#include <QDialog>
#include <QMainWindow>

#include "ui_admin_dialog.h"
#include "ui_main_window.h"
#include "ui_others_tab.h"
#include "ui_printer_setting_tab.h"
#include "ui_property_tab.h"
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

struct FormRow {
    FormId id;
    Kind kind;
    void (*setup)(QWidget*);
};

constexpr FormRow kForms[] = {
    {FormId::MainWindow, Kind::Window, setUp<Ui::MainWindowForm, QMainWindow>},
    {FormId::StatusTab, Kind::Page, setUp<Ui::StatusTabForm, QWidget>},
    {FormId::PrinterSettingTab, Kind::Page, setUp<Ui::PrinterSettingTabForm, QWidget>},
    {FormId::PropertyTab, Kind::Page, setUp<Ui::PropertyTabForm, QWidget>},
    {FormId::OthersTab, Kind::Page, setUp<Ui::OthersTabForm, QWidget>},
    {FormId::AdminDialog, Kind::Dialog, setUp<Ui::AdminDialogForm, QDialog>},
    {FormId::WaitDialog, Kind::Dialog, setUp<Ui::WaitDialogForm, QDialog>},
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
