#pragma once
// A model table on a QTableWidget: the form gives the columns and their
// headers, the model the rows. Marked rows are bold; dimmed rows are greyed
// and cannot be selected. The table is read, never edited.
#include <QTableWidget>

#include "qt/control_link.h"
#include "ui/controls.h"

namespace orvan::qt {

ControlLink* bind(QTableWidget* w, ui::Table& c);

}  // namespace orvan::qt
