#pragma once

#include "codecs/option_lists.h"
#include "controls/cell_editor.h"
#include "controls/char_input_filter.h"

#include <QComboBox>
#include <QStringList>

// Combo box with an edit over a cell: pick an item or type a value.
class CellCombo : public CellEditorBase<QComboBox> {
    Q_OBJECT
public:
    explicit CellCombo(QWidget* parent = nullptr);

    void setItems(const QStringList& items);
    void setItems(OptionList items);
    void setMaxLength(int length);
    int maxLength() const;

    CharInputFilter* filter() const { return m_filter; }
    void setCharFilter(const CharFilter& filter) { m_filter->setAccepted(filter); }
    void setUpperCase(bool on) { m_filter->setUpperCase(on); }
    void setCharCheck(std::function<bool(QChar)> check) { m_filter->setCharCheck(std::move(check)); }

    // The edit text, all of it selected; the list is not searched.
    void setCellText(const QString& text) override;
    QString cellText() const override { return currentText(); }

signals:
    void committed(const QString& text);
    void enterPressed();

protected:
    void announceCommit(const QString& text) override { emit committed(text); }
    void announceEnter() override { emit enterPressed(); }

private:
    CharInputFilter* m_filter;
};
