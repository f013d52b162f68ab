#pragma once

#include "controls/cell_editor.h"
#include "controls/char_input_filter.h"

#include <QLineEdit>

// Edit box over a cell, with a character filter and a maximum length.
class CellLineEdit : public CellEditorBase<QLineEdit> {
    Q_OBJECT
public:
    explicit CellLineEdit(QWidget* parent = nullptr);

    CharInputFilter* filter() const { return m_filter; }
    void setCharFilter(const CharFilter& filter) { m_filter->setAccepted(filter); }
    void setUpperCase(bool on) { m_filter->setUpperCase(on); }
    void setCharCheck(std::function<bool(QChar)> check) { m_filter->setCharCheck(std::move(check)); }

    // The text, all of it selected so that typing replaces it.
    void setCellText(const QString& text) override;
    QString cellText() const override { return text(); }

signals:
    void committed(const QString& text);
    void enterPressed(); // after committed(), when Enter ended the edit

protected:
    void announceCommit(const QString& text) override { emit committed(text); }
    void announceEnter() override { emit enterPressed(); }

private:
    CharInputFilter* m_filter;
};
