#include "channels/record_dialog.h"

#include "channels/record_form.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>

#include <utility>

RecordDialog::RecordDialog(Document& document, QWidget* parent) : QDialog(parent), m_document(document) {}

// The form is a child, torn down only after this: its last write is safe here.
RecordDialog::~RecordDialog()
{
    finish();
}

RecordForm* RecordDialog::createForm(RecordFormOptions options)
{
    m_form = new RecordForm(std::move(options), m_document, this);
    return m_form;
}

QDialogButtonBox* RecordDialog::createCloseButton()
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    // Never the default button: Enter in a field must not close the dialog.
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setAutoDefault(false);
    close->setDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}

void RecordDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: event->accept(); return;
    default: QDialog::keyPressEvent(event);
    }
}

void RecordDialog::finish()
{
    if (m_closed)
        return;
    m_closed = true;
    if (!m_form)
        return;
    m_form->commitPending();
    m_form->writeRecord(); // nothing when no record was shown
    m_form->freeze();
}

void RecordDialog::done(int result)
{
    finish();
    QDialog::done(result);
}
