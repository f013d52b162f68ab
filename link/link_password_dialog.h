#pragma once

#include <QDialog>

class QLineEdit;

// Asked when the radio is locked. OK with the right password accepts;
// anything else closes as cancelled, without a message.
class LinkPasswordDialog : public QDialog {
    Q_OBJECT
public:
    explicit LinkPasswordDialog(QWidget* parent = nullptr);

    void accept() override;

private:
    QLineEdit* m_password;
};
