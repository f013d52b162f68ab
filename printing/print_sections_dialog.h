#pragma once

#include "printing/print_sections_box.h"

#include <QDialog>

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
