#pragma once

#include "controls/base_form_view.h"
#include "signalling/core/five_tone_records.h"

#include <array>

class Document;
class UpDown;
class QCheckBox;
class QComboBox;
class QLineEdit;

// The five-tone signalling: standard and digit tones, timings, own and PTT
// identities, eight function codes and sixteen contacts. The standards'
// parameters live in the header block's table; the image holds a copy of
// the one in use.
class FiveToneView : public BaseFormView {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 190;

    explicit FiveToneView(Document& document, QWidget* parent = nullptr);
    ~FiveToneView() override;

    void LoadFromImage() override;
    void SaveToImage() override;
    // Identity, timings, standard and PTT IDs; the functions and contacts in use as tables.
    void printTo(PrintSheet& sheet) override;

    // The standard, function record and contact the controls show.
    int shownStandard() const { return m_shownStandard; }
    int shownFunction() const { return m_shownFunction; }
    int shownContact() const { return m_shownContact; }

private:
    struct Timing {
        QLineEdit* edit;
        UpDown* arrows;
        std::uint32_t address;
    };

    void buildControls(); // lists and limits come with the controls
    void connectControls();

    // Standard.
    void loadStandard();
    void saveStandard();
    void storeShownEntry();
    void showEntry(int k);
    void onStandardChosen(int index);
    SpecialTones specialTones() const;
    void showSpecialTones(const SpecialTones& tones);
    void onSpecialToneChosen(int which);

    void loadTimings();
    void saveTimings();
    void loadSelfId();
    void saveSelfId();
    void loadPttIds();
    void savePttIds();
    void loadFunction(int n);
    void saveFunction(int n);
    void onFunctionChosen(int index);
    void loadContact(int n);
    void saveContact(int n);
    void onContactChosen(int index);
    void updateMessageEnabled();

    // Rules applied when a field is left, and before the controls are read.
    void validateTiming(QLineEdit* edit);
    void validateAutoReset();
    void validateWidth();
    void validateTone(int digit);
    void leaveAlias();
    void leaveCode();
    void validateAll();
    void ensureSelections();
    // Function IDs and contact codes: digits with a tone, except the repeat digit.
    bool acceptsCodeDigit(QChar c) const;

    QLineEdit* m_selfId = nullptr;
    QComboBox* m_decodeResponse = nullptr;
    std::array<Timing, 4> m_timings{};
    QLineEdit* m_autoReset = nullptr;
    UpDown* m_autoResetArrows = nullptr;
    QCheckBox* m_sideTone = nullptr;
    QCheckBox* m_beep = nullptr;

    QComboBox* m_functionGroup = nullptr;
    // The groups a printout reads.
    QWidget* m_topBox = nullptr;
    QWidget* m_functionBox = nullptr;
    QWidget* m_pttBox = nullptr;
    QWidget* m_contactBox = nullptr;
    QWidget* m_standardBox = nullptr;
    QComboBox* m_functionType = nullptr;
    QComboBox* m_functionResponse = nullptr;
    QLineEdit* m_functionId = nullptr;
    QLineEdit* m_functionName = nullptr;

    QLineEdit* m_pttBegin = nullptr;
    QLineEdit* m_pttEnd = nullptr;

    QComboBox* m_contactGroup = nullptr;
    QLineEdit* m_alias = nullptr;
    QComboBox* m_codeType = nullptr;
    QLineEdit* m_code = nullptr;
    QLineEdit* m_message = nullptr;

    QComboBox* m_standard = nullptr;
    QLineEdit* m_width = nullptr;
    UpDown* m_widthArrows = nullptr;
    QComboBox* m_group = nullptr;
    QComboBox* m_repeat = nullptr;
    QComboBox* m_delimiter = nullptr;
    std::array<QLineEdit*, 16> m_tones{};
    std::array<UpDown*, 16> m_toneArrows{};

    int m_shownStandard = 0;
    int m_shownFunction = 0;
    int m_shownContact = 0;
    QString m_aliasAtFocus; // as last loaded, or when the box got the focus
    QString m_codeAtFocus;
};
