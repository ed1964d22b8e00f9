#pragma once
// A grid of cells that a form cannot say: rows x columns clickable labels,
// built in a loop into a placeholder widget of the form and named after
// their model labels ("Label2_3" gives Label2_3_0 .. Label2_3_29), so that
// the form binder binds them like any other label.
//
// Cell k = row * columns + column; row 0 is the bottom row and column 0 the
// rightmost. Cells are 315 x 265 twips at a pitch of 300 x 250, so that
// neighbours share their edge.
#include <QLabel>
#include <QString>
#include <QWidget>

namespace orvan::qt {

struct CellGridShape {
    const char* cellName;  // the model's control array
    int rows;
    int columns;
    // What the axis captions beside and below the grid show for row 0 and
    // column 0; each further row or column adds one. A screen reader hears
    // a cell as "Temperature +1, Speed -2".
    int rowValueAtBottom;
    int columnValueAtRight;
};

// Fills the placeholder (which must have no layout) and fixes its size to
// the grid's. The grid is one Tab stop, entered at its top left cell until
// a cell is marked or focused.
void buildCellGrid(QWidget* placeholder, const CellGridShape& shape);

// The same for the placeholder of that name in a form; a form without it
// is left alone.
void buildCellGrid(QWidget* form, const QString& placeholderName, const CellGridShape& shape);

// What a screen reader hears for a cell: its place, the hint its colour
// gives and its mark, "Temperature +1, Speed -2: recommended, selected";
// its place alone when it has neither.
QString cellAccessibleName(const QLabel* cell);

}  // namespace orvan::qt
