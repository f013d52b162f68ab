#include "shell/document_history.h"

#include "document/document.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace {

// One recorded change; pushing it does nothing, for the bytes are already there.
class ByteChangeCommand : public QUndoCommand {
public:
    ByteChangeCommand(Document& document, DocumentDelta delta, const QString& text, QUndoCommand* parent = nullptr)
        : QUndoCommand(text, parent), m_document(document), m_delta(std::move(delta))
    {
    }
    void undo() override { m_document.applyDelta(m_delta, false); }
    void redo() override
    {
        if (m_done)
            m_document.applyDelta(m_delta, true);
        m_done = true;
    }

private:
    Document& m_document;
    DocumentDelta m_delta;
    bool m_done = false;
};

} // namespace

DocumentHistory::DocumentHistory(Document& document, QObject* parent)
    : QObject(parent), m_document(document), m_stack(new QUndoStack(this))
{
    connect(&m_document, &Document::changeRecorded, this, &DocumentHistory::record);
}

void DocumentHistory::beginStep(const QString& text)
{
    if (m_openSteps++ == 0) {
        m_stepText = text;
        m_stack->beginMacro(text);
    }
}

void DocumentHistory::endStep()
{
    if (m_openSteps > 0 && --m_openSteps == 0) {
        m_stack->endMacro();
        m_stepText.clear();
    }
}

void DocumentHistory::clear()
{
    m_stack->clear();
    m_bytes = 0;
}

void DocumentHistory::record(const DocumentDelta& delta)
{
    m_bytes += delta.byteCount();
    m_stack->push(new ByteChangeCommand(m_document, delta, m_stepText));
}
