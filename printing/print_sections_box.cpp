#include "printing/print_sections_box.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

PrintSectionsBox::PrintSectionsBox(PrintSections sections, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("printSections"));
    setWindowTitle(tr("Sections"));
    auto* layout = new QVBoxLayout(this);
    for (int s = 0; s < kPrintSectionCount; ++s) {
        const auto section = static_cast<PrintSection>(s);
        auto* box = new QCheckBox(PrintSectionTitle(section), this);
        box->setObjectName(PrintSectionKey(section));
        box->setChecked(sections & SectionBit(section));
        layout->addWidget(box);
        m_boxes[static_cast<std::size_t>(s)] = box;
    }
    layout->addStretch(1);
}

PrintSections PrintSectionsBox::sections() const
{
    PrintSections out = 0;
    for (int s = 0; s < kPrintSectionCount; ++s)
        if (m_boxes[static_cast<std::size_t>(s)]->isChecked())
            out |= SectionBit(static_cast<PrintSection>(s));
    return out;
}

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
