#include "shell/view_catalog.h"

#include "shell/core/edition.h"
#include "shell/commands.h"

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

std::array<ViewFactory, kViewKindCount>& Factories()
{
    static std::array<ViewFactory, kViewKindCount> f;
    return f;
}
} // namespace

const ViewKindInfo& ViewInfo(ViewKind kind) { return kViews[static_cast<std::size_t>(kind)]; }

QString ViewTitle(ViewKind kind) { return QCoreApplication::translate("View", ViewInfo(kind).title); }

QSize ViewSize(ViewKind kind)
{
    QSize s = ViewInfo(kind).size;
    if (kind == ViewKind::ChannelTable)
        s.setHeight(edition().channelTableHeight);
    return s;
}

void SetViewFactory(ViewKind kind, ViewFactory factory) { Factories()[static_cast<std::size_t>(kind)] = std::move(factory); }

const ViewFactory& GetViewFactory(ViewKind kind) { return Factories()[static_cast<std::size_t>(kind)]; }
