#pragma once

#include "printing/core/print_layout.h"

#include <QWidget>

#include <array>

class QCheckBox;

// A check box for each section a printout can carry.
class PrintSectionsBox : public QWidget {
    Q_OBJECT
public:
    explicit PrintSectionsBox(PrintSections sections, QWidget* parent = nullptr);
    PrintSections sections() const;
    QCheckBox* box(PrintSection section) const { return m_boxes[static_cast<std::size_t>(section)]; }

private:
    std::array<QCheckBox*, kPrintSectionCount> m_boxes{};
};
