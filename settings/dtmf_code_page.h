#pragma once

#include "controls/form_page.h"
#include "settings/core/dtmf_rules.h"

class Document;
class CellDropList;
class CellLineEdit;
class Grid;
class CharInputFilter;
class UpDown;
class QCheckBox;
class QComboBox;
class QLineEdit;

// "Code" tab of the DTMF view: timing, group code and delimiter, own
// identity, stun code, and the table of sixteen stored codes.
class DtmfCodePage : public FormPage {
    Q_OBJECT
public:
    explicit DtmfCodePage(Document& document, QWidget* parent = nullptr);
    ~DtmfCodePage() override;

    void pageStart() override;
    void LoadFromImage() override;
    void SaveToImage() override;

    Grid* grid() const { return m_grid; }
    CellDropList* typeEditor() const { return m_typeEditor; }
    CellLineEdit* numEditor() const { return m_numEditor; }
    CellLineEdit* aliasEditor() const { return m_aliasEditor; }

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
    UpDown* m_autoResetArrows;
    CharInputFilter* m_selfIdFilter;
    CharInputFilter* m_stunCodeFilter;

    Grid* m_grid;
    CellDropList* m_typeEditor;
    CellLineEdit* m_numEditor;
    CellLineEdit* m_aliasEditor;
};
