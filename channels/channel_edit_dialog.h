#pragma once

#include <QDialog>

class CRecordForm;
class CUpDown;
class QLineEdit;

// Every field of one channel of bank A, one channel at a time, with a
// channel number box and arrows to step through channels 1 to 800. The
// shown channel is written back whenever the dialog leaves it: on stepping
// away and on closing. There is no OK or Cancel: it closes from its title bar.
class CChannelEditDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 143;

    // rxText is the receive text the caller shows for the channel.
    CChannelEditDlg(QWidget* parent, int channel, const QString& rxText);

    // Modal on channel 1..800; the caller writes its own view into the image
    // before and reloads it after.
    static void Run(QWidget* parent, int channel, const QString& rxText);

    int shownChannel() const { return m_channel; }
    CRecordForm* form() const { return m_form; }

    void ShowChannel(int channel);
    void WriteChannel();

    ~CChannelEditDlg() override;

    void done(int result) override;

  protected:
    // Enter and Escape neither close nor reset the dialog.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The last write, when the dialog ends or is destroyed, whichever is first.
    void Finish();
    void StepChannel(int delta);
    void ChannelNumberLeft();

    int m_channel = 1;
    bool m_closed = false;
    QLineEdit* m_number;
    CUpDown* m_spin;
    CRecordForm* m_form;
};
