#pragma once

#include <QColor>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <vector>

class GridModel;
class GridView;
class QKeyEvent;
class QMouseEvent;

// Twips are 1/1440 inch. Rounded to the nearest, so that a pixel count turned
// into twips and back is the same count at any realistic resolution.
int TwipsToPixels(int twips, int dpi);
int PixelsToTwips(int pixels, int dpi);

// A Windows COLORREF (0x00BBGGRR) as a colour.
QColor ColorFromColorRef(quint32 colorRef);

// The grid control of the views: a table of text whose fixed rows and
// columns are grey headings (row 0 usually holds the column captions,
// column 0 the row labels). Cells are addressed in grid coordinates, fixed
// cells included, and every cell's text reads back exactly as written.
//
// The grid never edits by itself. A view edits a cell by placing one of the
// in-place editors (cell_editors.h) over the current cell with
// placeEditor(); the editor commits when it loses the focus or on Enter.
//
// Typical setup:
//     grid->setShape(801, 12, 1, 1);
//     grid->setColWidth(0, 500);  grid->setRowHeight(-1, 300);
//     grid->setText(0, 1, tr("Rx Freq"));
//     grid->setRedraw(false);  ...fill...  grid->setRedraw(true);
class Grid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultColWidth = 960; // twips
    static constexpr int kDefaultRowHeight = 240;

    explicit Grid(QWidget* parent = nullptr);
    ~Grid() override;

    // --- Shape. Texts inside the new shape are kept. A grid starts with
    // 2 x 2 cells of which row 0 and column 0 are fixed.
    void setRows(int rows);
    void setCols(int cols);
    void setFixedRows(int rows); // limited to rows()
    void setFixedCols(int cols); // limited to cols()
    void setShape(int rows, int cols, int fixedRows, int fixedCols);
    int rows() const;
    int cols() const;
    int fixedRows() const;
    int fixedCols() const;

    // --- Layout, in twips. col or row -1 means every column or row.
    void setColWidth(int col, int twips);
    void setRowHeight(int row, int twips);
    int colWidth(int col) const;  // as set
    int rowHeight(int row) const; // as set
    // Alignment of a column's text, headings included; centred by default.
    void setColAlignment(int col, Qt::Alignment alignment);
    Qt::Alignment colAlignment(int col) const;

    // --- Content. Cells outside the grid read as empty and ignore writes.
    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    // An invalid colour restores the default background.
    void setCellBackground(int row, int col, const QColor& color);
    QColor cellBackground(int row, int col) const;

    // Off: changes are stored but neither painted nor announced until it is
    // switched on again. Use around bulk loads.
    void setRedraw(bool on);
    bool redraw() const { return m_redraw; }

    // --- The current cell; never a fixed cell. -1 when the grid has no
    // scrollable cell. Setting a fixed or outside cell is ignored.
    int row() const;
    int col() const;
    void setRow(int row);
    void setCol(int col);
    void setCurrentCell(int row, int col);

    // The current cell's rectangle in the grid's own coordinates: in twips
    // (left, top, width, height) and in pixels.
    QRect cellRect() const;
    QRect cellPixelRect() const;

    // Twips and pixels at this screen's logical resolution.
    int twipsToPixelsX(int twips) const;
    int twipsToPixelsY(int twips) const;

    // Gives the grid the focus; an open editor is committed first.
    void focusGrid();

    // --- In-place editors.
    // Commits any other open editor, scrolls the current cell into view and
    // puts the editor over it (the cell rectangle plus one pixel each way
    // right and down), shows and focuses it. The editor becomes the grid's
    // child if it was not. The cell is remembered as editorRow/editorCol.
    void placeEditor(QWidget* editor);
    // Hides every editor without committing (for example before reloading
    // the cells); focusGrid() is the way to keep the edit.
    void hideEditors();
    QWidget* openEditor() const; // the placed editor while shown, else null
    int editorRow() const { return m_editorRow; }
    int editorCol() const { return m_editorCol; }

    // Right on the last column goes to the first scrollable column of the
    // next row; Left on the first scrollable column goes to the last column
    // of the previous row. Off by default.
    void setWrapKeys(bool on) { m_wrapKeys = on; }

    GridModel* model() const { return m_model; }

    // --- Selection and column widths; both off by default.
    // Row headings select rows (Shift and Ctrl extend), dragging selects cells.
    void setRowSelection(bool on);
    // Scrollable rows with a selected cell, in order; the current row when
    // nothing is selected.
    std::vector<int> selectedRows() const;
    void selectRows(int first, int last);
    int selectedCellCount() const;
    // Column borders can be dragged; a double click fits the column to its texts.
    void setColumnsResizable(bool on);
    // The width that shows the heading and every text given, in twips.
    int fittingWidth(int col, const QStringList& texts) const;

signals:
    // A key pressed on the grid, before the grid acts on it. Set *consumed
    // to keep the grid from acting (moving, wrapping, passing Enter on).
    void keyDown(int key, Qt::KeyboardModifiers modifiers, bool* consumed);
    // Any mouse button pressed over the grid, in the grid's own pixel
    // coordinates, after the current cell followed a press on a cell.
    void mouseDown(Qt::MouseButton button, int x, int y);
    // Left button pressed on a cell, fixed cells included (they do not
    // become current); emitted after mouseDown.
    void cellClicked(int row, int col);
    // The current cell changed, by keyboard, mouse or program.
    void cellEntered(int row, int col);
    // The table scrolled; an open editor has been committed and hidden.
    void scrolled();
    // The left button came up after a press on the table.
    void released();
    // The user dragged a column border or double-clicked it.
    void columnResized(int col, int twips);
    void columnFitRequested(int col);

private:
    bool handleKey(QKeyEvent* event);
    void handlePress(QMouseEvent* event, int row, int col);
    void handleScroll();
    void closeEditor(bool commit);
    void applyShape(int rows, int cols, int fixedRows, int fixedCols);
    void applyLayout();
    void applyColWidth(int col);
    void applyRowHeight(int row);
    void updateFixedSizes();

    GridModel* m_model;
    GridView* m_view;
    std::vector<int> m_colTwips;
    std::vector<int> m_rowTwips;
    int m_defaultRowTwips = kDefaultRowHeight;
    bool m_redraw = true;
    bool m_wrapKeys = false;
    bool m_applyingWidth = false;
    QPointer<QWidget> m_editor;
    int m_editorRow = -1;
    int m_editorCol = -1;
};
