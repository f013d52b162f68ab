#include "link/transfer_dialog.h"

#include "link/core/port_failure_text.h"

#include "controls/message_box.h"
#include "document/document.h"
#include "link/core/port_factory.h"
#include "link/core/steady_link_clock.h"
#include "link/core/transfer_log_file.h"
#include "link/link_password_dialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>

// The engine's messages, for the translators.
[[maybe_unused]] static const char* const kLinkMessages[] = {
    QT_TRANSLATE_NOOP("Link", "Open port fail"),
    QT_TRANSLATE_NOOP("Link", "Communication error"),
};

// The engine's view of the dialog: every call is carried out on the GUI
// thread, and the worker waits for it, except the closing notice.
class GuiTransferUi : public TransferUi {
public:
    explicit GuiTransferUi(TransferDialog* dialog) : m_dialog(dialog) {}

    void disableStart() override
    {
        onGui([this] { m_dialog->m_start->setEnabled(false); });
    }
    void progress(int position, int, const std::string& percentText) override
    {
        onGui([this, position, text = QString::fromStdString(percentText)] {
            m_dialog->m_progress->setValue(position);
            m_dialog->m_percent->setText(text);
            m_dialog->m_done = position;
        });
    }
    void showMessage(const std::string& text) override
    {
        onGui([this, msg = QString::fromStdString(text)] {
            // Only failures come this way.
            ShowMessage(m_dialog, QMessageBox::Warning, m_dialog->m_setup.caption,
                        QCoreApplication::translate("Link", msg.toUtf8().constData()));
        });
    }
    void portOpenFailed(const std::string& port, const PortOpenFailure& failure) override
    {
        onGui([this, name = QString::fromStdString(port), failure] {
            ShowMessage(m_dialog, QMessageBox::Warning, m_dialog->m_setup.caption, OpenPortFailText(name, failure));
        });
    }
    bool askPassword() override
    {
        bool accepted = false;
        onGui([this, &accepted] {
            LinkPasswordDialog dlg(m_dialog);
            accepted = dlg.exec() == QDialog::Accepted;
        });
        return accepted;
    }
    void finished(int) override
    {
        // Posted, not waited for: the dialog closes through Exit with busy clear.
        QMetaObject::invokeMethod(
            m_dialog, [d = m_dialog] { d->exitRequested(false); }, Qt::QueuedConnection);
    }

private:
    template <typename F> void onGui(F&& f)
    {
        QMetaObject::invokeMethod(m_dialog, std::forward<F>(f), Qt::BlockingQueuedConnection);
    }
    TransferDialog* m_dialog;
};

TransferDialog::TransferDialog(Document& document, TransferSetup setup, TransferMode mode, const QString& title,
                               std::vector<TransferRange> ranges, QWidget* parent)
    : QDialog(parent), m_document(document), m_setup(std::move(setup)), m_mode(mode), m_ranges(std::move(ranges)),
      m_blocks(CountBlocks(m_ranges))
{
    setWindowTitle(title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("1003"));
    m_progress->setTextVisible(false);
    m_percent = new QLabel(QStringLiteral("0%"), this);
    m_percent->setObjectName(QStringLiteral("1004"));
    m_percent->setAlignment(Qt::AlignCenter);
    m_start = new QPushButton(tr("Start"), this);
    m_start->setObjectName(QStringLiteral("1"));
    m_start->setDefault(true);
    m_exit = new QPushButton(tr("Exit"), this);
    m_exit->setObjectName(QStringLiteral("2"));

    auto* row = new QHBoxLayout;
    row->addWidget(m_start);
    row->addWidget(m_percent, 1);
    row->addWidget(m_exit);
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("state"));
    m_state->setAlignment(Qt::AlignCenter);
    m_state->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_progress);
    layout->addLayout(row);
    layout->addWidget(m_state);
    setMinimumWidth(320);

    connect(m_start, &QPushButton::clicked, this, &TransferDialog::start);
    connect(m_exit, &QPushButton::clicked, this, [this] { exitRequested(true); });
}

