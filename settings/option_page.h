#pragma once

#include "controls/form_fields.h"
#include "controls/form_page.h"

#include <memory>
#include <span>

class Document;
class UpDown;
class QComboBox;
class QLineEdit;

// "Option" tab of the basic settings: squelch, beep, volume, power-off,
// locks, backlight, scanning, tone burst, scrambler and the hidden fields.
class OptionPage : public FormPage {
    Q_OBJECT
public:
    explicit OptionPage(Document& document, QWidget* parent = nullptr);
    ~OptionPage() override;

    void pageStart() override;
    void LoadFromImage() override;
    void SaveToImage() override;

    // The form's fields, as it builds, loads and saves them.
    static std::span<const FormField> fieldTable();

private:
    void pageCheck();
    void checkScrambler();
    void checkVolume();

    std::unique_ptr<FormFields> m_fields;
    // The fields with rules of their own.
    QComboBox* m_leftPriority;
    QComboBox* m_rightPriority;
    QComboBox* m_autoPowerOff;
    QComboBox* m_backlightBrightness;
    QComboBox* m_spanExitDelay;
    QLineEdit* m_scrambler;
    QLineEdit* m_volume;
    UpDown* m_volumeArrows;
};
