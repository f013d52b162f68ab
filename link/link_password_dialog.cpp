#include "link/link_password_dialog.h"

#include "link/core/handshake.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

LinkPasswordDialog::LinkPasswordDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Password"));
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("1318"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setMaxLength(8);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &LinkPasswordDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LinkPasswordDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Password"), m_password);
    form->addRow(buttons);
    m_password->setFocus();
}

void LinkPasswordDialog::accept()
{
    if (CheckLinkPassword(m_password->text().toStdString()))
        QDialog::accept();
    else
        QDialog::reject();
}
