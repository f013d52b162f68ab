#pragma once

#include "link/core/transfer_engine.h"
#include "link/core/transfer_plan.h"

#include <QDialog>

#include <memory>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QThread;

// The modal dialog that runs one transfer on a worker thread: a progress bar,
// a percentage, Start and Exit. A completed read is copied into the document
// before the dialog returns; a failed or cancelled one leaves it as it was.
class CTransferDialog : public QDialog {
    Q_OBJECT
public:
    CTransferDialog(TransferMode mode, const QString& title, std::vector<TransferRange> ranges,
                    QWidget* parent = nullptr);
    ~CTransferDialog() override;

    // 1 only when the whole transfer completed.
    int transferResult() const { return m_result; }

    // Shows the dialog for one transfer and returns its result.
    static int Run(QWidget* parent, TransferMode mode, const QString& title,
                   std::vector<TransferRange> ranges);

    void reject() override; // Exit, Esc

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class GuiTransferUi;
    void start();
    void exitRequested();

    TransferMode m_mode;
    std::vector<TransferRange> m_ranges;
    int m_blocks;
    int m_result = 0;
    bool m_initialised = false;
    LinkFlags m_flags;
    TransferOutcome m_outcome;
    QThread* m_worker = nullptr;
    QProgressBar* m_progress;
    QLabel* m_percent;
    QPushButton* m_start;
    QPushButton* m_exit;
};
