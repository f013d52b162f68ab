#pragma once

#include <QDialog>

class QLineEdit;

// The service access code dialog: letters and digits only, compared without
// regard to case; a wrong code closes it as cancelled, without a message.
class ServiceAccessDialog : public QDialog {
    Q_OBJECT
public:
    explicit ServiceAccessDialog(QWidget* parent = nullptr);
    void accept() override;

private:
    QLineEdit* m_code;
};

bool IsServiceAccessCode(const QString& typed);
