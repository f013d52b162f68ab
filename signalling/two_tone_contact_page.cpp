#include "signalling/two_tone_contact_page.h"

#include "document/document.h"

#include "controls/cell_drop_list.h"
#include "controls/cell_editor.h"
#include "controls/cell_line_edit.h"
#include "controls/grid.h"
#include "signalling/core/two_tone_records.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int kRows = TwoToneMap::kCallCount + 1; // heading row + one per entry
constexpr quint32 kSingleShade = 0xDBE9EC;        // COLORREF: red 236, green 233, blue 219
QString SingleText()
{
    return QString::fromLatin1(TwoToneCallFormatList[1]);
}
} // namespace

TwoToneContactPage::TwoToneContactPage(Document& document, QWidget* parent) : FormPage(kTemplateId, document, parent)
{
    auto* range = new QLabel(tr("Tone range: 288 - 3116Hz"), this);
    range->setObjectName(QStringLiteral("1227"));
    m_grid = new Grid(this);
    m_grid->setObjectName(QStringLiteral("1022"));
    buildGrid();

    m_toneEditor = new CellLineEdit(this);
    m_toneEditor->setObjectName(QStringLiteral("1023"));
    m_toneEditor->setMaxLength(6);
    m_toneEditor->setCharFilter(FreqCharFilter);
    m_aliasEditor = new CellLineEdit(this);
    m_aliasEditor->setObjectName(QStringLiteral("1005"));
    m_aliasEditor->setMaxLength(6);
    m_formatList = new CellDropList(this);
    m_formatList->setObjectName(QStringLiteral("1165"));
    m_formatList->setItems(TwoToneCallFormatList);
    m_systemList = new CellDropList(this);
    m_systemList->setObjectName(QStringLiteral("1166"));
    QStringList systems;
    for (int n = 1; n <= TwoToneMap::kSystemCount; ++n)
        systems << QString::number(n);
    m_systemList->setItems(systems);

    connect(m_grid, &Grid::cellClicked, this, &TwoToneContactPage::onCellClicked);
    connect(m_grid, &Grid::keyDown, this, [](int key, Qt::KeyboardModifiers, bool* consumed) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
            *consumed = true;
    });
    connect(m_toneEditor, &CellLineEdit::committed, this, &TwoToneContactPage::onToneCommitted);
    connect(m_aliasEditor, &CellLineEdit::committed, this, &TwoToneContactPage::onAliasCommitted);
    connect(m_formatList, &CellDropList::committed, this, &TwoToneContactPage::onFormatCommitted);
    connect(m_systemList, &CellDropList::committed, this, &TwoToneContactPage::onSystemCommitted);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(range);
    layout->addWidget(m_grid, 1);
}

TwoToneContactPage::~TwoToneContactPage()
{
    // An editor losing the focus while the widgets are torn down would
    // commit into a page that is already gone.
    for (QObject* editor : std::initializer_list<QObject*>{m_toneEditor, m_aliasEditor, m_formatList, m_systemList})
        disconnect(editor, nullptr, this, nullptr);
}

void TwoToneContactPage::buildGrid()
{
    m_grid->setRedraw(false);
    m_grid->setShape(kRows, ColumnCount, 1, 1);
    m_grid->setColWidth(-1, 1000);
    m_grid->setColWidth(No, 500);
    m_grid->setRowHeight(-1, 300);
    m_grid->setColAlignment(-1, Qt::AlignCenter);
    const char* const headings[ColumnCount] = {QT_TR_NOOP("No."),    QT_TR_NOOP("First"),  QT_TR_NOOP("Second"),
                                               QT_TR_NOOP("Format"), QT_TR_NOOP("System"), QT_TR_NOOP("Alias")};
    for (int c = 0; c < ColumnCount; ++c)
        m_grid->setText(0, c, tr(headings[c]));
    for (int r = 1; r < kRows; ++r)
        m_grid->setText(r, No, QString::number(r));
    m_grid->setRedraw(true);
}

