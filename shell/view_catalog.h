#pragma once

#include <QSize>
#include <QString>

#include <functional>

class BaseFormView;
class Document;

// The kinds of editing view the main window opens, each at most once.
enum class ViewKind { ChannelTable, ScanChannel, BasicSetting, Dtmf, TwoTone, FiveTone, Model, Alarm };
inline constexpr int kViewKindCount = 8;

// Makes the view of a kind over a document; the main window takes one.
using ViewFactory = std::function<BaseFormView*(ViewKind, Document&)>;

struct ViewKindInfo {
    int commandId;     // the command that opens it
    const char* title; // window title, translated when shown
    QSize size;        // outer size of its frame
};

const ViewKindInfo& ViewInfo(ViewKind kind);
// The window title, translated.
QString ViewTitle(ViewKind kind);
// The outer size for this edition.
QSize ViewSize(ViewKind kind);

// The program's own view of each kind.
BaseFormView* MakeProgramView(ViewKind kind, Document& document);
