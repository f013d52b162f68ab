#include "settings/dtmf_code_page.h"

#include "document/document.h"

#include "codecs/decimal.h"
#include "codecs/text_codecs.h"
#include "controls/cell_drop_list.h"
#include "controls/cell_editor.h"
#include "controls/cell_line_edit.h"
#include "controls/char_input_filter.h"
#include "controls/edit_widgets.h"
#include "controls/form_kit.h"
#include "controls/grid.h"
#include "controls/up_down.h"
#include "settings/core/setting_fields.h"
#include "settings/core/setting_lists.h"
#include "settings/setting_ids.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>

#include <algorithm>
#include <array>

using namespace FormKit;

namespace {
constexpr int kTypeCol = 1;
constexpr int kNumCol = 2;
constexpr int kAliasCol = 3;
constexpr std::array<int, 4> kColTwips = {500, 800, 2400, 1500};
constexpr std::array<const char*, 4> kHeadings = {
    QT_TRANSLATE_NOOP("DtmfCodePage", "No."), QT_TRANSLATE_NOOP("DtmfCodePage", "Type"),
    QT_TRANSLATE_NOOP("DtmfCodePage", "Num"), QT_TRANSLATE_NOOP("DtmfCodePage", "Alias")};
constexpr int kRowTwips = 300;
constexpr int kAutoResetMax = 255;
constexpr int kAutoResetDefault = 10;

QString CharText(int code)
{
    const QChar c = DtmfCharFromCode(code);
    return c.isNull() ? QString() : QString(c);
}

// The code of a one-character list text; fallback when the list has no selection.
std::uint8_t CodeOfFirstChar(const QString& text, QChar fallback)
{
    return static_cast<std::uint8_t>(DtmfCodeFromChar(text.isEmpty() ? fallback : text.front()));
}
} // namespace

