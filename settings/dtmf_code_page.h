#pragma once

#include "controls/form_page.h"
#include "settings/core/dtmf_rules.h"

class Document;
class CCellDropList;
class CCellLineEdit;
class CGrid;
class CharInputFilter;
class CUpDown;
class QCheckBox;
class QComboBox;
class QLineEdit;

// "Code" tab of the DTMF view: timing, group code and delimiter, own
// identity, stun code, and the table of sixteen stored codes.
class CDtmfCodePage : public CFormPage {
    Q_OBJECT
public:
    explicit CDtmfCodePage(Document& document, QWidget* parent = nullptr);
    ~CDtmfCodePage() override;

    void pageStart() override;
    void LoadFromImage() override;
    void SaveToImage() override;

    CGrid* grid() const { return m_grid; }
    CCellDropList* typeEditor() const { return m_typeEditor; }
    CCellLineEdit* numEditor() const { return m_numEditor; }
    CCellLineEdit* aliasEditor() const { return m_aliasEditor; }

protected:
    // Leaving the tab while a cell is being edited keeps the edit.
    void hideEvent(QHideEvent* event) override;

private:
    void setUpGrid();
    void timingCheck();
    void settingsCheck();
    void commitOpenEditor();

    void onSideToneClicked();
    void onBeepClicked();
    void onCodeCharPicked(bool delimiterPicked);
    void onCellClicked(int row, int col);
    void onTypeCommitted(const QString& text);
    void onNumCommitted(const QString& text);
    void onAliasCommitted(const QString& text);

    DtmfCodeRow rowAt(int row) const;
    void setRow(int row, const DtmfCodeRow& r);
    QString groupChar() const;
    QString delimiterChar() const;

    QComboBox* m_speed;
    QComboBox* m_firstDigitDelay;
    QComboBox* m_firstDigit;
    QComboBox* m_holdTime;
    QComboBox* m_groupCode;
    QComboBox* m_delimiter;
    QComboBox* m_decodeResponse;
    QComboBox* m_stunType;
    QCheckBox* m_sideTone;
    QCheckBox* m_beep;
    QLineEdit* m_selfId;
    QLineEdit* m_stunCode;
    QLineEdit* m_autoReset;
    CUpDown* m_autoResetArrows;
    CharInputFilter* m_selfIdFilter;
    CharInputFilter* m_stunCodeFilter;

    CGrid* m_grid;
    CCellDropList* m_typeEditor;
    CCellLineEdit* m_numEditor;
    CCellLineEdit* m_aliasEditor;
};
