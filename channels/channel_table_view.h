#pragma once

#include "controls/base_form_view.h"
#include "document/radio_image.h"

#include <functional>
#include <vector>

class Document;
class QAction;
class QMenu;
class CellCombo;
class CellDropList;
class CellLineEdit;
class Grid;
class QPushButton;
struct ChannelRow;
struct CsvImportResult;
namespace ChannelOps {
enum class SortKey;
enum class Result;
} // namespace ChannelOps
enum class PriorityCheck;

// "Channel setting": channels 1..800 of the first bank as a table of twelve
// columns. The grid holds the rows as text between a load and a save; cells
// are edited by editors placed over them, and each committed cell writes its
// row, so the image follows the table one cell at a time.
class ChannelTableView : public BaseFormView {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 101;
    static constexpr int kChannels = 800;

    explicit ChannelTableView(Document& document, QWidget* parent = nullptr);

    void LoadFromImage() override { LoadChannelTable(); }
    void SaveToImage() override { SaveChannelTable(); }
    void initialUpdate() override;
    // Cells record their own steps as they are committed.
    bool storesOnFieldLeave() const override { return false; }

    void LoadChannelTable();
    void LoadRow(int n);
    void SaveChannelTable();
    // A typed frequency committed into row n's receive (1) or transmit (2) cell.
    void CommitFreqCell(int n, int column, const QString& typed);

    Grid* grid() const { return m_grid; }
    CellLineEdit* freqEditor() const { return m_freqEditor; }
    CellDropList* listEditor() const { return m_listEditor; }
    CellCombo* ctcssEditor() const { return m_ctcssEditor; }
    CellCombo* dcsEditor() const { return m_dcsEditor; }
    CellLineEdit* nameEditor() const { return m_nameEditor; }
    QPushButton* channelEditButton() const { return m_channelEdit; }

    // --- Whole channels: the selected rows, else the current row. Each
    // operation is one step of the document's history.
    std::vector<int> selectedChannels() const;
    void copyChannels();
    void cutChannels();
    // From the first selected channel down: this program's own records when
    // the clipboard has them, else tab-separated text with the CSV header.
    void pasteChannels();
    // Empties the channels as clearing their Rx cells does (channel 1 stays).
    void deleteChannels();
    void insertChannel();
    void removeChannels();
    void moveChannels(int delta);
    void sortChannels(ChannelOps::SortKey key);
    // The commands above as actions, for the context menu and the frame's Edit menu.
    const std::vector<QAction*>& editActions() const { return m_editActions; }
    // Shows what a paste or an import did not take exactly; tests replace it.
    std::function<void(const CsvImportResult&)> showReport;

private:
    void setUpGrid();
    void startEdit();
    void commitOpenEditor();
    void moveRight();
    void moveDown();
    ChannelRow rowTexts(int n) const;
    void storeRow(int n);
    void showRow(int n, const ChannelRow& row);

    void onKeyDown(int key, Qt::KeyboardModifiers modifiers, bool* consumed);
    void onCellClicked(int row, int col);
    void onFreqCommitted(const QString& text);
    void onListCommitted(const QString& text);
    void onCtcssCommitted(const QString& text);
    void onDcsCommitted(const QString& text);
    void onNameCommitted(const QString& text);
    void onChannelEdit();
    void createEditActions();
    void showContextMenu(const QPoint& pos);
    void fitColumn(int col);
    int fittingWidth(int col) const;
    void applyStoredWidths();
    // One step: the grid's rows, then the operation on whole records. A
    // refusal (channel 1 would lose its transmit frequency) is explained.
    bool applyToChannels(const QString& stepText, const std::function<ChannelOps::Result(RadioImage&)>& operation);
    // Every row into the image and the consistency pass; an edit defers the
    // priority channel check to the store pass.
    void writeTable(PriorityCheck priority);
    void report(const CsvImportResult& result);

    Grid* m_grid;
    CellLineEdit* m_freqEditor;
    CellDropList* m_listEditor;
    CellCombo* m_ctcssEditor;
    CellCombo* m_dcsEditor;
    CellLineEdit* m_nameEditor;
    QPushButton* m_channelEdit;
    QString m_freqTyped; // the frequency editor's text at its last commit
    std::vector<QAction*> m_editActions;
};
