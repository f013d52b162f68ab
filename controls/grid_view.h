#pragma once

// Inner parts of Grid; views use Grid, not these.

#include <QHeaderView>
#include <QTableView>

#include <functional>
#include <vector>

class GridModel;

// Shows the grid's fixed rows (horizontal) or fixed columns (vertical) as
// grey headings, several fixed rows stacked and several fixed columns side
// by side; the headings never move while the table scrolls.
class GridHeader : public QHeaderView {
public:
    explicit GridHeader(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Pixel heights of the fixed rows (horizontal) or widths of the fixed columns.
    void setFixedSizes(std::vector<int> sizes);
    const std::vector<int>& fixedSizes() const { return m_fixedSizes; }
    int thickness() const;
    // Which fixed row (horizontal) or column (vertical) lies at a pixel
    // offset across the heading; -1 beyond the last.
    int fixedAt(int offset) const;

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    std::vector<int> m_fixedSizes;
};

// Paints one heading cell in the style of the grid's headings.
void PaintHeadingCell(QPainter* painter, const QWidget* widget, const QRect& rect, const QString& text,
                      Qt::Alignment alignment);

// The table. It never edits; it reports keys and mouse presses to its owner
// before (keys) or after (mouse) its own handling.
class GridView : public QTableView {
public:
    explicit GridView(GridModel* model, QWidget* parent = nullptr);

    GridHeader* columnHeadings() const { return m_columnHeadings; }
    GridHeader* rowHeadings() const { return m_rowHeadings; }
    QWidget* corner() const { return m_corner; }

    // Recomputes the heading sizes and the viewport after a size change.
    void relayout();

    // Return true to consume the key.
    std::function<bool(QKeyEvent*)> onKey;
    // A press on a cell or heading (grid row and column), or elsewhere (-1, -1).
    std::function<void(QMouseEvent*, int row, int col)> onPress;
    // The left button released over the table after a press on a cell.
    std::function<void()> onRelease;

    // Row headings select whole rows (Shift and Ctrl extend), dragging over
    // cells selects them.
    void setRowSelection(bool on);
    bool rowSelection() const { return m_rowSelection; }
    // Column heading borders can be dragged and double-clicked.
    void setColumnsResizable(bool on);
    bool columnsResizable() const { return m_resizable; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyboardSearch(const QString&) override {} // typing does not move the current cell
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintCorner();
    bool headingPressed(QObject* watched, QMouseEvent* event);
    void selectRowsTo(int section, Qt::KeyboardModifiers modifiers, bool drag);
    bool nearColumnBorder(const QPoint& pos) const;

    GridModel* m_model;
    GridHeader* m_columnHeadings;
    GridHeader* m_rowHeadings;
    QWidget* m_corner = nullptr;
    bool m_rowSelection = false;
    bool m_resizable = false;
    int m_anchorSection = -1;
};
