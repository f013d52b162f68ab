#include "settings/tot_page.h"

#include "document/document.h"

#include "codecs/decimal.h"
#include "controls/edit_widgets.h"
#include "controls/form_kit.h"
#include "controls/up_down.h"
#include "settings/core/setting_fields.h"
#include "settings/core/setting_lists.h"
#include "settings/core/setting_rules.h"
#include "settings/setting_ids.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLineEdit>

using namespace FormKit;

namespace {
struct TotField {
    const char* label;
    int max;
};
constexpr std::array<TotField, 4> kTotFields = {{
    {QT_TRANSLATE_NOOP("TotPage", "TOT (min)"), 30},
    {QT_TRANSLATE_NOOP("TotPage", "TOT pre-alert (s)"), 15},
    {QT_TRANSLATE_NOOP("TotPage", "TOT rekey (s)"), 30},
    {QT_TRANSLATE_NOOP("TotPage", "TOT reset (s)"), 30},
}};
constexpr int kTotMin = 0;

QGridLayout* FormGrid(QWidget* page)
{
    auto* grid = new QGridLayout(page);
    SetFormSpacing(grid);
    return grid;
}
} // namespace

TotPage::TotPage(Document& document, QWidget* parent) : FormPage(BasicIds::kTotPage, document, parent)
{
    QGridLayout* grid = FormGrid(this);
    for (std::size_t i = 0; i < kTotFields.size(); ++i) {
        const int n = static_cast<int>(i);
        m_edits[i] = MakeNumberEdit(this, BasicIds::kTot + n, 2);
        m_arrows[i] = MakeUpDown(m_edits[i], BasicIds::kTotSpin + n, kTotMin, kTotFields[i].max);
        QWidget* box = EditWithArrows(m_edits[i], m_arrows[i]);
        box->setFixedWidth(90);
        AddLabelled(grid, n, 0, tr(kTotFields[i].label), box);
        OnFocusLost(m_edits[i], [this, n] { clamp(n); });
        connect(m_arrows[i], &UpDown::deltaPos, this,
                [this, i](int delta) { SpinIntField(m_arrows[i], delta, true, tr("Off")); });
    }
    KeepFieldWidths(grid);
}

TotPage::~TotPage()
{
    DropFocusHooks(this);
}

void TotPage::pageStart()
{
    for (std::size_t i = 0; i < kTotFields.size(); ++i) {
        LimitTyping(m_edits[i], 2);
        m_arrows[i]->setRange(kTotMin, kTotFields[i].max);
    }
    LoadFromImage();
}

void TotPage::clamp(int i)
{
    const auto k = static_cast<std::size_t>(i);
    m_edits[k]->setText(ClampTotText(m_edits[k]->text(), kTotMin, kTotFields[k].max, tr("Off")));
}

void TotPage::clampAll()
{
    for (int i = 0; i < static_cast<int>(kTotFields.size()); ++i)
        clamp(i);
}

void TotPage::LoadFromImage()
{
    const RadioImage& image = document().image();
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        m_edits[i]->setText(QString::number(image[BasicMap::kTot + i]));
    clampAll();
}

void TotPage::SaveToImage()
{
    clampAll();
    auto change = document().change();
    RadioImage& image = change.image();
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        image[BasicMap::kTot + i] = static_cast<std::uint8_t>(TextToInt(m_edits[i]->text()));
}
