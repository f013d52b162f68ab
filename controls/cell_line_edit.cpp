#include "controls/cell_line_edit.h"

CellLineEdit::CellLineEdit(QWidget* parent) : CellEditorBase<QLineEdit>(parent), m_filter(new CharInputFilter(this))
{
    m_filter->attach(this);
}

void CellLineEdit::setCellText(const QString& text)
{
    setText(text);
    selectAll();
}
