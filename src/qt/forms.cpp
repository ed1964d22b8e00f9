#include "qt/forms.h"

#include <QDialog>
#include <QMainWindow>
#include <cstring>

#include "qt/cell_grid.h"

namespace orvan::qt {
namespace {

struct FormRow {
    const char* name;
    void (*setup)(QWidget*);
    QWidget* (*create)(QWidget* parent);
};

template <typename UiForm, typename W>
void setUp(QWidget* root) {
    UiForm form;
    form.setupUi(static_cast<W*>(root));
}

template <typename W>
QWidget* create(QWidget* parent) {
    return new W(parent);
}

}  // namespace
}  // namespace orvan::qt

// kForms: one row per file in forms/, made at build time.
#include "form_table.inc"

namespace orvan::qt {
namespace {

// What a form cannot say: the axis captions beside and below each grid show
// -2 .. +2 for the retransfer temperatures, -3 .. +2 for their speeds, -5 ..
// 0 for the bend remedy temperatures and -2 .. +2 for its speeds, counted
// from the bottom row and the rightmost column.
void retransferGrids(QWidget* root) {
    buildCellGrid(root, QStringLiteral("frontCells"), {"Label2_3", 5, 6, -2, -3});
    buildCellGrid(root, QStringLiteral("backCells"), {"Label2_4", 5, 6, -2, -3});
}

void bendRemedyGrid(QWidget* root) {
    buildCellGrid(root, QStringLiteral("bendCells"), {"Label3_1", 6, 5, -5, -2});
}

struct Completion {
    const char* form;
    void (*complete)(QWidget*);
};

constexpr Completion kCompletions[] = {
    {"retransfer_tab", retransferGrids},
    {"bend_remedy_tab", bendRemedyGrid},
};

const FormRow* row(const char* form) {
    for (const FormRow& r : kForms)
        if (std::strcmp(r.name, form) == 0) return &r;
    return nullptr;
}

}  // namespace

QStringList allForms() {
    QStringList names;
    for (const FormRow& r : kForms) names << QString::fromLatin1(r.name);
    return names;
}

bool setupForm(const char* form, QWidget* root) {
    const FormRow* found = row(form);
    if (!found) return false;
    found->setup(root);
    for (const Completion& c : kCompletions)
        if (std::strcmp(c.form, form) == 0) c.complete(root);
    return true;
}

QWidget* createForm(const char* form, QWidget* parent) {
    const FormRow* found = row(form);
    if (!found) return nullptr;
    QWidget* root = found->create(parent);
    setupForm(form, root);
    return root;
}

}  // namespace orvan::qt
