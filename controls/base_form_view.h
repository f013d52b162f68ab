#pragma once

#include <QWidget>

class Document;
struct PrintSheet;

// Every editing view: it fills its controls from the document (LoadFromImage)
// and writes them back (SaveToImage); between the two the controls alone hold
// the values. The main window calls both as views open, activate, deactivate
// and close, and around New, Open, Save, Read and Write.
class BaseFormView : public QWidget {
    Q_OBJECT
public:
    BaseFormView(int templateId, Document& document, QWidget* parent = nullptr);

    virtual void LoadFromImage() {}
    virtual void SaveToImage() {}

    // Runs once, when the view is first shown in its frame: the view builds
    // its lists and limits, then loads itself. The default just loads.
    virtual void initialUpdate() { LoadFromImage(); }
    bool initialised() const { return m_initialised; }
    // The frame calls this; it runs initialUpdate() the first time only.
    void ensureInitialised();

    int templateId() const { return m_templateId; }
    // The help topic F1 and the frame's Help button open.
    virtual int helpContext() const { return m_templateId; }

    Document& document() const { return m_document; }

    // Whether the frame stores the view each time the focus moves from one of
    // its fields to another, making each field left one step of the history.
    // A view that records its own steps says no.
    virtual bool storesOnFieldLeave() const { return true; }

    // What a printout of the view carries, as its controls show it once
    // loaded. The default reads the controls in layout order; a view that
    // shows one record of many at a time prints the records in use.
    virtual void printTo(PrintSheet& sheet);

signals:
    void helpRequested(int context);

protected:
    // Enter and Escape neither close nor reset a view; F1 asks for its help.
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_templateId;
    Document& m_document;
    bool m_initialised = false;
};
