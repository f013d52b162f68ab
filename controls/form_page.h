#pragma once

#include <QWidget>

class Document;
struct PrintSheet;

// One page of a tab host: the same two operations over the page's own controls.
class FormPage : public QWidget {
    Q_OBJECT
public:
    FormPage(int templateId, Document& document, QWidget* parent = nullptr);

    virtual void LoadFromImage() {}
    virtual void SaveToImage() {}
    // The page's start: fill lists, set limits, then load. Runs once, when the host creates the page.
    virtual void pageStart() { LoadFromImage(); }
    // The page's part of a printout; see BaseFormView::printTo.
    virtual void printTo(PrintSheet& sheet);

    int templateId() const { return m_templateId; }
    Document& document() const { return m_document; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_templateId;
    Document& m_document;
};
