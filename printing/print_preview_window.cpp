#include "printing/print_preview_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QPrintPreviewWidget>
#include <QToolBar>

PrintPreviewWindow::PrintPreviewWindow(QPrinter* printer, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("previewFrame"));
    m_view = new PrintPreviewWidget(printer, this);
    setCentralWidget(m_view);
    QPrintPreviewWidget* preview = m_view->preview();

    QToolBar* bar = addToolBar(tr("Preview"));
    bar->setObjectName(QStringLiteral("previewBar"));
    bar->setMovable(false);
    auto add = [bar](const QString& text, const char* name) {
        QAction* a = bar->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    connect(add(tr("&Print..."), "print"), &QAction::triggered, this, &PrintPreviewWindow::printRequested);
    m_next = add(tr("&Next Page"), "next");
    m_previous = add(tr("Pre&v Page"), "previous");
    m_pages = add(tr("&Two Page"), "pages");
    QAction* zoomIn = add(tr("Zoom &In"), "zoomIn");
    QAction* zoomOut = add(tr("Zoom &Out"), "zoomOut");
    QAction* close = add(tr("&Close"), "close");

    // Moving by these actions sends no signal of the widget's own (only
    // scrolling does), so they update the actions themselves.
    connect(m_next, &QAction::triggered, this, [this, preview] {
        preview->setCurrentPage(preview->currentPage() + 1);
        updatePageActions();
    });
    connect(m_previous, &QAction::triggered, this, [this, preview] {
        preview->setCurrentPage(preview->currentPage() - 1);
        updatePageActions();
    });
    connect(m_pages, &QAction::triggered, this, [this, preview] {
        const bool single = preview->viewMode() == QPrintPreviewWidget::SinglePageView;
        preview->setViewMode(single ? QPrintPreviewWidget::FacingPagesView : QPrintPreviewWidget::SinglePageView);
        m_pages->setText(single ? tr("&One Page") : tr("&Two Page"));
        updatePageActions();
    });
    connect(zoomIn, &QAction::triggered, preview, [preview] { preview->zoomIn(); });
    connect(zoomOut, &QAction::triggered, preview, [preview] { preview->zoomOut(); });
    connect(close, &QAction::triggered, this, &QWidget::close);
    connect(preview, &QPrintPreviewWidget::previewChanged, this, &PrintPreviewWindow::updatePageActions);
}

void PrintPreviewWindow::updatePageActions()
{
    const QPrintPreviewWidget* preview = m_view->preview();
    m_next->setEnabled(preview->currentPage() < preview->pageCount());
    m_previous->setEnabled(preview->currentPage() > 1);
    m_pages->setEnabled(preview->pageCount() > 1 || preview->viewMode() != QPrintPreviewWidget::SinglePageView);
}

void PrintPreviewWindow::closeEvent(QCloseEvent* event)
{
    emit closing();
    QMainWindow::closeEvent(event);
}
