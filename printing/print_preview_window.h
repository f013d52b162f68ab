#pragma once

#include "printing/print_preview_widget.h"

#include <QMainWindow>

class QPrinter;

// The window the preview lives in while the main window is hidden: a plain
// frame with the preview's toolbar. Closing it only hides it, to be shown
// again by the next preview.
class PrintPreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit PrintPreviewWindow(QPrinter* printer, QWidget* parent = nullptr);

    PrintPreviewWidget* view() const { return m_view; }

signals:
    void closing();        // before it hides: the main window comes back first
    void printRequested(); // the toolbar's Print

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void updatePageActions();

    PrintPreviewWidget* m_view;
    QAction* m_next = nullptr;
    QAction* m_previous = nullptr;
    QAction* m_pages = nullptr;
};
