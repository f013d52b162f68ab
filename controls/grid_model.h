#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>

#include <vector>

// The text of a grid, addressed in grid coordinates: row 0 and column 0 are
// the first heading row and column when the grid has fixed rows and columns.
//
// To item views the model shows only the scrollable cells; the fixed cells
// are their headings (headerData), so that they stay in place while the
// table scrolls. A fixed cell is still read and written with text() and
// setText() like any other.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent = nullptr);

    // Texts and colours of cells inside the new shape are kept.
    // fixedRows and fixedCols are limited to rows and cols.
    void setShape(int rows, int cols, int fixedRows, int fixedCols);
    int rows() const { return m_rows; }
    int cols() const { return m_cols; }
    int fixedRows() const { return m_fixedRows; }
    int fixedCols() const { return m_fixedCols; }
    bool contains(int row, int col) const;
    bool isFixed(int row, int col) const;

    // Out-of-range cells read as empty and ignore writes.
    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);

    // An invalid colour is the grid's default background.
    QColor background(int row, int col) const;
    void setBackground(int row, int col, const QColor& color);

    // Alignment of a whole column, fixed cells included; centred by default.
    Qt::Alignment alignment(int col) const;
    void setAlignment(int col, Qt::Alignment alignment);

    // While batching, changes are stored without notifying the views; the end
    // of the batch announces everything at once. This keeps bulk loads cheap.
    void setBatching(bool on);

    // Grid coordinates of an item index and back; a fixed cell has no index.
    QModelIndex indexOf(int row, int col) const;
    int gridRow(const QModelIndex& index) const { return index.row() + m_fixedRows; }
    int gridCol(const QModelIndex& index) const { return index.column() + m_fixedCols; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // A cell that belongs to both the fixed rows and the fixed columns changed.
    void cornerChanged();

private:
    struct Cell {
        QString text;
        QColor background;
    };
    const Cell* cell(int row, int col) const;
    Cell* cell(int row, int col);
    void announce(int row, int col, const QList<int>& roles);

    int m_rows = 0;
    int m_cols = 0;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    std::vector<Cell> m_cells; // row-major, m_rows x m_cols
    std::vector<Qt::Alignment> m_alignment;
    bool m_batching = false;
};
