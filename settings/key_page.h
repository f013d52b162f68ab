#pragma once

#include "controls/form_page.h"

#include <array>

class Document;
class QComboBox;

// "Key" tab: the functions of the programmable keys P1..P4.
class KeyPage : public FormPage {
    Q_OBJECT
public:
    explicit KeyPage(Document& document, QWidget* parent = nullptr);

    void pageStart() override;
    void LoadFromImage() override;
    void SaveToImage() override;

private:
    std::array<QComboBox*, 4> m_keys{};
};
