#include "controls/grid_view.h"

#include "controls/grid_model.h"

#include <QAbstractButton>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>

#include <algorithm>
#include <numeric>

void PaintHeadingCell(QPainter* painter, const QWidget* widget, const QRect& rect, const QString& text,
                      Qt::Alignment alignment)
{
    QStyleOptionHeader opt;
    opt.initFrom(widget);
    opt.state &= ~QStyle::State_HasFocus;
    opt.state |= QStyle::State_Enabled | QStyle::State_Raised;
    opt.rect = rect;
    opt.text = text;
    opt.textAlignment = alignment;
    opt.position = QStyleOptionHeader::Middle;
    opt.orientation = Qt::Horizontal;
    widget->style()->drawControl(QStyle::CE_Header, &opt, painter, widget);
}

// --- GridHeader ---

GridHeader::GridHeader(Qt::Orientation orientation, QWidget* parent) : QHeaderView(orientation, parent)
{
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(false);
    setSectionsMovable(false);
    setHighlightSections(false);
    setMinimumSectionSize(0);
}

void GridHeader::setFixedSizes(std::vector<int> sizes)
{
    m_fixedSizes = std::move(sizes);
    viewport()->update();
}

int GridHeader::thickness() const
{
    return std::accumulate(m_fixedSizes.begin(), m_fixedSizes.end(), 0);
}

int GridHeader::fixedAt(int offset) const
{
    int end = 0;
    for (size_t i = 0; i < m_fixedSizes.size(); ++i) {
        end += m_fixedSizes[i];
        if (offset < end)
            return static_cast<int>(i);
    }
    return -1;
}

QSize GridHeader::sizeHint() const
{
    // The base would measure every section's text; the thickness is ours.
    return orientation() == Qt::Horizontal ? QSize(length(), thickness()) : QSize(thickness(), length());
}

void GridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const auto* model = qobject_cast<const GridModel*>(this->model());
    if (!model)
        return;
    const bool horizontal = orientation() == Qt::Horizontal;
    int offset = 0;
    for (size_t i = 0; i < m_fixedSizes.size(); ++i) {
        const int size = m_fixedSizes[i];
        const int fixed = static_cast<int>(i);
        const QRect cell = horizontal ? QRect(rect.x(), rect.y() + offset, rect.width(), size)
                                      : QRect(rect.x() + offset, rect.y(), size, rect.height());
        offset += size;
        const int row = horizontal ? fixed : logicalIndex + model->fixedRows();
        const int col = horizontal ? logicalIndex + model->fixedCols() : fixed;
        PaintHeadingCell(painter, this, cell, model->text(row, col), model->alignment(col));
    }
}

// --- GridView ---

GridView::GridView(GridModel* model, QWidget* parent)
    : QTableView(parent), m_model(model), m_columnHeadings(new GridHeader(Qt::Horizontal, this)),
      m_rowHeadings(new GridHeader(Qt::Vertical, this))
{
    setHorizontalHeader(m_columnHeadings);
    setVerticalHeader(m_rowHeadings);
    setModel(model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false); // Tab leaves the grid, as in a dialog
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setDragEnabled(false);

    for (QHeaderView* heading : {static_cast<QHeaderView*>(m_columnHeadings), static_cast<QHeaderView*>(m_rowHeadings)})
        heading->viewport()->installEventFilter(this);
    // The corner over the row headings shows the cells that are fixed both ways.
    m_corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (m_corner)
        m_corner->installEventFilter(this);
    connect(model, &GridModel::cornerChanged, this, [this] {
        if (m_corner)
            m_corner->update();
    });
}

void GridView::relayout()
{
    m_columnHeadings->setVisible(m_columnHeadings->thickness() > 0 && m_model->fixedRows() > 0);
    m_rowHeadings->setVisible(m_rowHeadings->thickness() > 0 && m_model->fixedCols() > 0);
    updateGeometries();
    viewport()->update();
    if (m_corner)
        m_corner->update();
}

void GridView::keyPressEvent(QKeyEvent* event)
{
    if (onKey && onKey(event)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void GridView::mousePressEvent(QMouseEvent* event)
{
    // The current cell moves first, so the owner sees the pressed cell as current.
    QTableView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (onPress)
        onPress(event, index.isValid() ? m_model->gridRow(index) : -1, index.isValid() ? m_model->gridCol(index) : -1);
}

void GridView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && onRelease)
        onRelease();
}

