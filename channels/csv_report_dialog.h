#pragma once

#include <QDialog>

struct CsvImportResult;

// What an import or a paste took, adjusted and skipped, row by row.
class CCsvReportDialog : public QDialog {
    Q_OBJECT
public:
    explicit CCsvReportDialog(const CsvImportResult& result, QWidget* parent = nullptr);
};
