#pragma once

#include "shell/desktop.h"

#include <functional>

// A desktop whose dialogs a test answers; an answer left unset is the real dialog.
class ScriptedDesktop : public Desktop {
public:
    std::function<QString(const QString& folder)> openFileAnswer;
    std::function<QString(const QString& suggestedPath)> saveFileAnswer;
    std::function<bool()> confirmNewAnswer;
    std::function<QString(const QString& folderOrPath)> csvFileAnswer;
    std::function<int()> firstChannelAnswer;
    QString dataFolder; // empty: the platform's

    QString openFile(QWidget* parent, const QString& folder) override
    {
        return openFileAnswer ? openFileAnswer(folder) : Desktop::openFile(parent, folder);
    }
    QString saveFile(QWidget* parent, const QString& suggestedPath) override
    {
        return saveFileAnswer ? saveFileAnswer(suggestedPath) : Desktop::saveFile(parent, suggestedPath);
    }
    bool confirmNew(QWidget* parent) override
    {
        return confirmNewAnswer ? confirmNewAnswer() : Desktop::confirmNew(parent);
    }
    QString csvToImport(QWidget* parent, const QString& folder) override
    {
        return csvFileAnswer ? csvFileAnswer(folder) : Desktop::csvToImport(parent, folder);
    }
    QString csvToExport(QWidget* parent, const QString& suggestedPath) override
    {
        return csvFileAnswer ? csvFileAnswer(suggestedPath) : Desktop::csvToExport(parent, suggestedPath);
    }
    std::optional<int> firstChannel(QWidget* parent) override
    {
        return firstChannelAnswer ? std::optional<int>(firstChannelAnswer()) : Desktop::firstChannel(parent);
    }
    QString userDataFolder() const override { return dataFolder.isEmpty() ? Desktop::userDataFolder() : dataFolder; }
};
