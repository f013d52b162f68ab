#include "shell/view_catalog.h"

#include "channels/channel_table_view.h"
#include "channels/scan_channel_view.h"
#include "radio/model_data_view.h"
#include "settings/alarm_view.h"
#include "settings/basic_setting_view.h"
#include "settings/dtmf_view.h"
#include "shell/commands.h"
#include "shell/core/edition.h"
#include "signalling/five_tone_view.h"
#include "signalling/two_tone_view.h"

#include <QCoreApplication>

#include <array>

namespace {
constexpr std::array<ViewKindInfo, kViewKindCount> kViews = {{
    {Cmd::ChannelSetting, QT_TRANSLATE_NOOP("View", "Channel setting"), {860, 620}},
    {Cmd::ScanChannel, QT_TRANSLATE_NOOP("View", "Scan channel"), {720, 580}},
    {Cmd::BasicSetting, QT_TRANSLATE_NOOP("View", "Basic setting"), {620, 580}},
    {Cmd::Dtmf, QT_TRANSLATE_NOOP("View", "DTMF"), {730, 550}},
    {Cmd::TwoTone, QT_TRANSLATE_NOOP("View", "2Tone"), {670, 630}},
    {Cmd::FiveTone, QT_TRANSLATE_NOOP("View", "5Tone"), {830, 650}},
    {Cmd::Model, QT_TRANSLATE_NOOP("View", "Modle"), {360, 360}},
    {Cmd::Alarm, QT_TRANSLATE_NOOP("View", "Alarm"), {490, 535}},
}};
} // namespace

const ViewKindInfo& ViewInfo(ViewKind kind)
{
    return kViews[static_cast<std::size_t>(kind)];
}

QString ViewTitle(ViewKind kind)
{
    return QCoreApplication::translate("View", ViewInfo(kind).title);
}

QSize ViewSize(ViewKind kind)
{
    QSize s = ViewInfo(kind).size;
    if (kind == ViewKind::ChannelTable)
        s.setHeight(edition().channelTableHeight);
    return s;
}

BaseFormView* MakeProgramView(ViewKind kind, Document& document)
{
    switch (kind) {
    case ViewKind::ChannelTable: return new ChannelTableView(document);
    case ViewKind::ScanChannel: return new ScanChannelView(document);
    case ViewKind::BasicSetting: return new BasicSettingView(document);
    case ViewKind::Dtmf: return new DtmfView(document);
    case ViewKind::TwoTone: return new TwoToneView(document);
    case ViewKind::FiveTone: return new FiveToneView(document);
    case ViewKind::Model: return new ModelDataView(document);
    case ViewKind::Alarm: return new AlarmView(document);
    }
    return nullptr;
}
