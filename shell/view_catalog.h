#pragma once

#include <QSize>
#include <QString>

#include <functional>

class CBaseFormView;

// The kinds of editing view the main frame opens, each at most once.
enum class ViewKind { ChannelTable, ScanChannel, BasicSetting, Dtmf, TwoTone, FiveTone, Model, Alarm };
inline constexpr int kViewKindCount = 8;

using ViewFactory = std::function<CBaseFormView*()>;

struct ViewKindInfo {
    int commandId;   // the command that opens it
    const char* title; // window title, translated when shown
    QSize size;      // outer size of its frame
};

const ViewKindInfo& ViewInfo(ViewKind kind);
// The window title, translated.
QString ViewTitle(ViewKind kind);
// The outer size for this edition.
QSize ViewSize(ViewKind kind);

// Views register how they are made; a kind without a factory cannot be opened yet.
void SetViewFactory(ViewKind kind, ViewFactory factory);
const ViewFactory& GetViewFactory(ViewKind kind);
// Registers the views this program has.
void RegisterProgramViews();
