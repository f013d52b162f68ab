#pragma once

#include "controls/form_page.h"

#include <array>

class Document;
class CharInputFilter;
class QComboBox;
class QLineEdit;

// "PTTID" tab: four PTT IDs, each an "Up" and a "Down" code and a type.
class PttIdPage : public FormPage {
    Q_OBJECT
public:
    explicit PttIdPage(Document& document, QWidget* parent = nullptr);

    void pageStart() override;
    void LoadFromImage() override;
    void SaveToImage() override;

private:
    void checkTypes();

    std::array<QComboBox*, 4> m_types{};
    std::array<QLineEdit*, 4> m_up{};
    std::array<QLineEdit*, 4> m_down{};
    CharInputFilter* m_filter;
};
