#include "radio/custom_data_dialog.h"

#include "document/document.h"

#include "document/radio_image.h"
#include "link/core/transfer_plan.h"
#include "link/transfer_dialog.h"
#include "radio/core/model_info.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CustomDataDialog::CustomDataDialog(Document& document, TransferSetup setup, QWidget* parent)
    : QDialog(parent), m_document(document), m_setup(std::move(setup))
{
    setObjectName(QString::number(kTemplateId));
    setWindowTitle(tr("Custom Data"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("1033"));
    auto button = [this](int id, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::number(id));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* ok = button(1, tr("OK"));
    QPushButton* cancel = button(2, tr("Cancel"));
    QPushButton* read = button(1003, tr("Read"));
    QPushButton* write = button(1001, tr("Write"));
    ok->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(read);
    buttons->addWidget(write);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(16);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    connect(ok, &QPushButton::clicked, this, &CustomDataDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &CustomDataDialog::reject);
    connect(read, &QPushButton::clicked, this, &CustomDataDialog::readFromRadio);
    connect(write, &QPushButton::clicked, this, &CustomDataDialog::writeToRadio);

    m_text->setMaxLength(CustomData::kLength);
    showImageText();
}

void CustomDataDialog::accept()
{
    storeText();
    QDialog::accept();
}

void CustomDataDialog::showImageText()
{
    m_text->setText(ReadCustomData(m_document.image()));
}

void CustomDataDialog::storeText()
{
    WriteCustomData(m_document.change().image(), m_text->text());
}

void CustomDataDialog::readFromRadio()
{
    // A failed or cancelled read leaves the box as it was.
    if (TransferDialog::run(this, m_document, m_setup, TransferMode::Read, tr("读数据"), {kCustomDataRange}) == 1)
        showImageText();
}

void CustomDataDialog::writeToRadio()
{
    storeText();
    TransferDialog::run(this, m_document, m_setup, TransferMode::Write, tr("写数据"), {kCustomDataRange});
}
