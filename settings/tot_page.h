#pragma once

#include "controls/form_page.h"

#include <array>

class Document;
class UpDown;
class QLineEdit;

// "TOT" tab: the transmit time-out timer, its pre-alert, rekey and reset
// times. 0 shows "Off".
class TotPage : public FormPage {
    Q_OBJECT
public:
    explicit TotPage(Document& document, QWidget* parent = nullptr);
    ~TotPage() override;

    void pageStart() override;
    void LoadFromImage() override;
    void SaveToImage() override;

private:
    void clamp(int i);
    void clampAll();

    std::array<QLineEdit*, 4> m_edits{};
    std::array<UpDown*, 4> m_arrows{};
};
