#include "controls/grid_model.h"

#include <QBrush>
#include <QStringList>

#include <algorithm>

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

void GridModel::setShape(int rows, int cols, int fixedRows, int fixedCols)
{
    rows = std::max(rows, 0);
    cols = std::max(cols, 0);
    fixedRows = std::clamp(fixedRows, 0, rows);
    fixedCols = std::clamp(fixedCols, 0, cols);
    if (rows == m_rows && cols == m_cols && fixedRows == m_fixedRows && fixedCols == m_fixedCols)
        return;

    beginResetModel();
    if (rows != m_rows || cols != m_cols) {
        std::vector<Cell> cells(static_cast<size_t>(rows) * static_cast<size_t>(cols));
        const int keepRows = std::min(rows, m_rows);
        const int keepCols = std::min(cols, m_cols);
        for (int r = 0; r < keepRows; ++r)
            for (int c = 0; c < keepCols; ++c)
                cells[static_cast<size_t>(r) * cols + c] = std::move(m_cells[static_cast<size_t>(r) * m_cols + c]);
        m_cells = std::move(cells);
        m_alignment.resize(static_cast<size_t>(cols), Qt::AlignCenter);
    }
    m_rows = rows;
    m_cols = cols;
    m_fixedRows = fixedRows;
    m_fixedCols = fixedCols;
    endResetModel();
}

bool GridModel::contains(int row, int col) const
{
    return row >= 0 && row < m_rows && col >= 0 && col < m_cols;
}

bool GridModel::isFixed(int row, int col) const
{
    return contains(row, col) && (row < m_fixedRows || col < m_fixedCols);
}

const GridModel::Cell* GridModel::cell(int row, int col) const
{
    return contains(row, col) ? &m_cells[static_cast<size_t>(row) * m_cols + col] : nullptr;
}

GridModel::Cell* GridModel::cell(int row, int col)
{
    return contains(row, col) ? &m_cells[static_cast<size_t>(row) * m_cols + col] : nullptr;
}

QString GridModel::text(int row, int col) const
{
    const Cell* c = cell(row, col);
    return c ? c->text : QString();
}

void GridModel::setText(int row, int col, const QString& text)
{
    Cell* c = cell(row, col);
    if (!c || c->text == text)
        return;
    c->text = text;
    announce(row, col, {Qt::DisplayRole});
}

QColor GridModel::background(int row, int col) const
{
    const Cell* c = cell(row, col);
    return c ? c->background : QColor();
}

void GridModel::setBackground(int row, int col, const QColor& color)
{
    Cell* c = cell(row, col);
    if (!c || c->background == color)
        return;
    c->background = color;
    announce(row, col, {Qt::BackgroundRole});
}

Qt::Alignment GridModel::alignment(int col) const
{
    return col >= 0 && col < m_cols ? m_alignment[static_cast<size_t>(col)] : Qt::AlignCenter;
}

void GridModel::setAlignment(int col, Qt::Alignment alignment)
{
    if (col < 0 || col >= m_cols || m_alignment[static_cast<size_t>(col)] == alignment)
        return;
    m_alignment[static_cast<size_t>(col)] = alignment;
    if (m_batching)
        return;
    if (col >= m_fixedCols && rowCount() > 0)
        emit dataChanged(index(0, col - m_fixedCols), index(rowCount() - 1, col - m_fixedCols),
                         {Qt::TextAlignmentRole});
    if (col >= m_fixedCols && m_fixedRows > 0)
        emit headerDataChanged(Qt::Horizontal, col - m_fixedCols, col - m_fixedCols);
    if (col < m_fixedCols && rowCount() > 0)
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    if (col < m_fixedCols && m_fixedRows > 0)
        emit cornerChanged();
}

void GridModel::setBatching(bool on)
{
    if (on == m_batching)
        return;
    m_batching = on;
    if (on)
        return;
    const int rowsShown = rowCount();
    const int colsShown = columnCount();
    if (rowsShown > 0 && colsShown > 0)
        emit dataChanged(index(0, 0), index(rowsShown - 1, colsShown - 1));
    if (m_fixedRows > 0 && colsShown > 0)
        emit headerDataChanged(Qt::Horizontal, 0, colsShown - 1);
    if (m_fixedCols > 0 && rowsShown > 0)
        emit headerDataChanged(Qt::Vertical, 0, rowsShown - 1);
    if (m_fixedRows > 0 && m_fixedCols > 0)
        emit cornerChanged();
}

void GridModel::announce(int row, int col, const QList<int>& roles)
{
    if (m_batching)
        return;
    if (row < m_fixedRows && col < m_fixedCols)
        emit cornerChanged();
    else if (row < m_fixedRows)
        emit headerDataChanged(Qt::Horizontal, col - m_fixedCols, col - m_fixedCols);
    else if (col < m_fixedCols)
        emit headerDataChanged(Qt::Vertical, row - m_fixedRows, row - m_fixedRows);
    else {
        const QModelIndex i = indexOf(row, col);
        emit dataChanged(i, i, roles);
    }
}

QModelIndex GridModel::indexOf(int row, int col) const
{
    if (!contains(row, col) || isFixed(row, col))
        return {};
    return index(row - m_fixedRows, col - m_fixedCols);
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows - m_fixedRows;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_cols - m_fixedCols;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Cell* c = cell(gridRow(index), gridCol(index));
    switch (role) {
    case Qt::DisplayRole: return c->text;
    case Qt::TextAlignmentRole: return static_cast<int>(alignment(gridCol(index)));
    case Qt::BackgroundRole: return c->background.isValid() ? QVariant(QBrush(c->background)) : QVariant();
    default: return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const bool horizontal = orientation == Qt::Horizontal;
    if (section < 0 || section >= (horizontal ? columnCount() : rowCount()))
        return {};
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(alignment(horizontal ? section + m_fixedCols : 0));
    if (role != Qt::DisplayRole)
        return {};
    // Several fixed rows stack in one heading, several fixed columns sit side by side.
    QStringList parts;
    if (horizontal)
        for (int r = 0; r < m_fixedRows; ++r)
            parts << text(r, section + m_fixedCols);
    else
        for (int c = 0; c < m_fixedCols; ++c)
            parts << text(section + m_fixedRows, c);
    if (parts.isEmpty())
        return {};
    return parts.join(horizontal ? QChar(u'\n') : QChar(u' '));
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return Qt::NoItemFlags;
    // Cells are never edited through the view: editors are placed over them.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
