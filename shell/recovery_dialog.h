#pragma once

#include "shell/core/recovery_file.h"

#include <QDialog>

#include <vector>

class QTreeWidget;

// Offers the unsaved documents that programs which ended without saving
// left behind: one list, newest first, with the time each was written and
// its size. Recover opens the one chosen; Discard all deletes them; Later
// (and Escape) keeps them for another start.
class RecoveryDialog : public QDialog {
    Q_OBJECT
public:
    enum Choice { Later, Recover, DiscardAll };

    RecoveryDialog(const std::vector<RecoveryFile::LeftBehind>& files, const QString& caption,
                   QWidget* parent = nullptr);

    Choice choice() const { return m_choice; }
    // The file chosen for Recover (the newest unless another was selected).
    int chosen() const;

private:
    QTreeWidget* m_list;
    Choice m_choice = Later;
};
