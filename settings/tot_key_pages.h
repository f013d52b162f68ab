#pragma once

#include "controls/form_page.h"

#include <array>

class Document;
class CUpDown;
class QComboBox;
class QLineEdit;

// "TOT" tab: the transmit time-out timer, its pre-alert, rekey and reset
// times. 0 shows "Off".
class CTotPage : public CFormPage {
    Q_OBJECT
public:
    explicit CTotPage(Document& document, QWidget* parent = nullptr);
    ~CTotPage() override;

    void pageStart() override;
    void LoadFromImage() override;
    void SaveToImage() override;

private:
    void clamp(int i);
    void clampAll();

    std::array<QLineEdit*, 4> m_edits{};
    std::array<CUpDown*, 4> m_arrows{};
};

// "Key" tab: the functions of the programmable keys P1..P4.
class CKeyPage : public CFormPage {
    Q_OBJECT
public:
    explicit CKeyPage(Document& document, QWidget* parent = nullptr);

    void pageStart() override;
    void LoadFromImage() override;
    void SaveToImage() override;

private:
    std::array<QComboBox*, 4> m_keys{};
};
