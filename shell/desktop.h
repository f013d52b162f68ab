#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

class QWidget;

// What the main window takes from the user's desktop: answers to its file
// dialogs and questions, and the folder for the user's own data (recovery
// file, backups the program folder cannot take, the transfer log). Tests
// stand in for it.
class Desktop {
    Q_DECLARE_TR_FUNCTIONS(MainWindow) // the texts of the window that asks
public:
    virtual ~Desktop() = default;

    // The .dat file to open, or to save to; empty when cancelled.
    virtual QString openFile(QWidget* parent, const QString& folder);
    virtual QString saveFile(QWidget* parent, const QString& suggestedPath);
    // "Clear all data!": true to go on.
    virtual bool confirmNew(QWidget* parent);
    // The CSV file to import, or to export to; empty when cancelled.
    virtual QString csvToImport(QWidget* parent, const QString& folder);
    virtual QString csvToExport(QWidget* parent, const QString& suggestedPath);
    // The import's first channel (0: each row's Location); nullopt when cancelled.
    virtual std::optional<int> firstChannel(QWidget* parent);
    // The platform's application-data folder.
    virtual QString userDataFolder() const;
};
