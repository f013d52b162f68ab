#include "printing/print_sections_box.h"

#include <QCheckBox>
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
