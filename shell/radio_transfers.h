#pragma once

#include <QCoreApplication>
#include <QString>

class MainWindow;
class QAction;
struct TransferSetup;

// Program > Read and Write, and the log of the last transfer that
// Setting > Keep transfer log keeps and Help > Open transfer log shows.
class RadioTransfers {
    Q_DECLARE_TR_FUNCTIONS(MainWindow) // the texts of the window's commands
public:
    // keepLog is the checkable Keep transfer log command.
    RadioTransfers(MainWindow& window, QAction& keepLog);

    // A read replaces the document when it completes.
    void readFromRadio();
    void writeToRadio();
    void openTransferLog();
    QString transferLogPath() const;

private:
    TransferSetup transferSetup() const;
    void showTransferSummary(const QString& summary);

    MainWindow& m_window;
    QAction& m_keepLog;
};
