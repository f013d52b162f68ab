#pragma once

#include "document/document_delta.h"

#include <QObject>
#include <QString>

#include <memory>

class Document;
class QUndoCommand;
class QUndoStack;

// The document's history of changes: every change it records becomes an
// undo step holding only the bytes it altered. The changes made inside one
// Document::Step form one step named by the step's text; a change outside any
// step is a step of its own, named by the default text.
class DocumentHistory : public QObject {
    Q_OBJECT
public:
    explicit DocumentHistory(Document& document, QObject* parent = nullptr);
    ~DocumentHistory() override;

    QUndoStack* stack() const { return m_stack; }

    // The name of changes made outside a step (the active view's edit).
    void setDefaultText(const QString& text) { m_defaultText = text; }
    // A new document (open, new, a read): the history starts again.
    void clear();
    // Changes made while paused are not recorded (views reloading after an undo).
    void setPaused(bool paused) { m_paused = paused; }
    // Bytes the steps hold, for the memory the history takes.
    std::size_t byteCount() const { return m_bytes; }

private:
    void record(const DocumentDelta& delta);
    void stepStarted(const QString& text);
    void stepFinished();

    Document& m_document;
    QUndoStack* m_stack;
    QString m_defaultText;
    QString m_stepText;
    bool m_inStep = false;
    bool m_macroOpen = false;
    // A step's first change waits: alone, it needs no macro around it.
    std::unique_ptr<QUndoCommand> m_pending;
    bool m_paused = false;
    std::size_t m_bytes = 0;
};
