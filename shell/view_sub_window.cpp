#include "shell/view_sub_window.h"

#include "controls/base_form_view.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

ViewSubWindow::ViewSubWindow(BaseFormView* view, QWidget* parent) : QMdiSubWindow(parent), m_view(view)
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // A form larger than its frame scrolls instead of being squeezed.
    auto* scroll = new QScrollArea(body);
    scroll->setWidget(view);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    layout->addWidget(scroll, 1);

    auto* bar = new QWidget(body);
    bar->setObjectName(QStringLiteral("130"));
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->addStretch(1);
    auto* close = new QPushButton(tr("Close"), bar);
    close->setObjectName(QStringLiteral("1006"));
    auto* help = new QPushButton(tr("Help"), bar);
    help->setObjectName(QStringLiteral("1007"));
    close->setAutoDefault(false);
    help->setAutoDefault(false);
    barLayout->addWidget(close);
    barLayout->addWidget(help);
    barLayout->addStretch(1);
    layout->addWidget(bar);
    setWidget(body);

    connect(close, &QPushButton::clicked, this, &QMdiSubWindow::close);
    connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(m_view); });
}

void ViewSubWindow::closeEvent(QCloseEvent* event)
{
    m_view->SaveToImage();
    QMdiSubWindow::closeEvent(event);
    m_closed = event->isAccepted();
}

void ViewSubWindow::focusInEvent(QFocusEvent* event)
{
    QMdiSubWindow::focusInEvent(event);
    m_view->setFocus();
}
