#include "channels/scan_channel_view.h"

#include "controls/core/print_sheet.h"
#include "controls/print_form.h"

#include "document/document.h"

#include "channels/record_form.h"
#include "document/radio_image.h"

#include <QTabBar>
#include <QVBoxLayout>

namespace {
std::uint32_t EdgeOffset(int edge)
{
    return ImageMap::kScanEdges + ImageMap::kRecordSize * static_cast<std::uint32_t>(edge);
}
} // namespace

ScanChannelView::ScanChannelView(Document& document, QWidget* parent) : BaseFormView(kTemplateId, document, parent)
{
    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QString::number(RecordIds::kTabs));
    m_tabs->setFocusPolicy(Qt::StrongFocus);
    m_tabs->setUsesScrollButtons(false); // every tab in sight
    // Lower and upper edge of scan ranges 1 to 5, in record order.
    const char* const captions[kEdgeCount] = {QT_TR_NOOP("L1"), QT_TR_NOOP("U1"), QT_TR_NOOP("L2"), QT_TR_NOOP("U2"),
                                              QT_TR_NOOP("L3"), QT_TR_NOOP("U3"), QT_TR_NOOP("L4"), QT_TR_NOOP("U4"),
                                              QT_TR_NOOP("L5"), QT_TR_NOOP("U5")};
    for (const char* caption : captions)
        m_tabs->addTab(tr(caption));
    m_form = new RecordForm(RecordFormOptions::scanEdge(), document, this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_tabs);
    layout->addWidget(m_form, 1);
    connect(m_tabs, &QTabBar::currentChanged, this, &ScanChannelView::tabChanged);
}

void ScanChannelView::showEdge(int edge)
{
    m_shown = edge;
    m_form->setTarget(EdgeOffset(edge), edge);
    m_form->showRecord();
}

void ScanChannelView::LoadFromImage()
{
    showEdge(std::max(m_tabs->currentIndex(), 0));
}

void ScanChannelView::SaveToImage()
{
    m_form->commitPending();
    m_form->writeRecord(); // nothing until a record has been shown
}

void ScanChannelView::tabChanged(int index)
{
    if (index < 0)
        return;
    // The tab control takes the focus, which settles any open box, and the
    // edge being left is written before the new one shows.
    m_form->commitPending(m_tabs);
    m_form->writeRecord();
    showEdge(index);
}

void ScanChannelView::printTo(PrintSheet& sheet)
{
    const int shown = m_shown;
    for (int edge = 0; edge < kEdgeCount; ++edge) {
        showEdge(edge);
        if (!m_form->holdsRecord())
            continue;
        sheet.heading(m_tabs->tabText(edge));
        PrintSheet::Nested nested(sheet);
        PrintForm(sheet, m_form);
    }
    showEdge(shown);
}