TransferDialog::~TransferDialog()
{
    if (m_worker) {
        m_flags.cancel = true;
        m_worker->wait();
    }
}

int TransferDialog::run(QWidget* parent, Document& document, const TransferSetup& setup, TransferMode mode,
                        const QString& title, std::vector<TransferRange> ranges, QString* summary)
{
    TransferDialog dlg(document, setup, mode, title, std::move(ranges), parent);
    dlg.exec();
    if (summary)
        *summary = dlg.summary();
    return dlg.transferResult();
}

void TransferDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_initialised)
        return;
    m_initialised = true;
    m_progress->setRange(0, m_blocks);
    m_progress->setValue(0);
    if (m_setup.startAtOnce)
        QTimer::singleShot(0, this, &TransferDialog::start);
}

void TransferDialog::start()
{
    if (m_worker || !TryBeginTransfer(m_flags))
        return; // a transfer is running already: Start twice starts one
    m_result = 0;
    m_done = 0;
    m_cancelledByUser = false;
    m_clock.start();
    TransferJob job;
    job.mode = m_mode;
    job.ranges = m_ranges;
    job.portName = m_setup.portName.toStdString();
    job.cmdHead = m_setup.cmdHead;
    // The engine works on a copy of the document; a read is applied on completion only.
    auto source = std::make_shared<RadioImage>(m_document.image());
    m_logError.clear();
    m_worker = QThread::create([this, job = std::move(job), source, logPath = m_setup.logPath] {
        std::unique_ptr<SerialPort> port = CreatePort(job.portName);
        SteadyLinkClock clock;
        GuiTransferUi ui(this);
        TransferEngine engine(*port, clock, ui, m_flags);
        // A log that cannot be written never stops the transfer; the summary says so.
        std::optional<TransferLogFile> log;
        if (!logPath.isEmpty()) {
            QDir().mkpath(QFileInfo(logPath).path());
            log.emplace(logPath);
            engine.setTrace(log->start(clock, QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
        }
        m_outcome = engine.run(job, *source);
        if (log && log->failed())
            m_logError = log->errorString();
    });
    m_worker->start();
}

void TransferDialog::exitRequested(bool byUser)
{
    if (byUser && m_flags.busy)
        m_cancelledByUser = true;
    m_flags.cancel = true;
    if (m_flags.busy)
        return;
    if (m_worker) {
        m_worker->wait(); // it has cleared busy and is returning
        delete m_worker;
        m_worker = nullptr;
        m_result = m_outcome.result;
        if (m_result == 1 && m_mode == TransferMode::Read && m_outcome.received)
            ApplyRanges(*m_outcome.received, m_ranges, m_document.change().image());
        summarise();
    }
    done(m_result == 1 ? QDialog::Accepted : QDialog::Rejected);
}

void TransferDialog::summarise()
{
    const QString seconds = QString::number(static_cast<double>(m_clock.elapsed()) / 1000.0, 'f', 1);
    if (m_result == 1)
        m_summary = (m_mode == TransferMode::Read ? tr("Read from radio: %1 blocks in %2 s")
                                                  : tr("Written to radio: %1 blocks in %2 s"))
                        .arg(m_blocks)
                        .arg(seconds);
    else if (m_cancelledByUser)
        m_summary = tr("Cancelled after block %1").arg(m_done);
    else
        m_summary.clear();
    if (!m_logError.isEmpty())
        m_summary += (m_summary.isEmpty() ? QString() : QStringLiteral("  ")) +
                     tr("The transfer log could not be written: %1").arg(m_logError);
    // The dialog's last state says it too, under the percentage.
    m_state->setText(m_summary);
    m_state->setVisible(!m_summary.isEmpty());
}

void TransferDialog::reject()
{
    exitRequested(true);
}

void TransferDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
    exitRequested(true);
}
