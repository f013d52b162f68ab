#include "link/port_dialog.h"

#include "link/core/port_factory.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

PortDialog::PortDialog(QString& portName, QWidget* parent) : QDialog(parent), m_portName(portName)
{
    setWindowTitle(tr("Port"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_group = new QButtonGroup(this);

    auto* comBox = new QGroupBox(tr("Port"), this);
    auto* grid = new QGridLayout(comBox);
    for (int n = 1; n <= 16; ++n) {
        auto* b = new QRadioButton(QStringLiteral("COM%1").arg(n), comBox);
        b->setObjectName(QString::number(kFirstComId + n - 1));
        // Probed one after another and released at once; nothing is sent.
        b->setEnabled(ProbePort(PortNameForNumber(n)));
        m_group->addButton(b, kFirstComId + n - 1);
        grid->addWidget(b, (n - 1) / 4, (n - 1) % 4);
    }

    auto* otherBox = new QGroupBox(tr("Other devices"), this);
    auto* other = new QVBoxLayout(otherBox);
    m_deviceList = new QVBoxLayout;
    other->addLayout(m_deviceList);
    refreshDevices();
    auto* sim = new QRadioButton(tr("Simulated radio (SIM)"), otherBox);
    m_group->addButton(sim);
    other->addWidget(sim);
    m_named.emplace_back(sim, QString::fromLatin1(kSimPortName));
    auto* pathRow = new QHBoxLayout;
    m_pathButton = new QRadioButton(tr("Device path:"), otherBox);
    m_group->addButton(m_pathButton);
    m_path = new QLineEdit(otherBox);
    m_path->setObjectName(QStringLiteral("devicePath"));
    m_path->setPlaceholderText(QStringLiteral("/dev/ttyUSB0"));
    connect(m_path, &QLineEdit::textEdited, m_pathButton, [this] { m_pathButton->setChecked(true); });
    pathRow->addWidget(m_pathButton);
    pathRow->addWidget(m_path, 1);
    other->addLayout(pathRow);

    // The current port is checked only while it can be opened.
    const QString current = m_portName;
    const std::string currentName = current.toStdString();
    bool checked = false;
    for (auto& [button, name] : m_named)
        if (name == current && button->isEnabled()) {
            button->setChecked(true);
            checked = true;
        }
    const std::optional<int> number = PortNumberFromName(currentName);
    if (!checked && number && ProbePort(currentName))
        m_group->button(kFirstComId + *number - 1)->setChecked(true);
    else if (!checked && !number && current != QLatin1String(kSimPortName)) {
        // A typed path is kept in its box, checked while it can be opened.
        m_path->setText(current);
        m_pathButton->setChecked(ProbePort(currentName));
    }

    auto* refresh = new QPushButton(tr("Refresh"), otherBox);
    refresh->setObjectName(QStringLiteral("refresh"));
    refresh->setAutoDefault(false);
    connect(refresh, &QPushButton::clicked, this, &PortDialog::refreshDevices);
    other->addWidget(refresh, 0, Qt::AlignRight);
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &PortDialog::refreshDevices);
    poll->start(2000);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PortDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PortDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(comBox);
    layout->addWidget(otherBox);
    layout->addWidget(buttons);
}

void PortDialog::refreshDevices()
{
    std::vector<SerialDeviceInfo> devices = ListSerialDevices();
    // COM1 to COM16 are above, by number.
    std::erase_if(devices, [](const SerialDeviceInfo& d) { return IsNumberedPort(d.path); });
    if (devices == m_devices && !m_named.empty())
        return;
    m_devices = devices;
    QString chosen;
    for (auto it = m_named.begin(); it != m_named.end();) {
        if (it->second == QLatin1String(kSimPortName)) {
            ++it;
            continue;
        }
        if (it->first->isChecked())
            chosen = it->second;
        delete it->first;
        it = m_named.erase(it);
    }
    for (const SerialDeviceInfo& d : m_devices) {
        const QString path = QString::fromStdString(d.path);
        QStringList about;
        for (const std::string& part : {d.description, d.manufacturer, d.usbId})
            if (!part.empty() && !about.contains(QString::fromStdString(part)))
                about << QString::fromStdString(part);
        auto* b = new QRadioButton(about.isEmpty() ? path : QStringLiteral("%1 (%2)").arg(path, about.join(", ")));
        b->setEnabled(ProbePort(d.path));
        b->setChecked(path == chosen && b->isEnabled());
        m_group->addButton(b);
        m_deviceList->addWidget(b);
        m_named.emplace_back(b, path);
    }
}

void PortDialog::accept()
{
    const int id = m_group->checkedId();
    if (id >= kFirstComId && id < kFirstComId + 16) {
        m_portName = QString::fromStdString(PortNameForNumber(id - kFirstComId + 1));
    } else if (m_pathButton->isChecked()) {
        if (!m_path->text().trimmed().isEmpty())
            m_portName = m_path->text().trimmed();
    } else {
        for (auto& [button, name] : m_named)
            if (button->isChecked())
                m_portName = name;
    }
    QDialog::accept();
}
