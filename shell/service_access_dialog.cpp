#include "shell/service_access_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

bool IsServiceAccessCode(const QString& typed)
{
    return typed.compare(QLatin1String("6142B7"), Qt::CaseInsensitive) == 0;
}

ServiceAccessDialog::ServiceAccessDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Password"));
    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("1318"));
    m_code->setEchoMode(QLineEdit::Password);
    // Other printable characters are dropped as they are typed.
    m_code->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z0-9]*")), m_code));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ServiceAccessDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ServiceAccessDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(tr("Password"), m_code);
    form->addRow(buttons);
}

void ServiceAccessDialog::accept()
{
    if (IsServiceAccessCode(m_code->text()))
        QDialog::accept();
    else
        QDialog::reject();
}
