#pragma once

#include "link/core/port_factory.h"

#include <QDialog>

#include <vector>

class QButtonGroup;
class QVBoxLayout;
class QLineEdit;
class QRadioButton;

// Chooses the serial port: COM1 to COM16, greyed while they cannot be opened,
// then the other serial devices the system reports (with what it says of
// them), the simulated radio, and any device path, which stays in its box
// even while it cannot be opened.
class PortDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFirstComId = 1005; // COM n has id 1004 + n

    // portName is the port in use; OK writes the choice back into it.
    explicit PortDialog(QString& portName, QWidget* parent = nullptr);

    void accept() override;

    // Lists the system's devices again when they changed (a cable plugged
    // in or pulled); runs every few seconds and from the Refresh button.
    void refreshDevices();

private:
    QString& m_portName;
    QButtonGroup* m_group;
    std::vector<std::pair<QRadioButton*, QString>> m_named; // devices and SIM with the name they stand for
    std::vector<SerialDeviceInfo> m_devices;                // as last listed
    QVBoxLayout* m_deviceList = nullptr;
    QRadioButton* m_pathButton;
    QLineEdit* m_path;
};
