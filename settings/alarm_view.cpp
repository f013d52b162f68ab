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
} // namespace

AlarmView::AlarmView(Document& document, QWidget* parent) : BaseFormView(AlarmIds::kView, document, parent)
{
    using namespace AlarmIds;
    m_alarmType = MakeDropList(this, kAlarmType);
    m_emiCodeType = MakeDropList(this, kEmiCodeType);
    m_emiCode = MakeDropList(this, kEmiCode);
    m_remoteEmiAlarm = MakeDropList(this, kRemoteEmiAlarm);
    m_txTime = MakeNumberEdit(this, kTxTime, 3);
    m_rxTime = MakeNumberEdit(this, kRxTime, 3);
    m_cycle = MakeNumberEdit(this, kCycle, 3);
    m_txArrows = MakeUpDown(m_txTime, kTxTimeSpin, kTimeMin, kTimeMax);
    m_rxArrows = MakeUpDown(m_rxTime, kRxTimeSpin, kTimeMin, kTimeMax);
    m_cycleArrows = MakeUpDown(m_cycle, kCycleSpin, kCycleMin, kCycleMax);

    auto* grid = new QGridLayout(this);
    SetFormSpacing(grid);
    int row = 0;
    AddLabelled(grid, row++, 0, tr("Alarm type"), m_alarmType);
    AddLabelled(grid, row++, 0, tr("EMI code type"), m_emiCodeType);
    AddLabelled(grid, row++, 0, tr("EMI code"), m_emiCode);
    AddLabelled(grid, row++, 0, tr("Tx time (s)"), EditWithArrows(m_txTime, m_txArrows));
    AddLabelled(grid, row++, 0, tr("Rx time (s)"), EditWithArrows(m_rxTime, m_rxArrows));
    AddLabelled(grid, row++, 0, tr("Cycle"), EditWithArrows(m_cycle, m_cycleArrows));
    AddLabelled(grid, row++, 0, tr("Remote EMI alarm"), m_remoteEmiAlarm);
    KeepFieldWidths(grid);

    OnFocusLost(m_txTime, [this] { checkTxTime(); });
    OnFocusLost(m_rxTime, [this] { checkRxTime(); });
    OnFocusLost(m_cycle, [this] { checkCycle(); });
    connect(m_txArrows, &UpDown::deltaPos, this, [this](int d) { step(m_txArrows, d, false); });
    connect(m_rxArrows, &UpDown::deltaPos, this, [this](int d) { step(m_rxArrows, d, false); });
    connect(m_cycleArrows, &UpDown::deltaPos, this, [this](int d) { step(m_cycleArrows, d, true); });
}

AlarmView::~AlarmView()
{
    DropFocusHooks(this);
}

void AlarmView::initialUpdate()
{
    m_alarmType->clear();
    m_alarmType->addItems(ToStringList(AlarmLists::AlarmType));
    m_emiCodeType->clear();
    m_emiCodeType->addItems(ToStringList(AlarmLists::EmiCodeType));
    m_remoteEmiAlarm->clear();
    m_remoteEmiAlarm->addItems(ToStringList(OffOnList));
    // The codes present when the view opens; the list is not rebuilt later.
    m_emiCode->clear();
    m_emiCode->addItem(QStringLiteral("None"));
    m_emiCode->addItems(PresentDtmfCodeNumbers(document().image()));
    for (QLineEdit* edit : {m_txTime, m_rxTime, m_cycle})
        LimitTyping(edit, 3);
    m_txArrows->setRange(kTimeMin, kTimeMax);
    m_rxArrows->setRange(kTimeMin, kTimeMax);
    m_cycleArrows->setRange(kCycleMin, kCycleMax);
    LoadFromImage();
}

void AlarmView::LoadFromImage()
{
    using namespace AlarmMap;
    const RadioImage& image = document().image();
    SelectIndex(m_alarmType, image[kAlarmType]);
    SelectIndex(m_emiCodeType, static_cast<int>(ReadBits(image, kEmiCodeType)));
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
    SelectIndex(m_remoteEmiAlarm, static_cast<int>(ReadBits(image, kRemoteEmiAlarm)));
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
    for (QComboBox* combo : {m_alarmType, m_emiCode, m_emiCodeType, m_remoteEmiAlarm})
        EnsureComboSelection(combo, 0);
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
    image[kAlarmType] = static_cast<std::uint8_t>(SelectedIndexOrZero(m_alarmType));
    WriteBits(image, kEmiCodeType, SelectedIndexOrZero(m_emiCodeType));
    image[kEmiCode] = static_cast<std::uint8_t>(TextToInt(m_emiCode->currentText()));
    image[kTxTime] = static_cast<std::uint8_t>(TextToInt(m_txTime->text()));
    image[kRxTime] = static_cast<std::uint8_t>(TextToInt(m_rxTime->text()));
    image[kCycle] = static_cast<std::uint8_t>(TextToInt(m_cycle->text()));
    WriteBits(image, kRemoteEmiAlarm, SelectedIndexOrZero(m_remoteEmiAlarm));
}
