#pragma once

#include <QDialog>

struct CsvImportResult;

// What an import or a paste took, adjusted and skipped, row by row.
class CsvReportDialog : public QDialog {
    Q_OBJECT
public:
    explicit CsvReportDialog(const CsvImportResult& result, QWidget* parent = nullptr);
};
