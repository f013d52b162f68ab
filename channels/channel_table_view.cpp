#include "channels/channel_table_view.h"

#include "document/document.h"

#include "channels/channel_edit_dialog.h"
#include "channels/core/channel_record.h"
#include "channels/core/channel_row.h"
#include "channels/core/commit_freq.h"
#include "channels/core/fix_up_image.h"
#include "codecs/option_lists.h"
#include "codecs/text_codecs.h"
#include "controls/cell_combo.h"
#include "controls/cell_drop_list.h"
#include "controls/cell_editor.h"
#include "controls/cell_line_edit.h"
#include "controls/grid.h"
#include "document/band_plan.h"
#include "document/band_table.h"
#include "document/radio_image.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

// Control ids of the view's template.
constexpr int kGridId = 1022;
constexpr int kFreqEditorId = 1023;
constexpr int kListEditorId = 1024;
constexpr int kCtcssEditorId = 1202;
constexpr int kDcsEditorId = 1203;
constexpr int kNameEditorId = 1059;
constexpr int kChannelEditId = 1021;

constexpr int kFreqLength = 9;
constexpr int kCtcssLength = 5;
constexpr int kDcsLength = 3;
constexpr int kNameLength = 6;
constexpr int kRowTwips = 300;

enum class Editor { None, Freq, List, Ctcss, Dcs, Name };

struct Column {
    const char* heading;
    int twips;
    Editor editor;
    OptionList list; // list columns only
};

const std::array<Column, kChannelColumnCount> kColumns = {{
    {QT_TRANSLATE_NOOP("ChannelTableView", "CH"), 500, Editor::None, {}},
    {QT_TRANSLATE_NOOP("ChannelTableView", "Rx Freq"), 1100, Editor::Freq, {}},
    {QT_TRANSLATE_NOOP("ChannelTableView", "Tx Freq"), 1100, Editor::Freq, {}},
    {QT_TRANSLATE_NOOP("ChannelTableView", "Decode Type"), 1200, Editor::List, DecodeTypeList},
    {QT_TRANSLATE_NOOP("ChannelTableView", "CTCSS"), 900, Editor::Ctcss, {}},
    {QT_TRANSLATE_NOOP("ChannelTableView", "DCS"), 1000, Editor::Dcs, {}},
    {QT_TRANSLATE_NOOP("ChannelTableView", "DCS Polarity"), 1400, Editor::List, DcsPolarityList},
    {QT_TRANSLATE_NOOP("ChannelTableView", "Power"), 1000, Editor::List, TxPowerList},
    {QT_TRANSLATE_NOOP("ChannelTableView", "Scan"), 900, Editor::List, ScanModeList},
    {QT_TRANSLATE_NOOP("ChannelTableView", "Bandwidth"), 1000, Editor::List, BandwidthList},
    {QT_TRANSLATE_NOOP("ChannelTableView", "Signaling"), 1000, Editor::List, OptionSignalingList},
    {QT_TRANSLATE_NOOP("ChannelTableView", "Name"), 1100, Editor::Name, {}},
}};

const Column& ColumnAt(int col)
{
    return kColumns[static_cast<std::size_t>(col)];
}

// Texts a column must show whole: its options, or its widest value.
QStringList ColumnSamples(int col)
{
    const Column& c = ColumnAt(col);
    QStringList texts;
    for (const char* entry : c.list)
        texts << QString::fromLatin1(entry);
    switch (c.editor) {
    case Editor::Freq: texts << QStringLiteral("888.88888"); break;
    case Editor::Ctcss: texts << QStringLiteral("888.8"); break;
    case Editor::Dcs: texts << QStringLiteral("888"); break;
    case Editor::Name: texts << QStringLiteral("WWWWWW"); break;
    case Editor::None: texts << QStringLiteral("800"); break;
    case Editor::List: break;
    }
    return texts;
}

bool IsEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

