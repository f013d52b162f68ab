#include "controls/cell_drop_list.h"

CellDropList::CellDropList(QWidget* parent) : CellEditorBase<QComboBox>(parent)
{
    setEditable(false);
}

void CellDropList::setItems(const QStringList& items)
{
    clear();
    addItems(items);
    setCurrentIndex(-1);
}

void CellDropList::setItems(OptionList items)
{
    QStringList list;
    for (const char* item : items)
        list << QString::fromLatin1(item);
    setItems(list);
}

void CellDropList::setCellText(const QString& text)
{
    setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

QString CellDropList::cellText() const
{
    return currentIndex() >= 0 ? currentText() : QString();
}
