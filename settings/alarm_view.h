#pragma once

#include "controls/base_form_view.h"

class Document;
class CUpDown;
class QComboBox;
class QLineEdit;

// "Alarm": the emergency alarm's kind, EMI code, transmit and receive times,
// cycles and remote trigger.
class CAlarmView : public CBaseFormView {
    Q_OBJECT
public:
    explicit CAlarmView(Document& document, QWidget* parent = nullptr);
    ~CAlarmView() override;

    void initialUpdate() override;
    void LoadFromImage() override;
    void SaveToImage() override;

private:
    void viewCheck();
    void checkTxTime();
    void checkRxTime();
    void checkCycle();
    void step(CUpDown* arrows, int delta, bool continuousAtZero);

    QComboBox* m_alarmType;
    QComboBox* m_emiCodeType;
    QComboBox* m_emiCode;
    QComboBox* m_remoteEmiAlarm;
    QLineEdit* m_txTime;
    QLineEdit* m_rxTime;
    QLineEdit* m_cycle;
    CUpDown* m_txArrows;
    CUpDown* m_rxArrows;
    CUpDown* m_cycleArrows;
};