void TwoToneContactPage::LoadFromImage()
{
    m_grid->hideEditors(); // an edit in progress belongs to what is being replaced
    m_grid->setRedraw(false);
    for (int r = 1; r < kRows; ++r) {
        const TwoToneCall c = ReadTwoToneCall(document().image(), r - 1);
        m_grid->setText(r, First, c.first);
        m_grid->setText(r, Second, c.second);
        m_grid->setText(r, Format, c.format);
        m_grid->setText(r, System, c.system);
        m_grid->setText(r, Alias, c.alias);
        shadeSecond(r);
    }
    m_grid->setRedraw(true);
}

void TwoToneContactPage::SaveToImage()
{
    // An edit still open is part of what the user sees: keep it.
    if (auto* editor = dynamic_cast<CellEditor*>(m_grid->openEditor()))
        editor->commitEdit();
    auto change = document().change();
    for (int r = 1; r < kRows; ++r) {
        TwoToneCall c;
        c.first = m_grid->text(r, First);
        c.second = m_grid->text(r, Second);
        c.format = m_grid->text(r, Format);
        c.system = m_grid->text(r, System);
        c.alias = m_grid->text(r, Alias);
        WriteTwoToneCall(change.image(), r - 1, c);
    }
}

void TwoToneContactPage::onCellClicked(int row, int col)
{
    if (row < 1 || row >= kRows || col < First || col > Alias)
        return;
    // A row gets its first tone before anything else.
    if (!hasFirst(row)) {
        col = First;
        m_grid->setCurrentCell(row, col);
    }
    if (col == Second && m_grid->text(row, Format) == SingleText())
        return;
    const QString text = m_grid->text(row, col);
    CellEditor* editor = nullptr;
    QWidget* widget = nullptr;
    switch (col) {
    case First:
    case Second:
        editor = m_toneEditor;
        widget = m_toneEditor;
        break;
    case Format:
        editor = m_formatList;
        widget = m_formatList;
        break;
    case System:
        editor = m_systemList;
        widget = m_systemList;
        break;
    default:
        editor = m_aliasEditor;
        widget = m_aliasEditor;
        break;
    }
    m_grid->placeEditor(widget);
    editor->setCellText(text);
}

void TwoToneContactPage::onToneCommitted(const QString& text)
{
    const int row = m_grid->editorRow();
    const int col = m_grid->editorCol();
    const QString tone = NormaliseCallTone(text);
    if (col == Second) {
        m_grid->setText(row, Second, hasFirst(row) ? tone : QString());
        return;
    }
    if (col != First)
        return;
    if (tone.isEmpty()) {
        if (row != 1) // the first entry is never emptied
            clearRow(row);
        return;
    }
    if (hasFirst(row)) {
        m_grid->setText(row, First, tone);
        return;
    }
    // A new entry: both tones alike, "Two", the first system, a made-up alias.
    m_grid->setText(row, First, tone);
    m_grid->setText(row, Second, tone);
    m_grid->setText(row, Format, QString::fromLatin1(TwoToneCallFormatList[0]));
    m_grid->setText(row, System, m_systemList->itemText(0));
    m_grid->setText(row, Alias, QString::asprintf("2T-%02d", row));
    shadeSecond(row);
}

void TwoToneContactPage::onFormatCommitted(const QString& text)
{
    const int row = m_grid->editorRow();
    m_grid->setText(row, Format, hasFirst(row) ? text : QString());
    shadeSecond(row);
}

void TwoToneContactPage::onSystemCommitted(const QString& text)
{
    const int row = m_grid->editorRow();
    m_grid->setText(row, System, hasFirst(row) ? text : QString());
}

void TwoToneContactPage::onAliasCommitted(const QString& text)
{
    if (!text.isEmpty())
        m_grid->setText(m_grid->editorRow(), Alias, text);
}

bool TwoToneContactPage::hasFirst(int row) const
{
    return !m_grid->text(row, First).isEmpty();
}

void TwoToneContactPage::clearRow(int row)
{
    for (int c = First; c <= Alias; ++c)
        m_grid->setText(row, c, QString());
    shadeSecond(row);
}

void TwoToneContactPage::shadeSecond(int row)
{
    const bool single = hasFirst(row) && m_grid->text(row, Format) == SingleText();
    m_grid->setCellBackground(row, Second, single ? ColorFromColorRef(kSingleShade) : QColor());
}
