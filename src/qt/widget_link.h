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

// 0xBBGGRR to a colour.
inline QColor toQColor(ui::Colour c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

enum class Naming {
    ByCaption,  // the control shows its caption: that is its accessible name
    ByLabel,    // an input field: named by the label beside it (see nameAfter)
};

// Binds the shared properties of `control` to `widget`, then `own` for the
// kind's own properties (Caption included), and applies them all once. The
// widget's objectName becomes the control's name; got-focus is forwarded.
ControlLink* bindWidget(QWidget* widget, ui::Control& control, Naming naming,
                        ControlLink::Apply own);

// Names an input field after the label beside it, following the label's
// caption as it changes.
void nameAfter(QWidget* widget, ui::Control& label);

}  // namespace orvan::qt
