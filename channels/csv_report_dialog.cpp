#include "channels/csv_report_dialog.h"

#include "channels/core/chirp_csv.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

CsvReportDialog::CsvReportDialog(const CsvImportResult& result, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Channels not taken exactly"));
    auto* summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("summary"));
    summary->setText(result.ok ? tr("%1 rows taken, %2 skipped; %3 values adjusted or left out.")
                                     .arg(result.taken)
                                     .arg(result.skipped)
                                     .arg(result.issues.size())
                               : result.error);
    summary->setWordWrap(true);

    auto* table = new QTableWidget(static_cast<int>(result.issues.size()), 4, this);
    table->setObjectName(QStringLiteral("issues"));
    table->setHorizontalHeaderLabels({tr("Row"), tr("Column"), tr("Value"), tr("What was done")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int i = 0; i < table->rowCount(); ++i) {
        const CsvIssue& issue = result.issues[static_cast<std::size_t>(i)];
        table->setItem(i, 0, new QTableWidgetItem(QString::number(issue.row)));
        table->setItem(i, 1, new QTableWidgetItem(issue.column));
        table->setItem(i, 2, new QTableWidgetItem(issue.value));
        table->setItem(i, 3, new QTableWidgetItem(issue.action));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setVisible(!result.issues.empty());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(table, 1);
    layout->addWidget(buttons);
    resize(640, result.issues.empty() ? 120 : 400);
}
