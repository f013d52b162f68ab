#include "channels/channel_edit_dialog.h"

#include "document/document.h"

#include "channels/core/record_rules.h"
#include "channels/record_form.h"
#include "codecs/decimal.h"
#include "codecs/option_lists.h"
#include "controls/char_input_filter.h"
#include "controls/up_down.h"
#include "document/radio_image.h"

#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

ChannelEditDialog::ChannelEditDialog(QWidget* parent, Document& document, int channel, const QString& rxText)
    : RecordDialog(document, parent), m_channel(std::clamp(channel, 1, kEditableChannels))
{
    setObjectName(QString::number(kTemplateId));
    setWindowTitle(tr("Channel edit"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_number = new QLineEdit(this);
    m_number->setObjectName(QString::number(RecordIds::kChannelNumber));
    m_number->setMaxLength(3);
    auto* digits = new CharInputFilter(m_number);
    digits->setAccepted(DigitCharFilter);
    digits->attach(m_number);
    m_number->installEventFilter(this);
    m_spin = new UpDown(m_number, this);
    m_spin->setObjectName(QString::number(RecordIds::kChannelSpin));
    m_spin->setRange(1, kEditableChannels);
    connect(m_spin, &UpDown::deltaPos, this, &ChannelEditDialog::stepChannel);

    RecordForm* recordForm = createForm(RecordFormOptions::channelEdit());

    auto* top = new QHBoxLayout;
    top->setContentsMargins(12, 12, 12, 0);
    auto* label = new QLabel(tr("Channel number"), this);
    label->setBuddy(m_number);
    m_number->setFixedWidth(60);
    top->addWidget(label);
    top->addWidget(m_number);
    top->addWidget(m_spin);
    top->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(recordForm);
    QDialogButtonBox* buttons = createCloseButton();
    buttons->setContentsMargins(8, 0, 8, 8);
    layout->addWidget(buttons);

    // The caller's text stands until the channel is shown, which is at once.
    Q_UNUSED(rxText);
    m_number->setText(QString::number(m_channel));
    ShowChannel(m_channel);
}

void ChannelEditDialog::run(QWidget* parent, Document& document, int channel, const QString& rxText)
{
    ChannelEditDialog dlg(parent, document, channel, rxText);
    dlg.exec();
}

void ChannelEditDialog::ShowChannel(int channel)
{
    m_channel = channel;
    form()->setTarget(ImageMap::ChannelOffset(static_cast<std::uint32_t>(channel)), channel);
    form()->showRecord();
}

void ChannelEditDialog::WriteChannel()
{
    form()->writeRecord();
}

void ChannelEditDialog::stepChannel(int delta)
{
    if (closed())
        return;
    // The arrows belong to the number box: a box left for them is accepted first.
    form()->commitPending(m_number);
    WriteChannel();
    const int next = StepChannelNumber(m_channel, delta);
    m_number->setText(QString::number(next));
    ShowChannel(next);
}

void ChannelEditDialog::channelNumberLeft()
{
    if (closed() || TextToInt(m_number->text()) == m_channel)
        return;
    WriteChannel();
    const int next = ClampChannelNumber(m_number->text());
    m_number->setText(QString::number(next));
    ShowChannel(next);
}

bool ChannelEditDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_number && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        channelNumberLeft();
    return RecordDialog::eventFilter(watched, event);
}
