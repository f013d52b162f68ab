#include "controls/grid.h"

#include "controls/cell_editor.h"
#include "controls/grid_model.h"
#include "controls/grid_view.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kTwipsPerInch = 1440;

// a * b / c rounded to the nearest, halves away from zero.
int MulDivRound(int a, int b, int c)
{
    const long long num = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(num >= 0 ? (num + half) / c : -((-num + half) / c));
}

int SaneDpi(int dpi)
{
    return dpi > 0 ? dpi : 96;
}
} // namespace

int TwipsToPixels(int twips, int dpi)
{
    return MulDivRound(twips, SaneDpi(dpi), kTwipsPerInch);
}

int PixelsToTwips(int pixels, int dpi)
{
    return MulDivRound(pixels, kTwipsPerInch, SaneDpi(dpi));
}

QColor ColorFromColorRef(quint32 colorRef)
{
    return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                  static_cast<int>((colorRef >> 16) & 0xFF));
}

Grid::Grid(QWidget* parent) : QWidget(parent), m_model(new GridModel(this))
{
    m_view = new GridView(m_model, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_view);

    m_view->onKey = [this](QKeyEvent* e) { return handleKey(e); };
    m_view->onPress = [this](QMouseEvent* e, int r, int c) { handlePress(e, r, c); };
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (current.isValid())
            emit cellEntered(m_model->gridRow(current), m_model->gridCol(current));
    });
    m_view->onRelease = [this] { emit released(); };
    connect(m_view->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        // Only a border the user drags: layout changes resize sections too.
        if (m_applyingWidth || !m_view->columnsResizable() || !(QGuiApplication::mouseButtons() & Qt::LeftButton))
            return;
        const int col = section + fixedCols();
        m_colTwips[static_cast<size_t>(col)] = PixelsToTwips(size, logicalDpiX());
        emit columnResized(col, m_colTwips[static_cast<size_t>(col)]);
    });
    connect(m_view->horizontalHeader(), &QHeaderView::sectionHandleDoubleClicked, this,
            [this](int section) { emit columnFitRequested(section + fixedCols()); });
    connect(m_view->verticalScrollBar(), &QScrollBar::valueChanged, this, &Grid::handleScroll);
    connect(m_view->horizontalScrollBar(), &QScrollBar::valueChanged, this, &Grid::handleScroll);

    applyShape(2, 2, 1, 1);
}

Grid::~Grid() = default;

// --- Shape ---

void Grid::setRows(int rows)
{
    applyShape(rows, cols(), fixedRows(), fixedCols());
}
void Grid::setCols(int cols)
{
    applyShape(rows(), cols, fixedRows(), fixedCols());
}
void Grid::setFixedRows(int rows)
{
    applyShape(this->rows(), cols(), rows, fixedCols());
}
void Grid::setFixedCols(int cols)
{
    applyShape(rows(), this->cols(), fixedRows(), cols);
}

void Grid::setShape(int rows, int cols, int fixedRows, int fixedCols)
{
    applyShape(rows, cols, fixedRows, fixedCols);
}

int Grid::rows() const
{
    return m_model->rows();
}
int Grid::cols() const
{
    return m_model->cols();
}
int Grid::fixedRows() const
{
    return m_model->fixedRows();
}
int Grid::fixedCols() const
{
    return m_model->fixedCols();
}

void Grid::applyShape(int rows, int cols, int fixedRows, int fixedCols)
{
    // An edit in progress belongs to the old shape: finish it first.
    closeEditor(true);
    const int oldRow = row();
    const int oldCol = col();
    m_model->setShape(rows, cols, fixedRows, fixedCols);
    m_colTwips.resize(static_cast<size_t>(this->cols()), kDefaultColWidth);
    m_rowTwips.resize(static_cast<size_t>(this->rows()), m_defaultRowTwips);
    applyLayout();
    if (m_model->indexOf(oldRow, oldCol).isValid())
        setCurrentCell(oldRow, oldCol);
    else
        setCurrentCell(this->fixedRows(), this->fixedCols());
}

// --- Layout ---

void Grid::applyLayout()
{
    // A reset model leaves every section at the default size.
    const int fr = fixedRows();
    const int fc = fixedCols();
    QHeaderView* columns = m_view->horizontalHeader();
    QHeaderView* rowsHeader = m_view->verticalHeader();
    columns->setDefaultSectionSize(twipsToPixelsX(kDefaultColWidth));
    rowsHeader->setDefaultSectionSize(twipsToPixelsY(m_defaultRowTwips));
    for (int c = fc; c < cols(); ++c)
        applyColWidth(c);
    for (int r = fr; r < rows(); ++r)
        if (m_rowTwips[static_cast<size_t>(r)] != m_defaultRowTwips)
            applyRowHeight(r);
    updateFixedSizes();
}

