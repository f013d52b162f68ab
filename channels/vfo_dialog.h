#pragma once

#include "channels/core/record_rules.h"
#include "channels/record_dialog.h"

#include <vector>

class Document;
class QTabBar;

// The VFO records of the enabled bands, one per tab, edited with the channel
// record's controls. The record of the current tab is written on every tab
// change and on closing; opening alone writes nothing.
struct PrintSheet;

class VfoDialog : public RecordDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 193;

    explicit VfoDialog(Document& document, QWidget* parent = nullptr);

    QTabBar* tabs() const { return m_tabs; }
    // The VFO of each enabled band under its tab's caption.
    void printTo(PrintSheet& sheet);
    // The VFO record of the current tab, -1 when no band is enabled.
    int currentRecord() const { return m_record; }

private:
    void showVfo(int record);
    void tabChanged(int index);

    std::vector<VfoTab> m_vfos;
    QTabBar* m_tabs;
    int m_record = -1;
};
