#pragma once
// The "Printer Status" tab on screen. Every widget is bound to its model
// control and named after it, so the page needs no code of its own beyond
// building and laying out.
#include <QWidget>

#include "status/status_tab.h"

namespace orvan::qt {

// Builds the tab's widgets under a new page widget for the main window
// (QtMainWindow::setPage). The model must outlive the page.
QWidget* buildStatusTabPage(status::StatusTab& tab, QWidget* parent = nullptr);

// A status line's text on screen: the printer's texts break lines with a
// carriage return, which Qt does not.
QString statusLineText(const std::string& caption);

}  // namespace orvan::qt
