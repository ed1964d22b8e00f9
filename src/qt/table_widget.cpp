#include "qt/table_widget.h"

#include <QHeaderView>

#include "qt/widget_link.h"

namespace orvan::qt {
namespace {

void showRows(QTableWidget* w, const ui::Table& c) {
    const auto& rows = c.rows();
    w->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const ui::TableRow& row = rows[static_cast<std::size_t>(r)];
        for (int col = 0; col < w->columnCount(); ++col) {
            const std::size_t at = static_cast<std::size_t>(col);
            auto* item =
                new QTableWidgetItem(at < row.cells.size() ? toQt(row.cells[at]) : QString());
            QFont font = item->font();
            font.setBold(row.marked);
            item->setFont(font);
            item->setFlags(row.dimmed ? Qt::NoItemFlags : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            w->setItem(r, col, item);
        }
    }
}

}  // namespace

ControlLink* bind(QTableWidget* w, ui::Table& c) {
    w->setEditTriggers(QAbstractItemView::NoEditTriggers);
    w->setSelectionBehavior(QAbstractItemView::SelectRows);
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    w->setTabKeyNavigation(false);  // Tab leaves the table: one stop, arrows inside
    // Columns as wide as their texts, the last one the rest; rows as high as a line.
    w->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    w->horizontalHeader()->setStretchLastSection(true);
    w->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return bindWidget(w, c, [w, &c](ui::Property p) {
        if (p == ui::Property::Items) showRows(w, c);
    });
}

}  // namespace orvan::qt
