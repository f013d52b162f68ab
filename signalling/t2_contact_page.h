#pragma once

#include "controls/form_page.h"

class Document;
class CCellDropList;
class CCellLineEdit;
class CGrid;

// The two-tone call table: sixteen rows pairing two tones with a system,
// edited in place over the grid's cells.
class CT2ContactPage : public CFormPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 142;
    // Grid columns.
    enum Column { No, First, Second, Format, System, Alias, ColumnCount };

    explicit CT2ContactPage(Document& document, QWidget* parent = nullptr);
    ~CT2ContactPage() override;

    void LoadFromImage() override;
    void SaveToImage() override;

    CGrid* grid() const { return m_grid; }

private:
    void buildGrid();
    void onCellClicked(int row, int col);
    void onToneCommitted(const QString& text);
    void onFormatCommitted(const QString& text);
    void onSystemCommitted(const QString& text);
    void onAliasCommitted(const QString& text);
    bool hasFirst(int row) const;
    void clearRow(int row);
    // "Single" rows show their unused second tone shaded.
    void shadeSecond(int row);

    CGrid* m_grid = nullptr;
    CCellLineEdit* m_toneEditor = nullptr;
    CCellLineEdit* m_aliasEditor = nullptr;
    CCellDropList* m_formatList = nullptr;
    CCellDropList* m_systemList = nullptr;
};