void GridView::setRowSelection(bool on)
{
    m_rowSelection = on;
    setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void GridView::setColumnsResizable(bool on)
{
    m_resizable = on;
    m_columnHeadings->setSectionResizeMode(on ? QHeaderView::Interactive : QHeaderView::Fixed);
}

bool GridView::nearColumnBorder(const QPoint& pos) const
{
    // The header's own grip width: a press there resizes instead of selecting.
    const int grip = style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, m_columnHeadings) + 2;
    const int section = m_columnHeadings->logicalIndexAt(pos.x());
    if (section < 0)
        return false;
    const int left = m_columnHeadings->sectionViewportPosition(section);
    const int right = left + m_columnHeadings->sectionSize(section);
    return pos.x() >= right - grip || (section > 0 && pos.x() <= left + grip);
}

void GridView::selectRowsTo(int section, Qt::KeyboardModifiers modifiers, bool drag)
{
    const int current = std::max(currentIndex().column(), 0);
    const QModelIndex at = m_model->index(section, current);
    if (!at.isValid())
        return;
    if ((modifiers & Qt::ShiftModifier || drag) && m_anchorSection >= 0) {
        const QItemSelection rows(m_model->index(std::min(m_anchorSection, section), 0),
                                  m_model->index(std::max(m_anchorSection, section), 0));
        const auto keep =
            (modifiers & Qt::ControlModifier) ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect;
        selectionModel()->select(rows, keep | QItemSelectionModel::Rows);
    } else {
        m_anchorSection = section;
        const auto how =
            (modifiers & Qt::ControlModifier) ? QItemSelectionModel::Toggle : QItemSelectionModel::ClearAndSelect;
        selectionModel()->select(at, how | QItemSelectionModel::Rows);
    }
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::NoUpdate);
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is a press like the first.
    mousePressEvent(event);
}

bool GridView::headingPressed(QObject* watched, QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    int row = -1;
    int col = -1;
    if (watched == m_columnHeadings->viewport()) {
        const int section = m_columnHeadings->logicalIndexAt(pos.x());
        row = m_columnHeadings->fixedAt(pos.y());
        col = section >= 0 ? section + m_model->fixedCols() : -1;
    } else if (watched == m_rowHeadings->viewport()) {
        const int section = m_rowHeadings->logicalIndexAt(pos.y());
        row = section >= 0 ? section + m_model->fixedRows() : -1;
        col = m_rowHeadings->fixedAt(pos.x());
        if (m_rowSelection && section >= 0 && event->button() == Qt::LeftButton)
            selectRowsTo(section, event->modifiers(), false);
    } else {
        row = m_columnHeadings->fixedAt(pos.y());
        col = m_rowHeadings->fixedAt(pos.x());
    }
    if (row < 0 || col < 0)
        row = col = -1;
    if (onPress)
        onPress(event, row, col);
    return true; // headings are not clicked, dragged or resized
}

bool GridView::eventFilter(QObject* watched, QEvent* event)
{
    const bool heading =
        watched == m_columnHeadings->viewport() || watched == m_rowHeadings->viewport() || watched == m_corner;
    if (!heading)
        return QTableView::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // A column border is the header's: dragged to resize, double-clicked to fit.
        if (m_resizable && watched == m_columnHeadings->viewport() && nearColumnBorder(mouse->position().toPoint()))
            return false;
        return headingPressed(watched, static_cast<QMouseEvent*>(event));
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_rowSelection && watched == m_rowHeadings->viewport() && (mouse->buttons() & Qt::LeftButton)) {
            const int section = m_rowHeadings->logicalIndexAt(mouse->position().toPoint().y());
            if (section >= 0)
                selectRowsTo(section, mouse->modifiers(), true);
            return true;
        }
        return false;
    }
    case QEvent::Paint:
        if (watched != m_corner)
            return false;
        paintCorner();
        return true;
    default: return false;
    }
}

void GridView::paintCorner()
{
    QPainter painter(m_corner);
    painter.fillRect(m_corner->rect(), palette().button());
    int y = 0;
    const std::vector<int>& heights = m_columnHeadings->fixedSizes();
    const std::vector<int>& widths = m_rowHeadings->fixedSizes();
    for (size_t r = 0; r < heights.size(); ++r) {
        int x = 0;
        for (size_t c = 0; c < widths.size(); ++c) {
            const int col = static_cast<int>(c);
            // Drawn as the headings are: the corner button itself is disabled.
            PaintHeadingCell(&painter, m_columnHeadings, QRect(x, y, widths[c], heights[r]),
                             m_model->text(static_cast<int>(r), col), m_model->alignment(col));
            x += widths[c];
        }
        y += heights[r];
    }
}