DtmfCodePage::DtmfCodePage(Document& document, QWidget* parent) : FormPage(DtmfIds::kCodePage, document, parent)
{
    using namespace DtmfIds;
    m_speed = MakeDropList(this, kSpeed);
    m_firstDigitDelay = MakeDropList(this, kFirstDigitDelay);
    m_firstDigit = MakeDropList(this, kFirstDigit);
    m_holdTime = MakeDropList(this, kHoldTime);
    m_groupCode = MakeDropList(this, kGroupCode);
    m_delimiter = MakeDropList(this, kDelimiter);
    m_decodeResponse = MakeDropList(this, kDecodeResponse);
    m_stunType = MakeDropList(this, kStunType);
    m_sideTone = new QCheckBox(tr("Side tone"), this);
    m_sideTone->setObjectName(QString::number(kSideTone));
    m_beep = new QCheckBox(tr("Beep"), this);
    m_beep->setObjectName(QString::number(kBeep));
    m_beep->setTristate(true);
    m_beep->hide(); // kept by the radio, not offered here
    m_selfId = MakeEdit(this, kSelfId, DtmfMap::kSelfIdLength);
    m_stunCode = MakeEdit(this, kStunCode, DtmfMap::kStunCodeLength);
    m_autoReset = MakeNumberEdit(this, kAutoReset, 3);
    m_autoResetArrows = MakeUpDown(m_autoReset, kAutoResetSpin, 0, kAutoResetMax);

    // Typed digits show in capitals; the group code and delimiter cannot be part of the own ID.
    m_stunCodeFilter = new CharInputFilter(this);
    m_stunCodeFilter->setAccepted(DtmfCharFilter);
    m_stunCodeFilter->setUpperCase(true);
    m_stunCodeFilter->attach(m_stunCode);
    m_selfIdFilter = new CharInputFilter(this);
    m_selfIdFilter->setAccepted(DtmfCharFilter);
    m_selfIdFilter->setUpperCase(true);
    m_selfIdFilter->setCharCheck([this](QChar c) { return !(groupChar() + delimiterChar()).contains(c); });
    m_selfIdFilter->attach(m_selfId);

    m_grid = new Grid(this);
    m_grid->setObjectName(QString::number(kGrid));
    m_typeEditor = new CellDropList(m_grid);
    m_typeEditor->setObjectName(QString::number(kTypeEditor));
    m_numEditor = new CellLineEdit(m_grid);
    m_numEditor->setObjectName(QString::number(kNumEditor));
    m_aliasEditor = new CellLineEdit(m_grid);
    m_aliasEditor->setObjectName(QString::number(kAliasEditor));

    auto* settings = new QGridLayout;
    SetFormSpacing(settings, 0);
    int row = 0;
    AddLabelled(settings, row++, 0, tr("Self ID"), m_selfId);
    AddLabelled(settings, row++, 0, tr("Decode response"), m_decodeResponse);
    AddLabelled(settings, row++, 0, tr("Delimiter"), m_delimiter);
    AddLabelled(settings, row++, 0, tr("Group code"), m_groupCode);
    AddLabelled(settings, row++, 0, tr("DTMF speed(ms)"), m_speed);
    AddLabelled(settings, row++, 0, tr("First digit(ms)"), m_firstDigit);
    AddLabelled(settings, row++, 0, tr("First digit delay(ms)"), m_firstDigitDelay);
    AddLabelled(settings, row++, 0, tr("Auto reset time(s)"), EditWithArrows(m_autoReset, m_autoResetArrows));
    AddLabelled(settings, row++, 0, tr("Hold time(s)"), m_holdTime);
    auto* checks = new QHBoxLayout;
    checks->addWidget(m_sideTone);
    checks->addWidget(m_beep);
    checks->addStretch(1);
    settings->addLayout(checks, row++, 0, 1, 2);
    AddLabelled(settings, row++, 0, tr("Stun code"), m_stunCode);
    AddLabelled(settings, row++, 0, tr("Stun type"), m_stunType);
    settings->setRowStretch(row, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(kFormMargin, kFormMargin, kFormMargin, kFormMargin);
    layout->setSpacing(kColumnGap);
    layout->addWidget(m_grid, 0, Qt::AlignTop);
    layout->addLayout(settings);
    layout->addStretch(1);

    connect(m_sideTone, &QCheckBox::clicked, this, &DtmfCodePage::onSideToneClicked);
    connect(m_beep, &QCheckBox::clicked, this, &DtmfCodePage::onBeepClicked);
    connect(m_groupCode, &QComboBox::activated, this, [this] { onCodeCharPicked(false); });
    connect(m_delimiter, &QComboBox::activated, this, [this] { onCodeCharPicked(true); });
    OnFocusLost(m_autoReset, [this] {
        ValidateIntField(m_autoReset, 0, kAutoResetMax, kAutoResetDefault, 1, true, tr("Continuous"));
    });
    connect(m_autoResetArrows, &UpDown::deltaPos, this,
            [this](int delta) { SpinIntField(m_autoResetArrows, delta, true, tr("Off")); });
    connect(m_grid, &Grid::cellClicked, this, &DtmfCodePage::onCellClicked);
    connect(m_typeEditor, &CellDropList::committed, this, &DtmfCodePage::onTypeCommitted);
    connect(m_numEditor, &CellLineEdit::committed, this, &DtmfCodePage::onNumCommitted);
    connect(m_aliasEditor, &CellLineEdit::committed, this, &DtmfCodePage::onAliasCommitted);
}

DtmfCodePage::~DtmfCodePage()
{
    // Nothing may call back into the page while its bases are torn down: an
    // edit still open is dropped (closing the view has saved it already).
    m_grid->hideEditors();
    DropFocusHooks(this);
}

void DtmfCodePage::setUpGrid()
{
    m_grid->setRedraw(false);
    m_grid->setShape(DtmfMap::kCodeCount + 1, 4, 1, 1);
    int width = 0;
    for (int c = 0; c < 4; ++c) {
        m_grid->setColWidth(c, kColTwips[static_cast<std::size_t>(c)]);
        m_grid->setColAlignment(c, Qt::AlignCenter);
        m_grid->setText(0, c, tr(kHeadings[static_cast<std::size_t>(c)]));
        width += kColTwips[static_cast<std::size_t>(c)];
    }
    m_grid->setRowHeight(-1, kRowTwips);
    for (int r = 1; r <= DtmfMap::kCodeCount; ++r)
        m_grid->setText(r, 0, QString::number(r));
    m_grid->setRedraw(true);
    // Room for every row and column and the frame, so that nothing scrolls.
    m_grid->setFixedSize(m_grid->twipsToPixelsX(width) + 4,
                         m_grid->twipsToPixelsY(kRowTwips * (DtmfMap::kCodeCount + 1)) + 4);

    m_typeEditor->setItems(DtmfLists::CodeType);
    m_numEditor->setMaxLength(DtmfMap::kCodeNumLength);
    m_numEditor->setCharFilter(DtmfCharFilter);
    m_numEditor->setUpperCase(true);
    // An ANI code cannot hold the delimiter that ends it.
    m_numEditor->setCharCheck([this](QChar c) {
        const bool ani = m_grid->text(m_grid->editorRow(), kTypeCol) == QLatin1String("ANI");
        return !(ani && delimiterChar().contains(c));
    });
    m_aliasEditor->setMaxLength(DtmfMap::kCodeAliasLength);
    m_aliasEditor->setCharCheck(IsAliasChar);
}

void DtmfCodePage::pageStart()
{
    using namespace DtmfLists;
    const std::array<std::pair<QComboBox*, OptionList>, 7> lists = {{
        {m_speed, Speed},
        {m_firstDigitDelay, FirstDigitDelay},
        {m_firstDigit, FirstDigit},
        {m_groupCode, CodeChars},
        {m_delimiter, CodeChars},
        {m_decodeResponse, DecodeResponse},
        {m_stunType, StunType},
    }};
    for (const auto& [combo, items] : lists) {
        combo->clear();
        combo->addItems(ToStringList(items));
        combo->setCurrentIndex(-1);
    }
    m_holdTime->clear();
    for (int s = 0; s <= kHoldTimeMax; ++s)
        m_holdTime->addItem(QString::number(s));
    m_holdTime->setCurrentIndex(-1);
    m_selfId->setMaxLength(DtmfMap::kSelfIdLength);
    m_stunCode->setMaxLength(DtmfMap::kStunCodeLength);
    LimitTyping(m_autoReset, 3);
    m_autoResetArrows->setRange(0, kAutoResetMax);
    setUpGrid();
    LoadFromImage();
}

QString DtmfCodePage::groupChar() const
{
    return m_groupCode->currentText();
}

QString DtmfCodePage::delimiterChar() const
{
    return m_delimiter->currentText();
}

void DtmfCodePage::timingCheck()
{
    EnsureComboSelection(m_speed, DtmfLists::kSpeedDefault, true);
    EnsureComboSelection(m_firstDigitDelay, DtmfLists::kFirstDigitDelayDefault, true);
    EnsureComboSelection(m_firstDigit, DtmfLists::kFirstDigitDefault, true);
    if (m_sideTone->isChecked())
        m_beep->setCheckState(Qt::Unchecked);
}

void DtmfCodePage::settingsCheck()
{
    EnsureComboSelection(m_decodeResponse, DtmfLists::kDecodeResponseDefault);
    EnsureComboSelection(m_stunType, DtmfLists::kStunTypeDefault);
}

void DtmfCodePage::LoadFromImage()
{
    using namespace DtmfMap;
    const RadioImage& image = document().image();
    // Values on no item keep the selection the list had.
    SelectStartingWith(m_speed, QString::number(image[kSpeed]));
    SelectStartingWith(m_firstDigitDelay, QString::number(image[kFirstDigitDelay] * 50));
    SelectStartingWith(m_firstDigit, QString::number(image[kFirstDigit] * 50));
    SelectStartingWith(m_holdTime, QString::number(image[kHoldTime]));
    SelectStartingWith(m_groupCode, CharText(image[kGroupCode]));
    SelectStartingWith(m_delimiter, CharText(image[kDelimiter]));
    m_sideTone->setChecked(ReadBits(image, kSideTone) != 0);
    m_beep->setCheckState(ReadBits(image, kBeep) != 0 ? Qt::PartiallyChecked : Qt::Unchecked);
    timingCheck();

    settingsCheck();
    m_selfId->setText(ReadDtmfDigits(&image[kSelfId], kSelfIdLength));
    SelectIndex(m_decodeResponse, image[kDecodeResponse]);
    m_stunCode->setText(ReadDtmfDigits(&image[kStunCode], kStunCodeLength));
    SelectIndex(m_stunType, image[kStunType]);
    m_autoReset->setText(QString::number(image[kAutoResetTime]));

    // The image replaces whatever was being typed into a cell.
    m_grid->hideEditors();
    m_grid->setRedraw(false);
    for (int k = 1; k <= kCodeCount; ++k)
        setRow(k, DecodeCodeRecord(&image[CodeRecord(k)]));
    m_grid->setRedraw(true);
}

void DtmfCodePage::SaveToImage()
{
    using namespace DtmfMap;
    commitOpenEditor();
    auto change = document().change();
    RadioImage& image = change.image();

    timingCheck();
    image[kSpeed] = static_cast<std::uint8_t>(TextToInt(m_speed->currentText()));
    image[kFirstDigitDelay] = static_cast<std::uint8_t>(TextToInt(m_firstDigitDelay->currentText()) / 50);
    image[kFirstDigit] = static_cast<std::uint8_t>(TextToInt(m_firstDigit->currentText()) / 50);
    image[kHoldTime] = static_cast<std::uint8_t>(TextToInt(m_holdTime->currentText()));
    image[kGroupCode] = CodeOfFirstChar(groupChar(), u'*');
    image[kDelimiter] = CodeOfFirstChar(delimiterChar(), u'D');
    WriteBits(image, kSideTone, m_sideTone->isChecked() ? 1 : 0);
    WriteBits(image, kBeep, m_beep->checkState() != Qt::Unchecked ? 1 : 0);

    settingsCheck();
    std::fill_n(&image[kSelfId], kSelfIdLength, std::uint8_t{0xFF});
    WriteDtmfDigits(m_selfId->text(), &image[kSelfId], kSelfIdLength);
    image[kDecodeResponse] = static_cast<std::uint8_t>(SelectedIndexOrZero(m_decodeResponse));
    std::fill_n(&image[kStunCode], kStunCodeBytes, std::uint8_t{0xFF});
    WriteDtmfDigits(m_stunCode->text(), &image[kStunCode], kStunCodeLength);
    image[kStunCode + kStunCodeBytes - 1] = 0xFF;
    image[kStunType] = static_cast<std::uint8_t>(SelectedIndexOrZero(m_stunType));
    // A time typed past 255 and not yet left would not fit its byte.
    const int reset = TextToInt(m_autoReset->text());
    if (reset < 0 || reset > kAutoResetMax)
        ValidateIntField(m_autoReset, 0, kAutoResetMax, kAutoResetDefault, 1, true, tr("Continuous"));
    image[kAutoResetTime] = static_cast<std::uint8_t>(TextToInt(m_autoReset->text()));

    for (int k = 1; k <= kCodeCount; ++k)
        EncodeCodeRecord(rowAt(k), &image[CodeRecord(k)]);
}

void DtmfCodePage::commitOpenEditor()
{
    if (auto* editor = dynamic_cast<CellEditor*>(m_grid->openEditor()))
        editor->commitEdit();
}

void DtmfCodePage::hideEvent(QHideEvent* event)
{
    commitOpenEditor();
    FormPage::hideEvent(event);
}

void DtmfCodePage::onSideToneClicked()
{
    if (m_sideTone->isChecked())
        m_beep->setCheckState(Qt::Unchecked);
}

void DtmfCodePage::onBeepClicked()
{
    if (m_beep->checkState() != Qt::Unchecked)
        m_sideTone->setChecked(false);
}

void DtmfCodePage::onCodeCharPicked(bool delimiterPicked)
{
    const GroupAndDelimiter moved = SeparateGroupAndDelimiter(groupChar(), delimiterChar(), delimiterPicked);
    if (moved.group != groupChar())
        SelectStartingWith(m_groupCode, moved.group);
    if (moved.delimiter != delimiterChar())
        SelectStartingWith(m_delimiter, moved.delimiter);

    const QString group = groupChar();
    const QString delimiter = delimiterChar();
    if (group.isEmpty() || delimiter.isEmpty())
        return;
    for (int k = 1; k <= DtmfMap::kCodeCount; ++k) {
        if (m_grid->text(k, kTypeCol) == QLatin1String("ANI"))
            m_grid->setText(k, kNumCol, CleanAniNum(m_grid->text(k, kNumCol), delimiter, k));
    }
    m_selfId->setText(WithoutChars(m_selfId->text(), delimiter + group));
}

void DtmfCodePage::onCellClicked(int row, int col)
{
    if (row < 1 || col < kTypeCol)
        return; // the headings and the row numbers are not edited
    if (m_grid->text(row, kTypeCol).isEmpty())
        col = kTypeCol; // an empty row starts with its type
    m_grid->setCurrentCell(row, col);
    QWidget* editor = nullptr;
    switch (col) {
    case kTypeCol:
        m_typeEditor->setCellText(m_grid->text(row, col));
        editor = m_typeEditor;
        break;
    case kNumCol:
        m_numEditor->setCellText(m_grid->text(row, col));
        editor = m_numEditor;
        break;
    default:
        m_aliasEditor->setCellText(m_grid->text(row, col));
        editor = m_aliasEditor;
        break;
    }
    m_grid->placeEditor(editor);
}

DtmfCodeRow DtmfCodePage::rowAt(int row) const
{
    return {m_grid->text(row, kTypeCol), m_grid->text(row, kNumCol), m_grid->text(row, kAliasCol)};
}

void DtmfCodePage::setRow(int row, const DtmfCodeRow& r)
{
    m_grid->setText(row, kTypeCol, r.type);
    m_grid->setText(row, kNumCol, r.num);
    m_grid->setText(row, kAliasCol, r.alias);
}

void DtmfCodePage::onTypeCommitted(const QString& text)
{
    const int row = m_grid->editorRow();
    DtmfCodeRow r = rowAt(row);
    CommitType(r, row, text, groupChar(), delimiterChar());
    setRow(row, r);
    m_typeEditor->setCurrentIndex(-1);
}

void DtmfCodePage::onNumCommitted(const QString& text)
{
    const int row = m_grid->editorRow();
    DtmfCodeRow r = rowAt(row);
    CommitNum(r, row, text);
    setRow(row, r);
}

void DtmfCodePage::onAliasCommitted(const QString& text)
{
    const int row = m_grid->editorRow();
    DtmfCodeRow r = rowAt(row);
    CommitAlias(r, text);
    setRow(row, r);
}
