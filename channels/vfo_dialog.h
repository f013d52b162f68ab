#pragma once

#include "channels/core/record_rules.h"

#include <QDialog>

#include <vector>

class CRecordForm;
class QTabBar;

// The VFO records of the enabled bands, one per tab, edited with the channel
// record's controls. The record of the current tab is written on every tab
// change and on closing; opening alone writes nothing.
class CVfoDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 193;

    explicit CVfoDialog(QWidget* parent = nullptr);

    QTabBar* tabs() const { return m_tabs; }
    CRecordForm* form() const { return m_form; }
    // The VFO record of the current tab, -1 when no band is enabled.
    int currentRecord() const { return m_record; }

    ~CVfoDialog() override;

    void done(int result) override;

  protected:
    // Enter and Escape are swallowed: the dialog closes from its title bar.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The last write, when the dialog ends or is destroyed, whichever is first.
    void Finish();
    void ShowVfo(int record);
    void TabChanged(int index);

    std::vector<VfoTab> m_vfos;
    QTabBar* m_tabs;
    CRecordForm* m_form;
    int m_record = -1;
    bool m_closed = false;
};
