#include "controls/tab_host_view.h"

#include "controls/core/print_sheet.h"

#include <QTabWidget>
#include <QVBoxLayout>

TabHostView::TabHostView(int templateId, Document& document, QWidget* parent)
    : BaseFormView(templateId, document, parent)
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
}

void TabHostView::initialUpdate()
{
    createPages();
    // Creating the pages ran each page's start, which loaded it once.
    m_shown = m_tabs->currentIndex();
    connect(m_tabs, &QTabWidget::currentChanged, this, &TabHostView::onCurrentChanged);
    m_tabs->setFocus();
}

void TabHostView::addPage(FormPage* page, const QString& caption)
{
    m_pages.push_back(page);
    m_tabs->addTab(page, caption);
    page->pageStart();
}

int TabHostView::currentPage() const
{
    return m_tabs->currentIndex();
}

FormPage* TabHostView::page(int index) const
{
    return index >= 0 && index < pageCount() ? m_pages[static_cast<std::size_t>(index)] : nullptr;
}

void TabHostView::LoadFromImage()
{
    if (FormPage* p = page(currentPage()))
        p->LoadFromImage();
}

void TabHostView::SaveToImage()
{
    if (FormPage* p = page(currentPage()))
        p->SaveToImage();
}

void TabHostView::onCurrentChanged(int index)
{
    // The page left writes itself before the page entered reads the image.
    if (FormPage* left = page(m_shown))
        left->SaveToImage();
    m_shown = index;
    if (FormPage* entered = page(index))
        entered->LoadFromImage();
}

void TabHostView::printTo(PrintSheet& sheet)
{
    for (int i = 0; i < pageCount(); ++i) {
        sheet.heading(m_tabs->tabText(i).remove(QLatin1Char('&')));
        PrintSheet::Nested nested(sheet);
        page(i)->printTo(sheet);
    }
}
