#include "shell/port_dialog.h"

#include "link/core/port_factory.h"
#include "shell/core/app_settings.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CPortDialog::CPortDialog(QWidget* parent) : QDialog(parent)
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
    auto addNamed = [&](const QString& text, const QString& name, bool enabled) {
        auto* b = new QRadioButton(text, otherBox);
        b->setEnabled(enabled);
        m_group->addButton(b);
        other->addWidget(b);
        m_named.emplace_back(b, name);
    };
    for (const SerialDeviceInfo& d : ListSerialDevices()) {
        const QString path = QString::fromStdString(d.path);
        const QString text =
            d.description.empty() ? path : QStringLiteral("%1 (%2)").arg(path, QString::fromStdString(d.description));
        addNamed(text, path, ProbePort(d.path));
    }
    addNamed(tr("Simulated radio (SIM)"), QString::fromLatin1(kSimPortName), true);
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
    const QString current = appSettings().portName;
    const std::string currentName = current.toStdString();
    bool checked = false;
    for (auto& [button, name] : m_named)
        if (name == current && button->isEnabled()) {
            button->setChecked(true);
            checked = true;
        }
    if (!checked && ProbePort(currentName)) {
        if (std::optional<int> n = PortNumberFromName(currentName))
            m_group->button(kFirstComId + *n - 1)->setChecked(true);
        else if (current.startsWith(QLatin1Char('/'))) {
            m_path->setText(current);
            m_pathButton->setChecked(true);
        }
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CPortDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPortDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(comBox);
    layout->addWidget(otherBox);
    layout->addWidget(buttons);
}

void CPortDialog::accept()
{
    const int id = m_group->checkedId();
    if (id >= kFirstComId && id < kFirstComId + 16) {
        appSettings().portName = QString::fromStdString(PortNameForNumber(id - kFirstComId + 1));
    } else if (m_pathButton->isChecked()) {
        if (!m_path->text().trimmed().isEmpty())
            appSettings().portName = m_path->text().trimmed();
    } else {
        for (auto& [button, name] : m_named)
            if (button->isChecked())
                appSettings().portName = name;
    }
    QDialog::accept();
}
