#pragma once

#include <QDialog>

class RecordForm;
class QDialogButtonBox;
class Document;
struct RecordFormOptions;

// A dialog around one record form, without OK or Cancel: it closes from its
// title bar or its Close button, and Enter and Escape neither close nor reset it. The shown
// record is written a last time when the dialog ends or is destroyed,
// whichever is first.
class RecordDialog : public QDialog {
    Q_OBJECT
public:
    RecordForm* form() const { return m_form; }

    ~RecordDialog() override;

    void done(int result) override;

protected:
    RecordDialog(Document& document, QWidget* parent);

    Document& document() const { return m_document; }

    // Made by the dialog where it belongs among its controls (the focus order).
    RecordForm* createForm(RecordFormOptions options);
    // A Close button under the form; it ends the dialog as the close box does.
    QDialogButtonBox* createCloseButton();
    // After the last write nothing else is written or shown.
    bool closed() const { return m_closed; }

    void keyPressEvent(QKeyEvent* event) override;

private:
    void finish();

    Document& m_document;
    RecordForm* m_form = nullptr;
    bool m_closed = false;
};
