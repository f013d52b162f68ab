#pragma once

#include "controls/base_form_view.h"

class Document;
class RecordForm;
class QTabBar;

// The ten scan edge records (lower and upper edge of five scan ranges), one
// per tab, each edited with the channel record's controls.
class ScanChannelView : public BaseFormView {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 194;
    static constexpr int kEdgeCount = 10;

    explicit ScanChannelView(Document& document, QWidget* parent = nullptr);

    void LoadFromImage() override;
    void SaveToImage() override;
    // Each edge that holds a frequency, under its tab's caption.
    void printTo(PrintSheet& sheet) override;

    QTabBar* tabs() const { return m_tabs; }
    RecordForm* form() const { return m_form; }

private:
    void showEdge(int edge);
    void tabChanged(int index);

    QTabBar* m_tabs;
    RecordForm* m_form;
    int m_shown = 0;
};
