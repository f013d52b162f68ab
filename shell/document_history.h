#pragma once

#include "document/document_delta.h"

#include <QObject>
#include <QString>

class Document;
class QUndoStack;

// The document's history of changes: every change it records becomes an
// undo step holding only the bytes it altered. Changes made between
// beginStep and endStep form one step named by the text given.
class DocumentHistory : public QObject {
    Q_OBJECT
public:
    explicit DocumentHistory(Document& document, QObject* parent = nullptr);

    QUndoStack* stack() const { return m_stack; }

    void beginStep(const QString& text);
    void endStep();
    // A new document (open, new, a read): the history starts again.
    void clear();
    // Bytes the steps hold, for the memory the history takes.
    std::size_t byteCount() const { return m_bytes; }

private:
    void record(const DocumentDelta& delta);

    Document& m_document;
    QUndoStack* m_stack;
    QString m_stepText;
    int m_openSteps = 0;
    std::size_t m_bytes = 0;
};
