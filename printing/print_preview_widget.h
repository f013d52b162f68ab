#pragma once

#include <QWidget>

class QPrintPreviewWidget;
class QPrinter;

// The preview's view: it only hosts the preview and hands every drawing
// request back to whoever prints (paintRequested).
class PrintPreviewWidget : public QWidget {
    Q_OBJECT
public:
    explicit PrintPreviewWidget(QPrinter* printer, QWidget* parent = nullptr);

    QPrintPreviewWidget* preview() const { return m_preview; }

signals:
    void paintRequested(QPrinter* printer);

private:
    QPrintPreviewWidget* m_preview;
};
