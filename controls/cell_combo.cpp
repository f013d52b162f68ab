#include "controls/cell_combo.h"

#include <QLineEdit>

CellCombo::CellCombo(QWidget* parent) : CellEditorBase<QComboBox>(parent), m_filter(new CharInputFilter(this))
{
    setEditable(true);
    // The typed text is the value: no completion into list items and no
    // typed values added to the list.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    m_filter->attach(this);
}

void CellCombo::setItems(const QStringList& items)
{
    const QString text = currentText();
    clear();
    addItems(items);
    setEditText(text);
}

void CellCombo::setItems(OptionList items)
{
    QStringList list;
    for (const char* item : items)
        list << QString::fromLatin1(item);
    setItems(list);
}

void CellCombo::setMaxLength(int length)
{
    lineEdit()->setMaxLength(length);
}

int CellCombo::maxLength() const
{
    return lineEdit()->maxLength();
}

void CellCombo::setCellText(const QString& text)
{
    setEditText(text);
    lineEdit()->selectAll();
}
