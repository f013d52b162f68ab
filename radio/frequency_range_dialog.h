#pragma once

#include "radio/core/band_plan_rules.h"

#include <QDialog>

class Document;
class CellLineEdit;
class Grid;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Frequency range": the radio's band plan in a grid, editable only after
// the hidden password prompt (F11) has been answered once in this run. The
// plan must pass its checks to close; it is stored into the image and the
// band table when the dialog goes away.
class FrequencyRangeDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 195;

    // caption: the title of the dialog's message boxes.
    FrequencyRangeDialog(Document& document, const QString& caption, QWidget* parent = nullptr);
    ~FrequencyRangeDialog() override;
    // The plan shown into the image, unless it fails the checks; the dialog
    // does this as it goes, and the frame once on opening, so that what it
    // mends of a plan it loaded is no edit of the user's.
    void storePlan();

    // Every way of closing (close box, Esc, done()) passes the plan checks.
    void done(int result) override;

    // The plan as the grid shows it.
    BandPlanCells shownCells() const;

    Grid* grid() const { return m_grid; }
    CellLineEdit* cellEditor() const { return m_editor; }
    QLabel* passwordLabel() const { return m_passwordLabel; }
    QLabel* unlockHint() const { return m_unlockHint; }
    QLineEdit* passwordEdit() const { return m_password; }
    QPushButton* editButton() const { return m_editButton; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setUpGrid();
    void showCells(const BandPlanCells& cells);
    void showBand(int band, const BandPlanCells& cells);
    void showPasswordPrompt();
    void setPasswordPromptVisible(bool on);
    void checkPassword();
    void startEdit();
    void commitOpenEditor();
    void onKeyDown(int key, Qt::KeyboardModifiers modifiers, bool* consumed);
    void onCellClicked(int row, int col);
    void onCommitted(const QString& text);
    void onEnterInEditor();

    Document& m_document;
    QString m_caption;
    Grid* m_grid;
    CellLineEdit* m_editor;
    QLabel* m_passwordLabel;
    QLabel* m_unlockHint = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    QLineEdit* m_password;
    QPushButton* m_editButton;
};
