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
    connect(&m_document, &Document::stepStarted, this, &DocumentHistory::stepStarted);
    connect(&m_document, &Document::stepFinished, this, &DocumentHistory::stepFinished);
}

DocumentHistory::~DocumentHistory() = default;

void DocumentHistory::stepStarted(const QString& text)
{
    m_inStep = true;
    m_stepText = text;
}

void DocumentHistory::stepFinished()
{
    // A step that changed nothing leaves no trace.
    if (m_pending)
        m_stack->push(m_pending.release());
    if (m_macroOpen)
        m_stack->endMacro();
    m_macroOpen = false;
    m_inStep = false;
    m_stepText.clear();
}

void DocumentHistory::clear()
{
    m_pending.reset();
    if (m_macroOpen)
        m_stack->endMacro();
    m_macroOpen = false;
    m_stack->clear();
    m_bytes = 0;
}

void DocumentHistory::record(const DocumentDelta& delta)
{
    if (m_paused)
        return;
    m_bytes += delta.byteCount();
    auto command = std::make_unique<ByteChangeCommand>(m_document, delta, m_inStep ? m_stepText : m_defaultText);
    if (!m_inStep) {
        m_stack->push(command.release());
        return;
    }
    if (!m_pending && !m_macroOpen) {
        m_pending = std::move(command);
        return;
    }
    if (!m_macroOpen) {
        m_stack->beginMacro(m_stepText);
        m_macroOpen = true;
        m_stack->push(m_pending.release());
    }
    m_stack->push(command.release());
}
