#pragma once

#include "controls/base_form_view.h"
#include "controls/form_fields.h"

#include <memory>
#include <span>

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

    // The form's fields, as it builds, loads and saves them.
    static std::span<const FormField> fieldTable();

private:
    void viewCheck();
    void checkTxTime();
    void checkRxTime();
    void checkCycle();
    void step(UpDown* arrows, int delta, bool continuousAtZero);

    std::unique_ptr<FormFields> m_fields;
    // The fields with rules of their own.
    QComboBox* m_emiCode;
    QLineEdit* m_txTime;
    QLineEdit* m_rxTime;
    QLineEdit* m_cycle;
    UpDown* m_txArrows;
    UpDown* m_rxArrows;
    UpDown* m_cycleArrows;
};
