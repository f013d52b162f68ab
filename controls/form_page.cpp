#include "controls/form_page.h"

#include "controls/form_keys.h"
#include "controls/print_form.h"

#include <QKeyEvent>

FormPage::FormPage(int templateId, Document& document, QWidget* parent)
    : QWidget(parent), m_templateId(templateId), m_document(document)
{
}

void FormPage::keyPressEvent(QKeyEvent* event)
{
    if (FormSwallowsKey(event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void FormPage::printTo(PrintSheet& sheet)
{
    PrintForm(sheet, this);
}
