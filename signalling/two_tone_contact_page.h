#pragma once

#include "controls/form_page.h"

class Document;
class CellDropList;
class CellLineEdit;
class Grid;

// The two-tone call table: sixteen rows pairing two tones with a system,
// edited in place over the grid's cells.
class TwoToneContactPage : public FormPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 142;
    // Grid columns.
    enum Column { No, First, Second, Format, System, Alias, ColumnCount };

    explicit TwoToneContactPage(Document& document, QWidget* parent = nullptr);
    ~TwoToneContactPage() override;

    void LoadFromImage() override;
    void SaveToImage() override;

    Grid* grid() const { return m_grid; }

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

    Grid* m_grid = nullptr;
    CellLineEdit* m_toneEditor = nullptr;
    CellLineEdit* m_aliasEditor = nullptr;
    CellDropList* m_formatList = nullptr;
    CellDropList* m_systemList = nullptr;
};
