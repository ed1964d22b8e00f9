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

// The hint colours as the retransfer legend explains them.
struct Hint {
    QRgb colour;
    const char* words;
};
constexpr Hint kHints[] = {
    {qRgb(0x00, 0xFF, 0x00), "standard"},
    {qRgb(0x00, 0xFF, 0xFF), "recommended"},
    {qRgb(0xFF, 0xFF, 0x00), "card bends much"},
    {qRgb(0x80, 0x80, 0xFF), "retransfer defects happen"},
    {qRgb(0xFF, 0x00, 0x00), "prohibited"},
};

constexpr const char* kMark = "*";  // the selected cell's text

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
            // Tab enters at the top left cell, the last one built.
            const bool topLeft = cell == shape.rows * shape.columns - 1;
            label->setFocusPolicy(topLeft ? Qt::StrongFocus : Qt::ClickFocus);
            label->setProperty("accessiblePrefix",
                               QStringLiteral("Temperature %1, Speed %2: ")
                                   .arg(signedValue(shape.rowValueAtBottom + row),
                                        signedValue(shape.columnValueAtRight + column)));
            label->setAccessibleName(cellAccessibleName(label));
            // Edges in twips first, so that rounding never opens a gap.
            const int left = (shape.columns - 1 - column) * kPitchX;
            const int top = (shape.rows - 1 - row) * kPitchY;
            const int x = pixels(left), y = pixels(top);
            label->setGeometry(x, y, pixels(left + kCellWidth) - x, pixels(top + kCellHeight) - y);
        }
    }
    // Built after the form, the cells would come last in its tab order: they
    // go where the grid is, in reading order (the placeholder takes part for
    // this only, as Qt orders no widget that never takes the focus).
    placeholder->setFocusPolicy(Qt::TabFocus);
    QWidget* previous = placeholder;
    for (int row = shape.rows - 1; row >= 0; --row) {
        for (int column = shape.columns - 1; column >= 0; --column) {
            const int cell = row * shape.columns + column;
            auto* label = placeholder->findChild<QLabel*>(
                QStringLiteral("%1_%2").arg(shape.cellName).arg(cell), Qt::FindDirectChildrenOnly);
            QWidget::setTabOrder(previous, label);
            previous = label;
        }
    }
    placeholder->setFocusPolicy(Qt::NoFocus);
}

void buildCellGrid(QWidget* form, const QString& placeholderName, const CellGridShape& shape) {
    if (auto* placeholder = form->findChild<QWidget*>(placeholderName))
        buildCellGrid(placeholder, shape);
}

QString cellAccessibleName(const QLabel* cell) {
    QString place = cell->property("accessiblePrefix").toString();
    while (place.endsWith(u' ') || place.endsWith(u':')) place.chop(1);
    QStringList about;
    if (cell->autoFillBackground()) {
        const QRgb colour = cell->palette().color(QPalette::Window).rgb();
        for (const Hint& hint : kHints)
            if (hint.colour == colour) about << QString::fromLatin1(hint.words);
    }
    const QString text = cell->text().trimmed();
    if (text == QLatin1String(kMark))
        about << QStringLiteral("selected");
    else if (!text.isEmpty())
        about << text;
    return about.isEmpty() ? place
                           : place + QStringLiteral(": ") + about.join(QStringLiteral(", "));
}

}  // namespace orvan::qt
