#pragma once

#include "link/core/transfer_engine.h"
#include "link/core/transfer_plan.h"

#include <QDialog>
#include <QElapsedTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Document;
class QLabel;
class QProgressBar;
class QPushButton;
class QThread;

// What a transfer takes from the program's configuration.
struct TransferSetup {
    QString portName;
    // The handshake bytes as configured; read as each transfer starts.
    std::function<std::string()> cmdHead;
    // The service mode: the dialog starts the transfer by itself.
    bool startAtOnce = false;
    // The title of the dialog's message boxes.
    QString caption;
    // Where the transfer's log goes (replaced); empty for none.
    QString logPath;
};

// The modal dialog that runs one transfer on a worker thread: a progress bar,
// a percentage, Start and Exit. A completed read is copied into the document
// before the dialog returns; a failed or cancelled one leaves it as it was.
class TransferDialog : public QDialog {
    Q_OBJECT
public:
    TransferDialog(Document& document, TransferSetup setup, TransferMode mode, const QString& title,
                   std::vector<TransferRange> ranges, QWidget* parent = nullptr);
    ~TransferDialog() override;

    // 1 only when the whole transfer completed.
    int transferResult() const { return m_result; }
    // What happened, in a line for the status bar: blocks and time of a
    // completed transfer, or the block a cancelled one stopped after; empty
    // for a failure, which has had its message box.
    const QString& summary() const { return m_summary; }

    // Shows the dialog for one transfer and returns its result, and its summary when asked.
    static int run(QWidget* parent, Document& document, const TransferSetup& setup, TransferMode mode,
                   const QString& title, std::vector<TransferRange> ranges, QString* summary = nullptr);

    void reject() override; // Exit, Esc

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class GuiTransferUi;
    void start();
    // byUser: Exit, Esc or the close box, rather than the transfer ending.
    void exitRequested(bool byUser);
    void summarise();

    Document& m_document;
    TransferSetup m_setup;
    TransferMode m_mode;
    std::vector<TransferRange> m_ranges;
    int m_blocks;
    int m_result = 0;
    int m_done = 0; // blocks sent or received
    bool m_cancelledByUser = false;
    QElapsedTimer m_clock;
    QString m_summary;
    QString m_logError; // why the transfer log could not be written
    bool m_initialised = false;
    LinkFlags m_flags;
    TransferOutcome m_outcome;
    QThread* m_worker = nullptr;
    QProgressBar* m_progress;
    QLabel* m_percent;
    QLabel* m_state; // what the transfer came to
    QPushButton* m_start;
    QPushButton* m_exit;
};