void Grid::applyColWidth(int col)
{
    if (col < fixedCols())
        updateFixedSizes();
    else {
        m_applyingWidth = true;
        m_view->horizontalHeader()->resizeSection(col - fixedCols(),
                                                  twipsToPixelsX(m_colTwips[static_cast<size_t>(col)]));
        m_applyingWidth = false;
    }
}

void Grid::setRowSelection(bool on)
{
    m_view->setRowSelection(on);
}

std::vector<int> Grid::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& i : m_view->selectionModel()->selectedIndexes())
        rows.push_back(m_model->gridRow(i));
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty() && row() >= 0)
        rows.push_back(row());
    return rows;
}

int Grid::selectedCellCount() const
{
    return static_cast<int>(m_view->selectionModel()->selectedIndexes().size());
}

void Grid::selectRows(int first, int last)
{
    const QModelIndex top = m_model->indexOf(first, fixedCols());
    const QModelIndex bottom = m_model->indexOf(last, fixedCols());
    if (!top.isValid() || !bottom.isValid())
        return;
    m_view->selectionModel()->select(QItemSelection(top, bottom),
                                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void Grid::setColumnsResizable(bool on)
{
    m_view->setColumnsResizable(on);
}

int Grid::fittingWidth(int col, const QStringList& texts) const
{
    const QFontMetrics fm(m_view->font());
    int widest = fm.horizontalAdvance(text(0, col));
    for (const QString& t : texts)
        widest = std::max(widest, fm.horizontalAdvance(t));
    // Room for the cell's margins and an editor's frame.
    const int margin = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + fm.averageCharWidth() * 2;
    return PixelsToTwips(widest + margin, logicalDpiX());
}

void Grid::applyRowHeight(int row)
{
    if (row < fixedRows())
        updateFixedSizes();
    else
        m_view->verticalHeader()->resizeSection(row - fixedRows(),
                                                twipsToPixelsY(m_rowTwips[static_cast<size_t>(row)]));
}

void Grid::updateFixedSizes()
{
    std::vector<int> heights;
    heights.reserve(static_cast<std::size_t>(fixedRows()));
    for (int r = 0; r < fixedRows(); ++r)
        heights.push_back(twipsToPixelsY(m_rowTwips[static_cast<size_t>(r)]));
    std::vector<int> widths;
    widths.reserve(static_cast<std::size_t>(fixedCols()));
    for (int c = 0; c < fixedCols(); ++c)
        widths.push_back(twipsToPixelsX(m_colTwips[static_cast<size_t>(c)]));
    m_view->columnHeadings()->setFixedSizes(std::move(heights));
    m_view->rowHeadings()->setFixedSizes(std::move(widths));
    m_view->relayout();
}

void Grid::setColWidth(int col, int twips)
{
    twips = std::max(twips, 0);
    if (col == -1) {
        std::fill(m_colTwips.begin(), m_colTwips.end(), twips);
        m_view->horizontalHeader()->setDefaultSectionSize(twipsToPixelsX(twips));
        updateFixedSizes();
        return;
    }
    if (col < 0 || col >= cols())
        return;
    m_colTwips[static_cast<size_t>(col)] = twips;
    applyColWidth(col);
}

void Grid::setRowHeight(int row, int twips)
{
    twips = std::max(twips, 0);
    if (row == -1) {
        m_defaultRowTwips = twips;
        std::fill(m_rowTwips.begin(), m_rowTwips.end(), twips);
        m_view->verticalHeader()->setDefaultSectionSize(twipsToPixelsY(twips));
        updateFixedSizes();
        return;
    }
    if (row < 0 || row >= rows())
        return;
    m_rowTwips[static_cast<size_t>(row)] = twips;
    applyRowHeight(row);
}

int Grid::colWidth(int col) const
{
    return col >= 0 && col < cols() ? m_colTwips[static_cast<size_t>(col)] : 0;
}

int Grid::rowHeight(int row) const
{
    return row >= 0 && row < rows() ? m_rowTwips[static_cast<size_t>(row)] : 0;
}

void Grid::setColAlignment(int col, Qt::Alignment alignment)
{
    if (col == -1) {
        for (int c = 0; c < cols(); ++c)
            m_model->setAlignment(c, alignment);
    } else {
        m_model->setAlignment(col, alignment);
    }
    if (col < fixedCols() && m_view->corner())
        m_view->corner()->update();
}

Qt::Alignment Grid::colAlignment(int col) const
{
    return m_model->alignment(col);
}

int Grid::twipsToPixelsX(int twips) const
{
    return TwipsToPixels(twips, logicalDpiX());
}
int Grid::twipsToPixelsY(int twips) const
{
    return TwipsToPixels(twips, logicalDpiY());
}

// --- Content ---

QString Grid::text(int row, int col) const
{
    return m_model->text(row, col);
}

void Grid::setText(int row, int col, const QString& text)
{
    m_model->setText(row, col, text);
}

void Grid::setCellBackground(int row, int col, const QColor& color)
{
    m_model->setBackground(row, col, color);
}

QColor Grid::cellBackground(int row, int col) const
{
    return m_model->background(row, col);
}

void Grid::setRedraw(bool on)
{
    if (on == m_redraw)
        return;
    m_redraw = on;
    if (on) {
        m_model->setBatching(false);
        setUpdatesEnabled(true);
    } else {
        setUpdatesEnabled(false);
        m_model->setBatching(true);
    }
}

// --- Current cell ---

int Grid::row() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? m_model->gridRow(current) : -1;
}

int Grid::col() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? m_model->gridCol(current) : -1;
}

