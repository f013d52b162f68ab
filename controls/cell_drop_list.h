#pragma once

#include "codecs/option_lists.h"
#include "controls/cell_editor.h"

#include <QComboBox>
#include <QStringList>

// Drop-down list over a cell: the user can only pick one of its items.
class CellDropList : public CellEditorBase<QComboBox> {
    Q_OBJECT
public:
    explicit CellDropList(QWidget* parent = nullptr);

    void setItems(const QStringList& items);
    void setItems(OptionList items);

    // Selects the item equal to text (exact); no selection when none is.
    void setCellText(const QString& text) override;
    // The selected item's text; empty without a selection.
    QString cellText() const override;

signals:
    void committed(const QString& text);
    void enterPressed();

protected:
    void announceCommit(const QString& text) override { emit committed(text); }
    void announceEnter() override { emit enterPressed(); }
};
