#pragma once

#include "controls/form_page.h"

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

private:
    void pageCheck();
    void checkScrambler();
    void checkVolume();

    QComboBox* m_leftPriority;
    QComboBox* m_rightPriority;
    QComboBox* m_sqlLeft;
    QComboBox* m_sqlRight;
    QComboBox* m_autoPowerOff;
    QComboBox* m_backlightBrightness;
    QComboBox* m_backlightColor;
    QComboBox* m_beep;
    QComboBox* m_keyLock;
    QComboBox* m_pttLock;
    QComboBox* m_hyperChannel;
    QComboBox* m_rightFunctionKey;
    QComboBox* m_tbst;
    QComboBox* m_aniDisplay;
    QComboBox* m_silentMode;
    QComboBox* m_ste;
    QComboBox* m_autoTransfer;
    QComboBox* m_autoContact;
    QComboBox* m_autoAm;
    QComboBox* m_amFunction;
    QComboBox* m_spanTransit;
    QComboBox* m_scanMode;
    QComboBox* m_scanResume;
    QComboBox* m_spanExitDelay;
    QLineEdit* m_scrambler;
    QLineEdit* m_volume;
    UpDown* m_volumeArrows;
};
