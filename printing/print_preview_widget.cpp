#include "printing/print_preview_widget.h"

#include <QPrintPreviewWidget>
#include <QVBoxLayout>

PrintPreviewWidget::PrintPreviewWidget(QPrinter* printer, QWidget* parent) : QWidget(parent)
{
    m_preview = new QPrintPreviewWidget(printer, this);
    m_preview->setObjectName(QStringLiteral("preview"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_preview);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &PrintPreviewWidget::paintRequested);
}
