#pragma once
// The properties every widget shares: name, accessible name, enabled,
// visible, colours, font size, border and, where the logic sets them, top and
// height in twips. Each control kind adds its own on top.
#include <QColor>
#include <QWidget>

#include "qt/control_link.h"
#include "ui/control.h"

namespace orvan::qt {

inline constexpr int kTwipsPerPixel = 15;
// The least contrast of text against its background that reads (WCAG AA).
inline constexpr double kReadableContrast = 4.5;

// WCAG's contrast ratio of two colours, 1 to 21.
double contrast(const QColor& a, const QColor& b);

// 0xBBGGRR to a colour.
inline QColor toQColor(ui::Colour c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

// Binds the shared properties of `control` to `widget`, then `own` for the
// kind's own properties (Caption included), and applies them all once. Each
// kind first lets a control whose caption the logic never set adopt the text
// its widget shows, so a form's static captions are never overwritten. The
// widget's objectName becomes the control's widget name; got-focus is
// forwarded. An internal name is never what a screen reader says: a widget
// that shows a caption is named by it, an input by the label beside it.
// A widget inside a layout takes the model's size (twips) as its fixed size;
// one in a container without a layout is placed where the model says. A
// wrapping label never gets shorter than its text needs, so a long printer
// message is shown whole. Nothing happens while the model sets no geometry.
void applyGeometry(QWidget* w, const ui::Control& c);

ControlLink* bindWidget(QWidget* widget, ui::Control& control, ControlLink::Apply own);

}  // namespace orvan::qt
