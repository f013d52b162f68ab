#include "channels/vfo_dialog.h"

#include "document/document.h"

#include "channels/core/vfo_consistency.h"
#include "channels/record_form.h"
#include "controls/core/print_sheet.h"
#include "controls/print_form.h"
#include "document/band_table.h"

#include <QDialogButtonBox>
#include <QTabBar>
#include <QVBoxLayout>

VfoDialog::VfoDialog(Document& document, QWidget* parent)
    : RecordDialog(document, parent), m_vfos(VfoTabs(document.bands()))
{
    setObjectName(QString::number(kTemplateId));
    setWindowTitle(tr("VFO"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QString::number(RecordIds::kTabs));
    m_tabs->setFocusPolicy(Qt::StrongFocus);
    m_tabs->setUsesScrollButtons(false); // every tab in sight
    for (const VfoTab& vfo : m_vfos) {
        const QString band = QString::fromLatin1(kRxBandNames[static_cast<std::size_t>(vfo.nameBand)]);
        m_tabs->addTab(vfo.transmit ? tr("%1 R").arg(band) : band);
    }
    RecordForm* recordForm = createForm(RecordFormOptions::vfo());
    recordForm->setEnabled(!m_vfos.empty());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_tabs);
    layout->addWidget(recordForm, 1);
    layout->addWidget(createCloseButton());

    if (!m_vfos.empty())
        showVfo(m_vfos.front().record);
    connect(m_tabs, &QTabBar::currentChanged, this, &VfoDialog::tabChanged);
}

void VfoDialog::showVfo(int record)
{
    m_record = record;
    form()->setTarget(VfoLayout::VfoOffset(record), record);
    form()->showRecord();
}

void VfoDialog::tabChanged(int index)
{
    if (index < 0 || index >= static_cast<int>(m_vfos.size()) || closed())
        return;
    form()->commitPending(m_tabs);
    form()->writeRecord();
    showVfo(m_vfos[static_cast<std::size_t>(index)].record);
}

void VfoDialog::printTo(PrintSheet& sheet)
{
    const int shown = m_record;
    for (std::size_t i = 0; i < m_vfos.size(); ++i) {
        showVfo(m_vfos[i].record);
        sheet.heading(m_tabs->tabText(static_cast<int>(i)));
        PrintSheet::Nested nested(sheet);
        PrintForm(sheet, form());
    }
    if (shown >= 0)
        showVfo(shown);
}
