#include "platform/ui/FlexGrid.h"

#include <QHeaderView>

#include "platform/VbText.h"

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    setAlternatingRowColors(true);
}

void FlexGrid::setRows(int rows) { setRowCount(std::max(0, rows - 1)); }

QString FlexGrid::TextMatrix(int row, int col) const
{
    if (row == 0) {
        const QTableWidgetItem* header = horizontalHeaderItem(col);
        return header ? header->text() : QString();
    }
    const QTableWidgetItem* cell = item(row - 1, col);
    return cell ? cell->text() : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text)
{
    if (row == 0) {
        setHorizontalHeaderItem(col, new QTableWidgetItem(text));
        return;
    }
    auto* cell = new QTableWidgetItem(text);
    // Numbers line up on the right, any other text on the left.
    const bool numero = vb::ParseNumber(text).has_value();
    cell->setTextAlignment(Qt::AlignVCenter | (numero ? Qt::AlignRight : Qt::AlignLeft));
    setItem(row - 1, col, cell);
}

void FlexGrid::setColWidth(int col, int pixels)
{
    setColumnHidden(col, pixels == 0);
    if (pixels > 0) setColumnWidth(col, pixels);
}

void FlexGrid::Clear() { clear(); }
