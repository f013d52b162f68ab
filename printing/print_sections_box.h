#pragma once

#include "printing/core/print_layout.h"

#include <QDialog>
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

// Export PDF's question: which sections to write.
class PrintSectionsDialog : public QDialog {
    Q_OBJECT
public:
    PrintSectionsDialog(PrintSections sections, const QString& caption, QWidget* parent = nullptr);
    PrintSections sections() const { return m_box->sections(); }
    PrintSectionsBox* box() const { return m_box; }

private:
    PrintSectionsBox* m_box;
};
