#pragma once

#include <QDialog>

#include <vector>

class QButtonGroup;
class QLineEdit;
class QRadioButton;

// Chooses the serial port: COM1 to COM16, greyed while they cannot be opened,
// then the serial devices the system reports, the simulated radio, and any
// device path.
class CPortDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFirstComId = 1005; // COM n has id 1004 + n

    explicit CPortDialog(QWidget* parent = nullptr);

    void accept() override;

private:
    QButtonGroup* m_group;
    std::vector<std::pair<QRadioButton*, QString>> m_named; // devices and SIM with the name they stand for
    QRadioButton* m_pathButton;
    QLineEdit* m_path;
};
