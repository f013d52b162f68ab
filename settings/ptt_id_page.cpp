#include "settings/ptt_id_page.h"

#include "document/document.h"

#include "controls/char_input_filter.h"
#include "controls/edit_widgets.h"
#include "controls/form_kit.h"
#include "settings/core/dtmf_rules.h"
#include "settings/core/setting_fields.h"
#include "settings/core/setting_lists.h"
#include "settings/setting_ids.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

#include <algorithm>

using namespace FormKit;

PttIdPage::PttIdPage(Document& document, QWidget* parent) : FormPage(DtmfIds::kPttIdPage, document, parent)
{
    // Only DTMF digits can be typed anywhere on the page.
    m_filter = new CharInputFilter(this);
    m_filter->setAccepted(DtmfCharFilter);
    m_filter->setUpperCase(true);

    auto* grid = new QGridLayout(this);
    SetFormSpacing(grid);
    grid->setSpacing(kColumnGap / 2);
    for (std::size_t i = 0; i < m_types.size(); ++i) {
        const int n = static_cast<int>(i);
        auto* box = new QGroupBox(tr("PTT ID %1").arg(n + 1), this);
        m_types[i] = MakeDropList(box, DtmfIds::kPttIdType + n);
        m_up[i] = MakeEdit(box, DtmfIds::kPttIdUp + n, DtmfMap::kPttIdCodeLength);
        m_down[i] = MakeEdit(box, DtmfIds::kPttIdDown + n, DtmfMap::kPttIdCodeLength);
        m_filter->attach(m_up[i]);
        m_filter->attach(m_down[i]);
        auto* form = new QFormLayout(box);
        FitToLength(m_up[i]);
        FitToLength(m_down[i]);
        form->addRow(tr("Type"), m_types[i]);
        form->addRow(tr("Up"), m_up[i]);
        form->addRow(tr("Down"), m_down[i]);
        grid->addWidget(box, n / 2, n % 2);
    }
    KeepFieldWidths(grid);
}

void PttIdPage::pageStart()
{
    for (std::size_t i = 0; i < m_types.size(); ++i) {
        m_types[i]->clear();
        m_types[i]->addItems(ToStringList(DtmfLists::PttIdType));
        m_up[i]->setMaxLength(DtmfMap::kPttIdCodeLength);
        m_down[i]->setMaxLength(DtmfMap::kPttIdCodeLength);
    }
    LoadFromImage();
}

void PttIdPage::checkTypes()
{
    for (QComboBox* type : m_types)
        EnsureComboSelection(type, 0);
}

void PttIdPage::LoadFromImage()
{
    using namespace DtmfMap;
    const RadioImage& image = document().image();
    for (std::size_t i = 0; i < m_types.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        SelectIndex(m_types[i], static_cast<int>(ReadBits(image, PttIdTypeField(n))));
        m_up[i]->setText(ReadDtmfDigits(&image[PttIdRecord(n)], kPttIdCodeLength));
        m_down[i]->setText(ReadDtmfDigits(&image[PttIdRecord(n) + kPttIdCodeLength], kPttIdCodeLength));
    }
    checkTypes();
}

void PttIdPage::SaveToImage()
{
    using namespace DtmfMap;
    checkTypes();
    auto change = document().change();
    RadioImage& image = change.image();
    std::fill_n(&image[kPttIdCodes], kPttIdCount * kPttIdRecordSize, std::uint8_t{0xFF});
    for (std::size_t i = 0; i < m_types.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        WriteBits(image, PttIdTypeField(n), SelectedIndexOrZero(m_types[i]));
        WriteDtmfDigits(m_up[i]->text(), &image[PttIdRecord(n)], kPttIdCodeLength);
        WriteDtmfDigits(m_down[i]->text(), &image[PttIdRecord(n) + kPttIdCodeLength], kPttIdCodeLength);
    }
}
