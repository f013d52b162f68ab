#pragma once

#include "link/transfer_dialog.h"

#include <QDialog>

class Document;
class QLineEdit;
class QPushButton;

// The 32-character custom data text below the identity record, edited on its
// own and read from or written to the radio by itself. A service feature: the
// main window offers it in service mode only. The image is the only store.
class CustomDataDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 138;

    CustomDataDialog(Document& document, TransferSetup setup, QWidget* parent = nullptr);

    void accept() override; // OK: store, then close

private:
    void showImageText();
    void storeText();
    void readFromRadio();
    void writeToRadio();

    Document& m_document;
    TransferSetup m_setup;
    QLineEdit* m_text;
};
