#pragma once

#include "controls/form_page.h"

#include <array>

class Document;
class UpDown;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabBar;

// Sixteen two-tone systems, one at a time: the tabs "1" to "16" choose the
// system the controls show; the one left is written to the image first.
class TwoToneSystemPage : public FormPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 141;

    explicit TwoToneSystemPage(Document& document, QWidget* parent = nullptr);
    ~TwoToneSystemPage() override;

    void LoadFromImage() override;
    void SaveToImage() override;
    // Each system in use under its number.
    void printTo(PrintSheet& sheet) override;

    int shownSystem() const { return m_shownSystem; }
    QTabBar* systemTabs() const { return m_systems; }

private:
    // A one-decimal box held in tenths, with its arrows and its rule.
    struct DecField {
        QLineEdit* edit = nullptr;
        UpDown* arrows = nullptr;
        int min = 0;
        int max = 0;
        int def = 0;
        bool emptyWhenZero = false;
    };
    enum Time { ReplyWait, FirstDuration, SecondDuration, Interval, LongDuration, PreCarrier, TimeCount };

    void buildControls();
    DecField makeField(QWidget* parent, int id, int maxLength, int min, int max, int def, bool emptyWhenZero);
    void onSystemChanged(int index);
    void loadSystem(int n);
    void saveSystem(int n);
    void validate(const DecField& f);
    void validateAutoReset();
    void leaveAlias();

    QTabBar* m_systems = nullptr;
    QWidget* m_panel = nullptr;
    std::array<QComboBox*, 4> m_formats{};
    std::array<QComboBox*, 4> m_responses{};
    std::array<DecField, 4> m_tones{};
    std::array<DecField, TimeCount> m_times{};
    QLineEdit* m_alias = nullptr;
    QLineEdit* m_autoReset = nullptr;
    UpDown* m_autoResetArrows = nullptr;
    QCheckBox* m_sideTone = nullptr;
    QCheckBox* m_idleReply = nullptr;
    QCheckBox* m_beep = nullptr;

    int m_shownSystem = 0;
    QString m_aliasLoaded;
};
