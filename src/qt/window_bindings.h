#pragma once
// Windows and what hangs off them: forms, the tab control, popup menus and
// timers.
#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <QTimer>
#include <span>

#include "qt/control_link.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/screen_pointer.h"
#include "ui/timer.h"

namespace orvan::qt {

// A window (QWidget or QDialog) shown and hidden with its form. Closing it
// from its close box or with Escape asks the form (requestClose) instead of
// closing; a close by code goes through.
ControlLink* bind(QWidget* window, ui::Form& form);

// All captions stay visible at once: no scroll arrows, no shortened texts.
// The captions are the titles of the form's pages, and name the pages.
// Missing pages are added empty; a page is never removed.
ControlLink* bind(QTabWidget* w, ui::TabControl& c);

// Items with caption "-" are separators; the default item is shown bold.
// (Named apart from bind(): a std::span argument would draw in std::bind.)
ControlLink* bind(QAction* action, ui::MenuItem& item);
void bindMenu(QMenu* menu, ui::Menu& c, std::span<ui::MenuItem> items);

// The application's pointer follows the model: the hourglass while it is
// busy. The link lives (and the hourglass is taken back) with `owner`.
ControlLink* bind(QObject* owner, ui::ScreenPointer& pointer);

// A QTimer behind the model timer: it runs while the timer is enabled with
// an interval above 0, starts its period afresh on every change, and ticks
// the model. Unlike the test loop, Qt never delivers a timer to itself
// while its own tick is still running.
QTimer* makeTimer(ui::Timer& c, QObject* parent);

}  // namespace orvan::qt
