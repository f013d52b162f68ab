#include "controls/print_form.h"

#include "controls/core/print_sheet.h"
#include "controls/grid.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

#include <algorithm>
#include <tuple>

namespace {

QString PlainLabel(QString text)
{
    // Mnemonic markers go; a doubled one is a real ampersand.
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text = text.simplified();
    while (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

bool HiddenOnPurpose(const QWidget* w)
{
    // A widget that was never shown reads as hidden too; only an explicit hide counts.
    return w->testAttribute(Qt::WA_WState_ExplicitShowHide) && w->testAttribute(Qt::WA_WState_Hidden);
}

// Label and check box pairs the widest row of a grid shows.
int PairsPerRow(const QGridLayout* grid)
{
    std::vector<int> perRow(static_cast<std::size_t>(std::max(1, grid->rowCount())), 0);
    for (int i = 0; i < grid->count(); ++i) {
        const QWidget* w = grid->itemAt(i)->widget();
        if (!w || HiddenOnPurpose(w) || !(qobject_cast<const QLabel*>(w) || qobject_cast<const QCheckBox*>(w)))
            continue;
        int row = 0, col = 0, rowSpan = 0, colSpan = 0;
        grid->getItemPosition(i, &row, &col, &rowSpan, &colSpan);
        ++perRow[static_cast<std::size_t>(row)];
    }
    return std::max(1, *std::max_element(perRow.begin(), perRow.end()));
}

class FormWalker {
public:
    explicit FormWalker(PrintSheet& sheet) : m_sheet(sheet) {}

    void widget(const QWidget* w)
    {
        if (HiddenOnPurpose(w))
            return;
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            flush();
            m_label = PlainLabel(label->text());
        } else if (const auto* box = qobject_cast<const QCheckBox*>(w)) {
            flush();
            m_sheet.item(PlainLabel(box->text()), box->isChecked() ? on() : off());
        } else if (const auto* radio = qobject_cast<const QRadioButton*>(w)) {
            if (radio->isChecked())
                value(PlainLabel(radio->text()));
        } else if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QTabBar*>(w)) {
            // commands and record selectors say nothing about the data
        } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            value(combo->currentText());
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
            value(edit->text());
        } else if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(w)) {
            value(spin->text());
        } else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w)) {
            value(plain->toPlainText().simplified());
        } else if (const auto* rich = qobject_cast<const QTextEdit*>(w)) {
            value(rich->toPlainText().simplified());
        } else if (const auto* grid = qobject_cast<const Grid*>(w)) {
            flush();
            PrintGrid(m_sheet, grid);
        } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
            flush();
            if (!group->title().isEmpty())
                m_sheet.heading(PlainLabel(group->title()));
            PrintSheet::Nested nested(m_sheet);
            contents(group);
            flush();
        } else if (const auto* tabs = qobject_cast<const QTabWidget*>(w)) {
            flush();
            for (int i = 0; i < tabs->count(); ++i) {
                m_sheet.heading(PlainLabel(tabs->tabText(i)));
                PrintSheet::Nested nested(m_sheet);
                widget(tabs->widget(i));
                flush();
            }
        } else if (const auto* stack = qobject_cast<const QStackedWidget*>(w)) {
            if (stack->currentWidget())
                widget(stack->currentWidget());
        } else if (const auto* scroll = qobject_cast<const QScrollArea*>(w)) {
            if (scroll->widget())
                widget(scroll->widget());
        } else {
            contents(w);
        }
    }

    void contents(const QWidget* w)
    {
        if (w->layout()) {
            layout(w->layout());
            return;
        }
        for (const QObject* child : w->children())
            if (child->isWidgetType() && !static_cast<const QWidget*>(child)->isWindow())
                widget(static_cast<const QWidget*>(child));
    }

    void layout(const QLayout* l)
    {
        // A grid reads row by row, left to right, whatever order its cells were added in.
        std::vector<std::tuple<int, int, int>> order; // row, column, index
        const auto* grid = qobject_cast<const QGridLayout*>(l);
        for (int i = 0; i < l->count(); ++i) {
            int row = 0, col = 0, rowSpan = 0, colSpan = 0;
            if (grid)
                grid->getItemPosition(i, &row, &col, &rowSpan, &colSpan);
            order.emplace_back(grid ? row : 0, grid ? col : i, i);
        }
        std::stable_sort(order.begin(), order.end());
        // A grid or form is a run of its own, as many items a line as it shows a row.
        const bool table = grid || qobject_cast<const QFormLayout*>(l);
        if (table) {
            flush();
            m_sheet.startRun(grid ? PairsPerRow(grid) : 1);
        }
        for (const auto& [row, col, index] : order) {
            QLayoutItem* item = l->itemAt(index);
            if (item->widget())
                widget(item->widget());
            else if (item->layout())
                layout(item->layout());
        }
        if (table) {
            flush();
            m_sheet.startRun();
        }
    }

    // A label still waiting for its control prints as a line of its own.
    void flush()
    {
        if (!m_label.isEmpty())
            m_sheet.text(m_label);
        m_label.clear();
    }

private:
    static QString on() { return QCoreApplication::translate("PrintForm", "On"); }
    static QString off() { return QCoreApplication::translate("PrintForm", "Off"); }

    void value(const QString& text)
    {
        m_sheet.item(m_label, text);
        m_label.clear();
    }

    PrintSheet& m_sheet;
    QString m_label;
};

} // namespace

void PrintForm(PrintSheet& sheet, const QWidget* root)
{
    FormWalker walker(sheet);
    walker.contents(root);
    walker.flush();
}

void PrintGrid(PrintSheet& sheet, const Grid* grid)
{
    std::vector<int> columns;
    for (int c = 0; c < grid->cols(); ++c)
        if (grid->colWidth(c) > 0)
            columns.push_back(c);
    const auto rowCells = [&](int row) {
        QStringList cells;
        for (const int c : columns)
            cells << grid->text(row, c);
        return cells;
    };
    if (grid->fixedRows() > 0)
        sheet.tableHead(rowCells(grid->fixedRows() - 1));
    for (int r = grid->fixedRows(); r < grid->rows(); ++r) {
        bool any = false;
        for (const int c : columns)
            any = any || (c >= grid->fixedCols() && !grid->text(r, c).isEmpty());
        if (any)
            sheet.tableRow(rowCells(r));
    }
}

void PrintFormRow(PrintSheet& sheet, const QWidget* root, bool withHead)
{
    PrintSheet form;
    PrintForm(form, root);
    QStringList labels;
    QStringList values;
    for (const PrintSheet::Entry& e : form.entries) {
        if (e.kind != PrintSheet::Kind::Item)
            continue;
        labels << e.texts.value(0);
        values << e.texts.value(1);
    }
    if (withHead)
        sheet.tableHead(labels);
    sheet.tableRow(values);
}
