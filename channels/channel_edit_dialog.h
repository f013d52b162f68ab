#pragma once

#include "channels/record_dialog.h"

class UpDown;
class QLineEdit;

// Every field of one channel of bank A, one channel at a time, with a
// channel number box and arrows to step through channels 1 to 800. The
// shown channel is written back whenever the dialog leaves it: on stepping
// away and on closing.
class ChannelEditDialog : public RecordDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 143;

    // rxText is the receive text the caller shows for the channel.
    ChannelEditDialog(QWidget* parent, Document& document, int channel, const QString& rxText);

    // Modal on channel 1..800; the caller writes its own view into the image
    // before and reloads it after.
    static void run(QWidget* parent, Document& document, int channel, const QString& rxText);

    int shownChannel() const { return m_channel; }

    void ShowChannel(int channel);
    void WriteChannel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stepChannel(int delta);
    void channelNumberLeft();

    int m_channel = 1;
    QLineEdit* m_number;
    UpDown* m_spin;
};