ChannelTableView::ChannelTableView(Document& document, QWidget* parent) : BaseFormView(kTemplateId, document, parent)
{
    m_grid = new Grid(this);
    m_grid->setObjectName(QString::number(kGridId));
    m_freqEditor = new CellLineEdit(m_grid);
    m_freqEditor->setObjectName(QString::number(kFreqEditorId));
    m_listEditor = new CellDropList(m_grid);
    m_listEditor->setObjectName(QString::number(kListEditorId));
    m_ctcssEditor = new CellCombo(m_grid);
    m_ctcssEditor->setObjectName(QString::number(kCtcssEditorId));
    m_dcsEditor = new CellCombo(m_grid);
    m_dcsEditor->setObjectName(QString::number(kDcsEditorId));
    m_nameEditor = new CellLineEdit(m_grid);
    m_nameEditor->setObjectName(QString::number(kNameEditorId));
    m_channelEdit = new QPushButton(tr("Channel edit"), this);
    m_channelEdit->setObjectName(QString::number(kChannelEditId));
    m_channelEdit->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_channelEdit);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    connect(m_grid, &Grid::keyDown, this, &ChannelTableView::onKeyDown);
    connect(m_grid, &Grid::cellClicked, this, &ChannelTableView::onCellClicked);
    connect(m_freqEditor, &CellLineEdit::committed, this, &ChannelTableView::onFreqCommitted);
    connect(m_listEditor, &CellDropList::committed, this, &ChannelTableView::onListCommitted);
    connect(m_ctcssEditor, &CellCombo::committed, this, &ChannelTableView::onCtcssCommitted);
    connect(m_dcsEditor, &CellCombo::committed, this, &ChannelTableView::onDcsCommitted);
    connect(m_nameEditor, &CellLineEdit::committed, this, &ChannelTableView::onNameCommitted);
    // An empty frequency editor moves down, any other editor moves right.
    connect(m_freqEditor, &CellLineEdit::enterPressed, this, [this] {
        if (m_freqTyped.isEmpty())
            moveDown();
        else
            moveRight();
    });
    connect(m_listEditor, &CellDropList::enterPressed, this, &ChannelTableView::moveRight);
    connect(m_ctcssEditor, &CellCombo::enterPressed, this, &ChannelTableView::moveRight);
    connect(m_dcsEditor, &CellCombo::enterPressed, this, &ChannelTableView::moveRight);
    connect(m_nameEditor, &CellLineEdit::enterPressed, this, &ChannelTableView::moveRight);
    connect(m_channelEdit, &QPushButton::clicked, this, &ChannelTableView::onChannelEdit);

    m_freqEditor->setEscapeCancels(true);
    m_listEditor->setEscapeCancels(true);
    m_ctcssEditor->setEscapeCancels(true);
    m_dcsEditor->setEscapeCancels(true);
    m_nameEditor->setEscapeCancels(true);
    m_grid->setRowSelection(true);
    m_grid->setColumnsResizable(true);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, &ChannelTableView::showContextMenu);
    connect(m_grid, &Grid::columnFitRequested, this, &ChannelTableView::fitColumn);
    connect(m_grid, &Grid::columnResized, this, [this] {
        QStringList widths;
        for (int c = 0; c < kChannelColumnCount; ++c)
            widths << QString::number(m_grid->colWidth(c));
        QSettings().setValue(QStringLiteral("ChannelTable/ColumnWidths"), widths);
    });
    // A drag over several cells is a selection, not an edit of the first one.
    connect(m_grid, &Grid::released, this, [this] {
        if (m_grid->openEditor() && m_grid->selectedCellCount() > 1) {
            m_grid->hideEditors();
            m_grid->focusGrid();
        }
    });
    createEditActions();
}

void ChannelTableView::initialUpdate()
{
    setUpGrid();
    m_freqEditor->setMaxLength(kFreqLength);
    m_freqEditor->setCharFilter(FreqCharFilter);
    m_ctcssEditor->setItems(CtcssToneList);
    m_ctcssEditor->setMaxLength(kCtcssLength);
    m_ctcssEditor->setCharFilter(FreqCharFilter);
    m_dcsEditor->setItems(DcsCodeList);
    m_dcsEditor->setMaxLength(kDcsLength);
    m_dcsEditor->setCharFilter(DigitCharFilter);
    m_nameEditor->setMaxLength(kNameLength);
    m_nameEditor->setCharFilter(NameCharFilter);
    LoadChannelTable();
}

void ChannelTableView::setUpGrid()
{
    m_grid->setRedraw(false);
    m_grid->setShape(kChannels + 1, kChannelColumnCount, 1, 1);
    m_grid->setRowHeight(-1, kRowTwips);
    for (int c = 0; c < kChannelColumnCount; ++c) {
        m_grid->setColWidth(c, std::max(ColumnAt(c).twips, fittingWidth(c)));
        m_grid->setColAlignment(c, Qt::AlignCenter);
        m_grid->setText(0, c, tr(ColumnAt(c).heading));
    }
    for (int n = 1; n <= kChannels; ++n)
        m_grid->setText(n, kColumnChannel, QString::number(n));
    m_grid->setWrapKeys(true);
    applyStoredWidths();
    m_grid->setRedraw(true);
}

void ChannelTableView::applyStoredWidths()
{
    const QStringList widths = QSettings().value(QStringLiteral("ChannelTable/ColumnWidths")).toStringList();
    if (widths.size() != kChannelColumnCount)
        return;
    for (int c = 0; c < kChannelColumnCount; ++c)
        if (const int twips = widths[c].toInt(); twips > 0)
            m_grid->setColWidth(c, twips);
}