void Grid::setRow(int row)
{
    setCurrentCell(row, col() >= 0 ? col() : fixedCols());
}

void Grid::setCol(int col)
{
    setCurrentCell(row() >= 0 ? row() : fixedRows(), col);
}

void Grid::setCurrentCell(int row, int col)
{
    const QModelIndex index = m_model->indexOf(row, col);
    if (index.isValid())
        m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

QRect Grid::cellPixelRect() const
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return {};
    const QRect cell = m_view->visualRect(current);
    return QRect(m_view->viewport()->mapTo(this, cell.topLeft()), cell.size());
}

QRect Grid::cellRect() const
{
    if (!m_view->currentIndex().isValid())
        return {};
    const QRect px = cellPixelRect();
    const int dx = logicalDpiX();
    const int dy = logicalDpiY();
    return QRect(PixelsToTwips(px.x(), dx), PixelsToTwips(px.y(), dy), PixelsToTwips(px.width(), dx),
                 PixelsToTwips(px.height(), dy));
}

// --- Focus and editors ---

void Grid::focusGrid()
{
    closeEditor(true);
    m_view->setFocus(Qt::OtherFocusReason);
}

QWidget* Grid::openEditor() const
{
    return m_editor && !m_editor->isHidden() ? m_editor.data() : nullptr;
}

void Grid::closeEditor(bool commit)
{
    QWidget* editor = openEditor();
    if (!editor)
        return;
    if (auto* cell = dynamic_cast<CellEditor*>(editor)) {
        // It hides itself and hands the focus back; after a commit the view
        // may already have placed it again, so leave it alone.
        if (commit)
            cell->commitEdit();
        else
            cell->cancelEdit();
        return;
    }
    // Any other widget commits through its own focus-out handling.
    if (editor->hasFocus())
        m_view->setFocus(Qt::OtherFocusReason);
    editor->hide();
}

void Grid::placeEditor(QWidget* editor)
{
    if (!editor || !m_view->currentIndex().isValid())
        return;
    if (openEditor() && openEditor() != editor)
        closeEditor(true);
    m_view->scrollTo(m_view->currentIndex());
    if (editor->parentWidget() != this)
        editor->setParent(this);
    m_editor = editor;
    m_editorRow = row();
    m_editorCol = col();
    editor->setGeometry(cellPixelRect().adjusted(0, 0, 1, 1));
    editor->raise();
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
}

void Grid::hideEditors()
{
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w == m_view || w->isHidden())
            continue;
        if (auto* cell = dynamic_cast<CellEditor*>(w))
            cell->cancelEdit();
        else if (w->hasFocus())
            m_view->setFocus(Qt::OtherFocusReason);
        w->hide();
    }
}

// --- Events ---

bool Grid::handleKey(QKeyEvent* event)
{
    bool consumed = false;
    emit keyDown(event->key(), event->modifiers(), &consumed);
    if (consumed)
        return true;
    if (!m_wrapKeys || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const int r = row();
    const int c = col();
    if (r < 0)
        return false;
    if (event->key() == Qt::Key_Right && c == cols() - 1 && r < rows() - 1) {
        setCurrentCell(r + 1, fixedCols());
        return true;
    }
    if (event->key() == Qt::Key_Left && c == fixedCols() && r > fixedRows()) {
        setCurrentCell(r - 1, cols() - 1);
        return true;
    }
    return false;
}

void Grid::handlePress(QMouseEvent* event, int row, int col)
{
    // Presses on the headings do not move the focus by themselves; the grid
    // is one control, so they take it as a press on a cell does.
    if (!m_view->hasFocus() || openEditor())
        focusGrid();
    const QPoint pos = mapFromGlobal(event->globalPosition().toPoint());
    emit mouseDown(event->button(), pos.x(), pos.y());
    if (event->button() == Qt::LeftButton && row >= 0 && col >= 0)
        emit cellClicked(row, col);
}

void Grid::handleScroll()
{
    if (openEditor()) {
        closeEditor(true);
        m_view->setFocus(Qt::OtherFocusReason);
    }
    hideEditors();
    emit scrolled();
}
