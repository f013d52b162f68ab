#include "printing/print_sections_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

PrintSectionsDialog::PrintSectionsDialog(PrintSections sections, const QString& caption, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("printSectionsDialog"));
    setWindowTitle(caption);
    m_box = new PrintSectionsBox(sections, this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_box);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Nothing to write without a section.
    const auto follow = [this, buttons] { buttons->button(QDialogButtonBox::Ok)->setEnabled(m_box->sections() != 0); };
    for (int s = 0; s < kPrintSectionCount; ++s)
        connect(m_box->box(static_cast<PrintSection>(s)), &QCheckBox::toggled, this, follow);
    follow();
}