int ChannelTableView::fittingWidth(int col) const
{
    QStringList texts = ColumnSamples(col);
    for (int n = 1; n <= kChannels; ++n)
        texts << m_grid->text(n, col);
    int twips = m_grid->fittingWidth(col, texts);
    // A drop-down editor needs its arrow beside the text.
    if (ColumnAt(col).editor == Editor::List || ColumnAt(col).editor == Editor::Ctcss ||
        ColumnAt(col).editor == Editor::Dcs)
        twips += PixelsToTwips(style()->pixelMetric(QStyle::PM_ScrollBarExtent), logicalDpiX());
    return twips;
}

void ChannelTableView::fitColumn(int col)
{
    if (col < 0 || col >= kChannelColumnCount)
        return;
    m_grid->setColWidth(col, fittingWidth(col));
    emit m_grid->columnResized(col, m_grid->colWidth(col));
}

// --- Loading and saving ---

void ChannelTableView::LoadChannelTable()
{
    // Cells are about to change under any edit still open.
    m_grid->hideEditors();
    m_grid->setRedraw(false);
    for (int n = 1; n <= kChannels; ++n)
        LoadRow(n);
    m_grid->setRedraw(true);
    // The enabled bands follow the plan of the image now shown (a file
    // opened, a radio read).
    ComputeBandEnabled(document().image(), document().bands());
}

void ChannelTableView::LoadRow(int n)
{
    Document& doc = document();
    // Channel 1 always exists; an absent one is made on a frequency that can transmit.
    if (n == 1 && !ChannelAt(doc.image(), 1).hasRx()) {
        auto change = doc.change();
        NewChannelRecord(doc.bands(), change.image(), 1, ChannelOneLoadFreq(doc.bands()));
    }
    showRow(n, ReadChannelRow(doc.image(), n));
}

void ChannelTableView::SaveChannelTable()
{
    // Before its first display the grid holds no rows; writing them would
    // empty every channel.
    if (!initialised())
        return;
    commitOpenEditor();
    writeTable(PriorityCheck::Run);
}

void ChannelTableView::writeTable(PriorityCheck priority)
{
    auto change = document().change();
    RadioImage& image = change.image();
    const BandTable& bands = document().bands();
    for (int n = 1; n <= kChannels; ++n)
        WriteChannelRow(bands, image, n, rowTexts(n));
    FixUpImage(bands, image, priority);
}

ChannelRow ChannelTableView::rowTexts(int n) const
{
    ChannelRow row;
    for (int c = kColumnRx; c < kChannelColumnCount; ++c)
        row.setCell(c, m_grid->text(n, c));
    return row;
}

void ChannelTableView::showRow(int n, const ChannelRow& row)
{
    for (int c = kColumnRx; c < kChannelColumnCount; ++c)
        m_grid->setText(n, c, row.cell(c));
}

// The store pass must not move the focus: a view being left that took it
// back would become the active one again.
void ChannelTableView::commitOpenEditor()
{
    if (auto* editor = dynamic_cast<CellEditor*>(m_grid->openEditor()))
        editor->commitEdit();
}

// --- Editing ---

void ChannelTableView::startEdit()
{
    commitOpenEditor();
    const int n = m_grid->row();
    int col = m_grid->col();
    if (n < 1 || col < kColumnRx)
        return;
    // A channel gets its receive frequency before anything else.
    if (m_grid->text(n, kColumnRx).isEmpty() && col != kColumnRx) {
        col = kColumnRx;
        m_grid->setCurrentCell(n, col);
    }
    const QString text = m_grid->text(n, col);
    QWidget* editor = nullptr;
    switch (ColumnAt(col).editor) {
    case Editor::Freq:
        m_freqEditor->setCellText(text);
        editor = m_freqEditor;
        break;
    case Editor::List:
        m_listEditor->setItems(ColumnAt(col).list);
        m_listEditor->setCellText(text);
        editor = m_listEditor;
        break;
    case Editor::Ctcss:
        m_ctcssEditor->setCellText(text);
        editor = m_ctcssEditor;
        break;
    case Editor::Dcs:
        m_dcsEditor->setCellText(text);
        editor = m_dcsEditor;
        break;
    case Editor::Name:
        m_nameEditor->setCellText(text);
        editor = m_nameEditor;
        break;
    case Editor::None: return;
    }
    m_grid->placeEditor(editor);
}

void ChannelTableView::onKeyDown(int key, Qt::KeyboardModifiers modifiers, bool* consumed)
{
    if (IsEnter(key) && (modifiers & ~Qt::KeypadModifier) == Qt::NoModifier) {
        *consumed = true;
        startEdit();
    }
}

