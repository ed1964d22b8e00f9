#pragma once
// What a screen reader is told beyond Qt's own:
// - a gauge, a picture box that a form marks with the dynamic property
//   "accessibleValueLabel" (the name of the label showing its percentage),
//   is read as a progress bar of 0 to 100 with that value;
// - any other picture box and the animated picture are read as images;
// - a combo box is named by its label, with its current text as its value
//   (Qt on Linux would name it by its current text).
class QWidget;

namespace orvan::qt {

// Installs the accessibility factories (once; later calls do nothing).
void installAccessibility();

// Tells a screen reader that the gauge's value may have changed.
void announceValue(QWidget* gauge);

}  // namespace orvan::qt
