#include "radio/frequency_range_dialog.h"

#include "codecs/option_lists.h"
#include "controls/cell_line_edit.h"
#include "controls/grid.h"
#include "controls/message_box.h"
#include "document/document.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

using namespace BandPlanColumn;

namespace {

// Control ids of the dialog's template.
constexpr int kGridId = 1022;
constexpr int kEditorId = 1023;
constexpr int kPasswordLabelId = 1012;
constexpr int kPasswordId = 1318;
constexpr int kEditButtonId = 1008;

constexpr int kRows = BandTable::kRxBands + 1;
constexpr int kCols = BandPlanCells::kLimits + 1;
constexpr int kCaptionTwips = 500;
constexpr int kLimitTwips = 1500;
constexpr int kRowTwips = 300;
constexpr int kEditorLength = 9;
constexpr int kPasswordLength = 8;
constexpr int kGridPointSize = 8;

constexpr std::array<const char*, kCols> kHeadings = {
    QT_TRANSLATE_NOOP("FrequencyRangeDialog", "No."), QT_TRANSLATE_NOOP("FrequencyRangeDialog", "Rx Lower"),
    QT_TRANSLATE_NOOP("FrequencyRangeDialog", "Rx Upper"), QT_TRANSLATE_NOOP("FrequencyRangeDialog", "Tx Lower"),
    QT_TRANSLATE_NOOP("FrequencyRangeDialog", "Tx Upper")};

int BandOfRow(int row)
{
    return row - 1;
}
int RowOfBand(int band)
{
    return band + 1;
}

bool IsEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

FrequencyRangeDialog::FrequencyRangeDialog(Document& document, const QString& caption, QWidget* parent)
    : QDialog(parent), m_document(document), m_caption(caption)
{
    setObjectName(QString::number(kTemplateId));
    setWindowTitle(tr("Frequency range"));
    setModal(true);

    m_grid = new Grid(this);
    m_grid->setObjectName(QString::number(kGridId));
    // The dialog font of the template: the band captions fit their 500-twip column.
    QFont font = m_grid->font();
    font.setPointSize(kGridPointSize);
    m_grid->setFont(font);
    m_editor = new CellLineEdit(m_grid);
    m_editor->setObjectName(QString::number(kEditorId));
    m_passwordLabel = new QLabel(tr("Input password"), this);
    m_passwordLabel->setObjectName(QString::number(kPasswordLabelId));
    m_password = new QLineEdit(this);
    m_password->setObjectName(QString::number(kPasswordId));
    m_password->setEchoMode(QLineEdit::Password);
    m_editButton = new QPushButton(tr("Edit"), this);
    m_editButton->setObjectName(QString::number(kEditButtonId));
    // Enter on the button is swallowed like on any other control.
    m_editButton->setAutoDefault(false);
    m_editButton->setDefault(false);

    auto* prompt = new QHBoxLayout;
    prompt->addWidget(m_passwordLabel);
    prompt->addWidget(m_password, 1);
    prompt->addWidget(m_editButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addWidget(m_grid, 0, Qt::AlignHCenter);
    layout->addLayout(prompt);
    // How to unlock is not guessable: say it while the plan is locked.
    m_unlockHint =
        new QLabel(tr("The band plan is locked. Press F11 and enter the band plan password to edit it."), this);
    m_unlockHint->setObjectName(QStringLiteral("unlockHint"));
    m_unlockHint->setWordWrap(true);
    m_unlockHint->setMaximumWidth(m_grid->width());
    layout->addWidget(m_unlockHint);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_buttons->setObjectName(QStringLiteral("buttons"));
    // Close goes through the same checks as the window's close box.
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(m_buttons);
    // The prompt keeps its room while hidden, so that revealing it moves nothing.
    for (QWidget* w : {static_cast<QWidget*>(m_passwordLabel), static_cast<QWidget*>(m_password),
                       static_cast<QWidget*>(m_editButton)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    connect(m_grid, &Grid::keyDown, this, &FrequencyRangeDialog::onKeyDown);
    connect(m_grid, &Grid::cellClicked, this, &FrequencyRangeDialog::onCellClicked);
    connect(m_editor, &CellLineEdit::committed, this, &FrequencyRangeDialog::onCommitted);
    connect(m_editor, &CellLineEdit::enterPressed, this, &FrequencyRangeDialog::onEnterInEditor);
    connect(m_editButton, &QPushButton::clicked, this, &FrequencyRangeDialog::checkPassword);
    connect(m_password, &QLineEdit::returnPressed, this, &FrequencyRangeDialog::checkPassword);

    // Opening: limits, the lock, the hidden prompt, the layout, the plan.
    m_editor->setMaxLength(kEditorLength);
    m_editor->setCharFilter(FreqCharFilter);
    m_password->setMaxLength(kPasswordLength);
    m_grid->setEnabled(RangeEditingUnlocked());
    setPasswordPromptVisible(false);
    setUpGrid();
    m_unlockHint->setMaximumWidth(m_grid->width());
    m_unlockHint->setVisible(!RangeEditingUnlocked());
    BandPlanCells cells = ReadBandPlanCells(m_document.image());
    NormaliseBandPlan(cells);
    showCells(cells);
    setFixedSize(sizeHint());
}

FrequencyRangeDialog::~FrequencyRangeDialog()
{
    storePlan();
}

void FrequencyRangeDialog::storePlan()
{
    // The plan goes into the image when the dialog goes away, but never one
    // that fails the checks: a locked dialog may close on a plan it could
    // not mend (see done()).
    const BandPlanCells cells = shownCells();
    if (!IsBandPlanValid(cells))
        return;
    // The dialog derives the band table its own way; the document's own
    // derivation, which runs as the plan changes, must not stand.
    BandTable bands = m_document.bands();
    SaveBandPlan(cells, m_document.change().image(), bands);
    m_document.bands() = bands;
}

void FrequencyRangeDialog::setUpGrid()
{
    m_grid->setRedraw(false);
    m_grid->setShape(kRows, kCols, 1, 1);
    int width = 0;
    for (int c = 0; c < kCols; ++c) {
        const int twips = c == 0 ? kCaptionTwips : kLimitTwips;
        m_grid->setColWidth(c, twips);
        m_grid->setColAlignment(c, Qt::AlignCenter);
        m_grid->setText(0, c, tr(kHeadings[static_cast<std::size_t>(c)]));
        width += twips;
    }
    int height = m_grid->rowHeight(0);
    QStringList names;
    for (int b = 0; b < BandTable::kRxBands; ++b) {
        m_grid->setRowHeight(RowOfBand(b), kRowTwips);
        names << QString::fromLatin1(kRxBandNames[static_cast<std::size_t>(b)]);
        m_grid->setText(RowOfBand(b), 0, names.last());
        height += kRowTwips;
    }
    // The band names need more than the template's column in most fonts.
    const int captionTwips = std::max(kCaptionTwips, m_grid->fittingWidth(0, names));
    m_grid->setColWidth(0, captionTwips);
    width += captionTwips - kCaptionTwips;
    m_grid->setWrapKeys(true);
    m_grid->setRedraw(true);
    // Room for every cell and the frame, so that nothing scrolls.
    m_grid->setFixedSize(m_grid->twipsToPixelsX(width) + 4, m_grid->twipsToPixelsY(height) + 4);
}

BandPlanCells FrequencyRangeDialog::shownCells() const
{
    BandPlanCells cells;
    for (int b = 0; b < BandTable::kRxBands; ++b)
        for (int c = kRxLower; c <= kTxUpper; ++c)
            cells.at(b, c) = m_grid->text(RowOfBand(b), c);
    return cells;
}

void FrequencyRangeDialog::showCells(const BandPlanCells& cells)
{
    for (int b = 0; b < BandTable::kRxBands; ++b)
        showBand(b, cells);
}

void FrequencyRangeDialog::showBand(int band, const BandPlanCells& cells)
{
    for (int c = kRxLower; c <= kTxUpper; ++c)
        m_grid->setText(RowOfBand(band), c, cells.at(band, c));
}

// --- Closing ---

void FrequencyRangeDialog::commitOpenEditor()
{
    if (m_editor->isEditing())
        m_editor->commitEdit();
}

void FrequencyRangeDialog::done(int result)
{
    // The checks judge the plan as it would be stored, the open edit included.
    commitOpenEditor();
    if (!IsBandPlanValid(shownCells())) {
        ShowMessage(this, QMessageBox::Warning, m_caption, tr("Frequency band is invalid!"));
        // Unlocked, the user can mend the plan. Locked, nothing in the grid
        // can change: rather than holding the user here for good, the
        // dialog closes and the image keeps its plan.
        if (RangeEditingUnlocked())
            return;
    }
    QDialog::done(result);
}

void FrequencyRangeDialog::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_F11 && !(event->modifiers() & Qt::ControlModifier)) {
        event->accept();
        showPasswordPrompt();
        return;
    }
    if (IsEnter(key)) {
        // The grid, its editor and the password box act on Enter themselves.
        event->accept();
        return;
    }
    if (key == Qt::Key_Escape) {
        event->accept();
        QWidget* focus = focusWidget();
        // Esc closes from the grid, its editor, the password box or the Close
        // button, and passes the same checks as the close box; elsewhere it is swallowed.
        if (!focus || focus == this || m_grid->isAncestorOf(focus) || focus == m_grid || focus == m_password ||
            m_buttons->isAncestorOf(focus))
            reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

// --- Unlocking ---

void FrequencyRangeDialog::setPasswordPromptVisible(bool on)
{
    m_passwordLabel->setVisible(on);
    m_password->setVisible(on);
    m_editButton->setVisible(on);
}

void FrequencyRangeDialog::showPasswordPrompt()
{
    setPasswordPromptVisible(true);
    m_password->setFocus(Qt::OtherFocusReason);
}

void FrequencyRangeDialog::checkPassword()
{
    if (!IsRangePassword(m_password->text())) {
        ShowMessage(this, QMessageBox::Warning, m_caption, tr("Password error!"));
        m_password->setFocus(Qt::OtherFocusReason);
        return;
    }
    UnlockRangeEditing();
    m_grid->setEnabled(true);
    m_unlockHint->hide();
    setPasswordPromptVisible(false);
    m_grid->focusGrid();
}

// --- Editing ---

void FrequencyRangeDialog::startEdit()
{
    const int row = m_grid->row();
    const int col = m_grid->col();
    if (!IsBandCellEditable(BandOfRow(row), col))
        return;
    m_editor->setCellText(m_grid->text(row, col));
    m_grid->placeEditor(m_editor);
}

void FrequencyRangeDialog::onKeyDown(int key, Qt::KeyboardModifiers modifiers, bool* consumed)
{
    if (IsEnter(key) && (modifiers & ~Qt::KeypadModifier) == Qt::NoModifier) {
        *consumed = true;
        startEdit();
    }
}

void FrequencyRangeDialog::onCellClicked(int row, int col)
{
    // A click on a caption only selects; the two bands without transmit
    // ranges ignore clicks there.
    if (row >= 1 && col >= kRxLower)
        startEdit();
}

void FrequencyRangeDialog::onCommitted(const QString& text)
{
    const int band = BandOfRow(m_grid->editorRow());
    BandPlanCells cells = shownCells();
    CommitBandCell(cells, band, m_grid->editorCol(), text);
    showBand(band, cells);
}

void FrequencyRangeDialog::onEnterInEditor()
{
    // Receive lower -> receive upper -> receive lower of the next band.
    const int row = m_grid->row();
    const int col = m_grid->col();
    if (col == kRxLower)
        m_grid->setCurrentCell(row, kRxUpper);
    else if (col == kRxUpper && row < kRows - 1)
        m_grid->setCurrentCell(row + 1, kRxLower);
}
