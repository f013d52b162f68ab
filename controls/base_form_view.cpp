#include "controls/base_form_view.h"

#include "controls/form_keys.h"
#include "controls/print_form.h"

#include <QKeyEvent>

bool FormSwallowsKey(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: return true;
    default: return false;
    }
}

BaseFormView::BaseFormView(int templateId, Document& document, QWidget* parent)
    : QWidget(parent), m_templateId(templateId), m_document(document)
{
}

void BaseFormView::ensureInitialised()
{
    if (m_initialised)
        return;
    m_initialised = true;
    initialUpdate();
}

void BaseFormView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        event->accept();
        emit helpRequested(helpContext());
    } else if (FormSwallowsKey(event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void BaseFormView::printTo(PrintSheet& sheet)
{
    PrintForm(sheet, this);
}
