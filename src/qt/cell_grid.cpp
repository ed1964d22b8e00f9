#include "qt/cell_grid.h"

#include <cmath>

#include "qt/control_widgets.h"
#include "qt/widget_link.h"

namespace orvan::qt {
namespace {

constexpr int kCellWidth = 315, kCellHeight = 265;  // twips
constexpr int kPitchX = 300, kPitchY = 250;

int pixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QString signedValue(int value) {
    return value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value);
}

}  // namespace

void buildCellGrid(QWidget* placeholder, const CellGridShape& shape) {
    const int widthTwips = (shape.columns - 1) * kPitchX + kCellWidth;
    const int heightTwips = (shape.rows - 1) * kPitchY + kCellHeight;
    placeholder->setFixedSize(pixels(widthTwips), pixels(heightTwips));
    for (int row = 0; row < shape.rows; ++row) {
        for (int column = 0; column < shape.columns; ++column) {
            const int cell = row * shape.columns + column;
            auto* label = new ClickableLabel(placeholder);
            label->setObjectName(QStringLiteral("%1_%2").arg(shape.cellName).arg(cell));
            label->setAlignment(Qt::AlignCenter);
            label->setFocusPolicy(Qt::StrongFocus);
            label->setProperty("accessiblePrefix",
                               QStringLiteral("Temperature %1, Speed %2: ")
                                   .arg(signedValue(shape.rowValueAtBottom + row),
                                        signedValue(shape.columnValueAtRight + column)));
            // Edges in twips first, so that rounding never opens a gap.
            const int left = (shape.columns - 1 - column) * kPitchX;
            const int top = (shape.rows - 1 - row) * kPitchY;
            const int x = pixels(left), y = pixels(top);
            label->setGeometry(x, y, pixels(left + kCellWidth) - x, pixels(top + kCellHeight) - y);
        }
    }
}

void buildCellGrid(QWidget* form, const QString& placeholderName, const CellGridShape& shape) {
    if (auto* placeholder = form->findChild<QWidget*>(placeholderName))
        buildCellGrid(placeholder, shape);
}

}  // namespace orvan::qt
