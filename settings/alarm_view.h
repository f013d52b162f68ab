#pragma once

#include "controls/base_form_view.h"

class Document;
class UpDown;
class QComboBox;
class QLineEdit;

// "Alarm": the emergency alarm's kind, EMI code, transmit and receive times,
// cycles and remote trigger.
class AlarmView : public BaseFormView {
    Q_OBJECT
public:
    explicit AlarmView(Document& document, QWidget* parent = nullptr);
    ~AlarmView() override;

    void initialUpdate() override;
    void LoadFromImage() override;
    void SaveToImage() override;

private:
    void viewCheck();
    void checkTxTime();
    void checkRxTime();
    void checkCycle();
    void step(UpDown* arrows, int delta, bool continuousAtZero);

    QComboBox* m_alarmType;
    QComboBox* m_emiCodeType;
    QComboBox* m_emiCode;
    QComboBox* m_remoteEmiAlarm;
    QLineEdit* m_txTime;
    QLineEdit* m_rxTime;
    QLineEdit* m_cycle;
    UpDown* m_txArrows;
    UpDown* m_rxArrows;
    UpDown* m_cycleArrows;
};