void ChannelTableView::onCellClicked(int row, int col)
{
    // Shift and Ctrl extend the selection; they do not edit.
    if (QGuiApplication::keyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier))
        return;
    if (row >= 1 && col >= kColumnRx)
        startEdit();
}

void ChannelTableView::moveRight()
{
    const int n = m_grid->row();
    const int col = m_grid->col();
    if (n < 1)
        return;
    if (col < kChannelColumnCount - 1)
        m_grid->setCurrentCell(n, col + 1);
    else if (n < kChannels)
        m_grid->setCurrentCell(n + 1, kColumnRx);
}

void ChannelTableView::moveDown()
{
    const int n = m_grid->row();
    if (n >= 1 && n < kChannels)
        m_grid->setCurrentCell(n + 1, m_grid->col());
}

void ChannelTableView::CommitFreqCell(int n, int column, const QString& typed)
{
    const FreqCellCommit result =
        CommitFreqRule(document().bands(), n, column, typed, m_grid->text(n, kColumnRx), m_grid->text(n, kColumnTx));
    switch (result.kind) {
    case FreqCellCommit::kKeep: break;
    case FreqCellCommit::kSetCell:
        if (column == kColumnRx) {
            // A simplex channel stays simplex, a repeater channel keeps its offset.
            m_grid->setText(n, kColumnTx,
                            TxAfterRxChange(document().bands(), m_grid->text(n, kColumnRx), result.text,
                                            m_grid->text(n, kColumnTx), ChannelAt(document().image(), n).offset()));
        }
        m_grid->setText(n, column, result.text);
        break;
    case FreqCellCommit::kNewChannel:
        // A new channel starts from the record defaults, transmit = receive.
        NewChannelRecord(document().bands(), document().change().image(), n, result.rx);
        LoadRow(n);
        break;
    case FreqCellCommit::kClearRow:
        showRow(n, ChannelRow{});
        if (result.emptyRecord)
            NewChannelRecord(document().bands(), document().change().image(), n, 0);
        break;
    }
}

// A committed cell is one step of the document's history: the editor's rule,
// then the row as the table now shows it, with the consistency pass.
void ChannelTableView::storeRow(int n)
{
    if (!initialised() || n < 1 || n > kChannels)
        return;
    auto change = document().change();
    WriteChannelRow(document().bands(), change.image(), n, rowTexts(n));
    FixUpImage(document().bands(), change.image(), PriorityCheck::Defer);
}

void ChannelTableView::onFreqCommitted(const QString& text)
{
    const int n = m_grid->editorRow();
    auto step = document().step(tr("Edit channel %1").arg(n));
    m_freqTyped = text;
    CommitFreqCell(n, m_grid->editorCol(), text);
    storeRow(n);
}

void ChannelTableView::onListCommitted(const QString& text)
{
    const int n = m_grid->editorRow();
    auto step = document().step(tr("Edit channel %1").arg(n));
    m_grid->setText(n, m_grid->editorCol(), m_grid->text(n, kColumnRx).isEmpty() ? QString() : text);
    storeRow(n);
}

void ChannelTableView::onCtcssCommitted(const QString& text)
{
    const int n = m_grid->editorRow();
    auto step = document().step(tr("Edit channel %1").arg(n));
    m_grid->setText(n, m_grid->editorCol(), NormaliseCtcssText(text));
    storeRow(n);
}

void ChannelTableView::onDcsCommitted(const QString& text)
{
    const int n = m_grid->editorRow();
    auto step = document().step(tr("Edit channel %1").arg(n));
    m_grid->setText(n, m_grid->editorCol(), NormaliseDcsText(text));
    storeRow(n);
}

void ChannelTableView::onNameCommitted(const QString& text)
{
    const int n = m_grid->editorRow();
    auto step = document().step(tr("Edit channel %1").arg(n));
    m_grid->setText(n, m_grid->editorCol(), m_grid->text(n, kColumnRx).isEmpty() ? QString() : text);
    storeRow(n);
}

void ChannelTableView::onChannelEdit()
{
    const int n = std::clamp(m_grid->row(), 1, kChannels);
    auto step = document().step(tr("Edit channel %1").arg(n));
    commitOpenEditor();
    writeTable(PriorityCheck::Defer);
    ChannelEditDialog::run(this, document(), n, m_grid->text(n, kColumnRx));
    {
        // The bitmaps follow the record the dialog wrote.
        auto change = document().change();
        FixUpImage(document().bands(), change.image(), PriorityCheck::Defer);
    }
    LoadChannelTable();
    m_grid->focusGrid();
}
