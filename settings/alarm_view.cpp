#include "settings/alarm_view.h"

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
#include <QGridLayout>
#include <QLineEdit>

using namespace FormKit;

namespace {
constexpr int kTimeMin = 1;
constexpr int kTimeMax = 255;
constexpr int kTxDefault = 5;
constexpr int kRxDefault = 8;
constexpr int kCycleMin = 0;
constexpr int kCycleMax = 255;
constexpr int kCycleDefault = 5;

using K = FormField::Kind;
namespace Id = AlarmIds;

// In the order the focus moves through them.
constexpr FormField kFields[] = {
    {K::List, Id::kAlarmType, QT_TRANSLATE_NOOP("AlarmView", "Alarm type"), 0, 0, AlarmLists::AlarmType,
     WholeByte(AlarmMap::kAlarmType)},
    {K::List, Id::kEmiCodeType, QT_TRANSLATE_NOOP("AlarmView", "EMI code type"), 1, 0, AlarmLists::EmiCodeType,
     AlarmMap::kEmiCodeType},
    {K::OwnList, Id::kEmiCode, QT_TRANSLATE_NOOP("AlarmView", "EMI code"), 2, 0},
    {K::List, Id::kRemoteEmiAlarm, QT_TRANSLATE_NOOP("AlarmView", "Remote EMI alarm"), 6, 0, OffOnList,
     AlarmMap::kRemoteEmiAlarm},
    {K::OwnArrowed,
     Id::kTxTime,
     QT_TRANSLATE_NOOP("AlarmView", "Tx time (s)"),
     3,
     0,
     {},
     {},
     0,
     3,
     Id::kTxTimeSpin,
     kTimeMin,
     kTimeMax},
    {K::OwnArrowed,
     Id::kRxTime,
     QT_TRANSLATE_NOOP("AlarmView", "Rx time (s)"),
     4,
     0,
     {},
     {},
     0,
     3,
     Id::kRxTimeSpin,
     kTimeMin,
     kTimeMax},
    {K::OwnArrowed,
     Id::kCycle,
     QT_TRANSLATE_NOOP("AlarmView", "Cycle"),
     5,
     0,
     {},
     {},
     0,
     3,
     Id::kCycleSpin,
     kCycleMin,
     kCycleMax},
};
} // namespace

AlarmView::AlarmView(Document& document, QWidget* parent) : BaseFormView(AlarmIds::kView, document, parent)
{
    auto* grid = new QGridLayout(this);
    SetFormSpacing(grid);
    m_fields = std::make_unique<FormFields>(this, kFields, "AlarmView", grid);
    KeepFieldWidths(grid);
    m_emiCode = m_fields->list(Id::kEmiCode);
    m_txTime = m_fields->edit(Id::kTxTime);
    m_rxTime = m_fields->edit(Id::kRxTime);
    m_cycle = m_fields->edit(Id::kCycle);
    m_txArrows = m_fields->arrows(Id::kTxTime);
    m_rxArrows = m_fields->arrows(Id::kRxTime);
    m_cycleArrows = m_fields->arrows(Id::kCycle);

    OnFocusLost(m_txTime, [this] { checkTxTime(); });
    OnFocusLost(m_rxTime, [this] { checkRxTime(); });
    OnFocusLost(m_cycle, [this] { checkCycle(); });
    connect(m_txArrows, &UpDown::deltaPos, this, [this](int d) { step(m_txArrows, d, false); });
    connect(m_rxArrows, &UpDown::deltaPos, this, [this](int d) { step(m_rxArrows, d, false); });
    connect(m_cycleArrows, &UpDown::deltaPos, this, [this](int d) { step(m_cycleArrows, d, true); });
}

std::span<const FormField> AlarmView::fieldTable()
{
    return kFields;
}

AlarmView::~AlarmView()
{
    DropFocusHooks(this);
}

void AlarmView::initialUpdate()
{
    m_fields->fill();
    // The codes present when the view opens; the list is not rebuilt later.
    m_emiCode->clear();
    m_emiCode->addItem(QStringLiteral("None"));
    m_emiCode->addItems(PresentDtmfCodeNumbers(document().image()));
    LoadFromImage();
}

void AlarmView::LoadFromImage()
{
    using namespace AlarmMap;
    const RadioImage& image = document().image();
    m_fields->load(image);
    const int cycle = image[kCycle];
    m_cycle->setText(cycle == 0 ? tr("Continuous") : QString::number(cycle));
    m_txTime->setText(QString::number(image[kTxTime]));
    m_rxTime->setText(QString::number(image[kRxTime]));
    // 0 is "None"; a code that is gone leaves the first code beginning with
    // the same digits, or the selection as it was.
    const int emiCode = image[kEmiCode];
    if (emiCode == 0)
        m_emiCode->setCurrentIndex(0);
    else
        SelectStartingWith(m_emiCode, QString::number(emiCode));
    viewCheck();
}

void AlarmView::checkTxTime()
{
    ValidateIntField(m_txTime, kTimeMin, kTimeMax, kTxDefault, 1);
}

void AlarmView::checkRxTime()
{
    ValidateIntField(m_rxTime, kTimeMin, kTimeMax, kRxDefault, 1);
}

void AlarmView::checkCycle()
{
    ValidateIntField(m_cycle, kCycleMin, kCycleMax, kCycleDefault, 1, true, tr("Continuous"));
}

void AlarmView::viewCheck()
{
    for (QComboBox* combo : findChildren<QComboBox*>())
        EnsureComboSelection(combo, m_fields->defaultIndex(combo));
    checkRxTime();
    checkTxTime();
}

void AlarmView::step(UpDown* arrows, int delta, bool continuousAtZero)
{
    QLineEdit* edit = arrows->buddy();
    const auto v = WrapStep(TextToInt(edit->text()), arrows->minimum(), arrows->maximum(), delta);
    edit->setText(continuousAtZero && v == 0 ? tr("Continuous") : QString::number(v));
}

void AlarmView::SaveToImage()
{
    using namespace AlarmMap;
    viewCheck();
    // A cycle count typed past 255 and not yet left would not fit its byte.
    const int cycle = TextToInt(m_cycle->text());
    if (cycle < kCycleMin || cycle > kCycleMax)
        checkCycle();

    auto change = document().change();

    RadioImage& image = change.image();
    m_fields->save(image);
    image[kEmiCode] = static_cast<std::uint8_t>(TextToInt(m_emiCode->currentText()));
    image[kTxTime] = static_cast<std::uint8_t>(TextToInt(m_txTime->text()));
    image[kRxTime] = static_cast<std::uint8_t>(TextToInt(m_rxTime->text()));
    image[kCycle] = static_cast<std::uint8_t>(TextToInt(m_cycle->text()));
}
