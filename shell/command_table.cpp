#include "shell/command_table.h"

#include "printing/print_controller.h"
#include "shell/commands.h"
#include "shell/help.h"
#include "shell/main_frame.h"

#include <QMdiArea>

#include <algorithm>

namespace {

constexpr auto kNoKey = QKeySequence::UnknownKey;
constexpr const char* kNoIcon = nullptr;

template <ViewKind kind> void Open(CMainFrame& f)
{
    f.openView(kind);
}

const CommandSpec kCommands[] = {
    {Cmd::FileNew, QT_TRANSLATE_NOOP("CMainFrame", "&New"), QKeySequence::New, "document-new",
     [](CMainFrame& f) { f.NewDocument(); }},
    {Cmd::FileOpen, QT_TRANSLATE_NOOP("CMainFrame", "&Open..."), QKeySequence::Open, "document-open",
     [](CMainFrame& f) { f.OpenDocument(); }},
    {Cmd::FileSave, QT_TRANSLATE_NOOP("CMainFrame", "&Save"), QKeySequence::Save, "document-save",
     [](CMainFrame& f) { f.SaveDocument(); }},
    {Cmd::FileSaveAs, QT_TRANSLATE_NOOP("CMainFrame", "Save &As..."), QKeySequence::SaveAs, kNoIcon,
     [](CMainFrame& f) { f.SaveDocumentAs(); }},
    {Cmd::ImportChannels, QT_TRANSLATE_NOOP("CMainFrame", "&Import channels..."), kNoKey, kNoIcon,
     [](CMainFrame& f) { f.importChannels(); }},
    {Cmd::ExportChannels, QT_TRANSLATE_NOOP("CMainFrame", "&Export channels..."), kNoKey, kNoIcon,
     [](CMainFrame& f) { f.exportChannels(); }},
    {Cmd::FilePrint, QT_TRANSLATE_NOOP("CMainFrame", "&Print..."), QKeySequence::Print, "document-print",
     [](CMainFrame& f) { f.printController().print(); }},
    {Cmd::FilePrintPreview, QT_TRANSLATE_NOOP("CMainFrame", "Print Pre&view"), kNoKey, kNoIcon,
     [](CMainFrame& f) { f.printController().printPreview(); }},
    {Cmd::ExportPdf, QT_TRANSLATE_NOOP("CMainFrame", "Export P&DF..."), kNoKey, kNoIcon,
     [](CMainFrame& f) { f.printController().exportPdf(); }},
    {Cmd::FilePrintSetup, QT_TRANSLATE_NOOP("CMainFrame", "P&rint Setup..."), kNoKey, kNoIcon,
     [](CMainFrame& f) { f.printController().printSetup(); }},
    {Cmd::AppExit, QT_TRANSLATE_NOOP("CMainFrame", "E&xit"), QKeySequence::Quit, kNoIcon,
     [](CMainFrame& f) { f.close(); }},
    {Cmd::EditUndo, QT_TRANSLATE_NOOP("CMainFrame", "&Undo"), QKeySequence::Undo, "edit-undo",
     [](CMainFrame& f) { f.undo(); }},
    {Cmd::EditRedo, QT_TRANSLATE_NOOP("CMainFrame", "&Redo"), kNoKey, "edit-redo", [](CMainFrame& f) { f.redo(); }},
    {Cmd::ChannelSetting, QT_TRANSLATE_NOOP("CMainFrame", "Channel setting"), kNoKey, kNoIcon,
     Open<ViewKind::ChannelTable>},
    {Cmd::Vfo, QT_TRANSLATE_NOOP("CMainFrame", "VFO"), kNoKey, kNoIcon, [](CMainFrame& f) { f.editVfos(); }},
    {Cmd::ScanChannel, QT_TRANSLATE_NOOP("CMainFrame", "Scan channel"), kNoKey, kNoIcon, Open<ViewKind::ScanChannel>},
    {Cmd::BasicSetting, QT_TRANSLATE_NOOP("CMainFrame", "Basic setting"), kNoKey, kNoIcon,
     Open<ViewKind::BasicSetting>},
    {Cmd::Dtmf, QT_TRANSLATE_NOOP("CMainFrame", "DTMF"), kNoKey, kNoIcon, Open<ViewKind::Dtmf>},
    {Cmd::TwoTone, QT_TRANSLATE_NOOP("CMainFrame", "2Tone"), kNoKey, kNoIcon, Open<ViewKind::TwoTone>},
    {Cmd::FiveTone, QT_TRANSLATE_NOOP("CMainFrame", "5Tone"), kNoKey, kNoIcon, Open<ViewKind::FiveTone>},
    {Cmd::Model, QT_TRANSLATE_NOOP("CMainFrame", "Model"), kNoKey, kNoIcon, Open<ViewKind::Model>},
    {Cmd::FrequencyRange, QT_TRANSLATE_NOOP("CMainFrame", "Frequency range"), kNoKey, kNoIcon,
     [](CMainFrame& f) { f.editFrequencyRange(); }},
    {Cmd::CustomData, QT_TRANSLATE_NOOP("CMainFrame", "Custom Data"), kNoKey, kNoIcon,
     [](CMainFrame& f) { f.editCustomData(); }},
    {Cmd::Alarm, QT_TRANSLATE_NOOP("CMainFrame", "Alarm"), kNoKey, kNoIcon, Open<ViewKind::Alarm>},
    {Cmd::Read, QT_TRANSLATE_NOOP("CMainFrame", "Read"), kNoKey, "radio-read",
     [](CMainFrame& f) { f.readFromRadio(); }},
    {Cmd::Write, QT_TRANSLATE_NOOP("CMainFrame", "Write"), kNoKey, "radio-write",
     [](CMainFrame& f) { f.writeToRadio(); }},
    // The switches are connected to what they show by the frame itself.
    {Cmd::ViewToolbar, QT_TRANSLATE_NOOP("CMainFrame", "&Toolbar"), kNoKey, kNoIcon, [](CMainFrame&) {}},
    {Cmd::ViewStatusBar, QT_TRANSLATE_NOOP("CMainFrame", "&Status Bar"), kNoKey, kNoIcon, [](CMainFrame&) {}},
    {Cmd::TreeView, QT_TRANSLATE_NOOP("CMainFrame", "Tree View"), kNoKey, kNoIcon, [](CMainFrame&) {}},
    {Cmd::Port, QT_TRANSLATE_NOOP("CMainFrame", "Port"), kNoKey, "serial-port", [](CMainFrame& f) { f.choosePort(); }},
    {Cmd::KeepTransferLog, QT_TRANSLATE_NOOP("CMainFrame", "Keep transfer log"), kNoKey, kNoIcon, [](CMainFrame&) {}},
    {Cmd::WindowCascade, QT_TRANSLATE_NOOP("CMainFrame", "&Cascade"), kNoKey, kNoIcon,
     [](CMainFrame& f) { f.cascadeViews(); }},
    {Cmd::WindowTile, QT_TRANSLATE_NOOP("CMainFrame", "&Tile"), kNoKey, kNoIcon,
     [](CMainFrame& f) { f.mdiArea()->tileSubWindows(); }},
    {Cmd::WindowArrange, QT_TRANSLATE_NOOP("CMainFrame", "&Arrange Icons"), kNoKey, kNoIcon,
     [](CMainFrame& f) { f.arrangeMinimisedViews(); }},
    {Cmd::HelpTopics, QT_TRANSLATE_NOOP("CMainFrame", "&Help Topics"), kNoKey, kNoIcon,
     [](CMainFrame& f) { f.showHelp(kHelpContents); }},
    {Cmd::OpenTransferLog, QT_TRANSLATE_NOOP("CMainFrame", "Open transfer log"), kNoKey, kNoIcon,
     [](CMainFrame& f) { f.openTransferLog(); }},
    {Cmd::AppAbout, QT_TRANSLATE_NOOP("CMainFrame", "&About..."), kNoKey, "help-about",
     [](CMainFrame& f) { f.showAbout(); }},
};

const TreeItem kTreeItems[] = {
    {QT_TRANSLATE_NOOP("CMainFrame", "Channel setting"), Cmd::ChannelSetting},
    {QT_TRANSLATE_NOOP("CMainFrame", "VFO"), Cmd::Vfo},
    {QT_TRANSLATE_NOOP("CMainFrame", "Scan channel"), Cmd::ScanChannel},
    {QT_TRANSLATE_NOOP("CMainFrame", "Basic setting"), Cmd::BasicSetting},
    {QT_TRANSLATE_NOOP("CMainFrame", "DTMF"), Cmd::Dtmf},
    {QT_TRANSLATE_NOOP("CMainFrame", "2Tone"), Cmd::TwoTone},
    {QT_TRANSLATE_NOOP("CMainFrame", "5Tone"), Cmd::FiveTone},
    {QT_TRANSLATE_NOOP("CMainFrame", "Model"), Cmd::Model},
    {QT_TRANSLATE_NOOP("CMainFrame", "Frequency range"), Cmd::FrequencyRange},
};

} // namespace

std::span<const CommandSpec> Commands()
{
    return kCommands;
}

const CommandSpec* FindCommand(int id)
{
    const auto it =
        std::find_if(std::begin(kCommands), std::end(kCommands), [id](const CommandSpec& c) { return c.id == id; });
    return it == std::end(kCommands) ? nullptr : &*it;
}

std::span<const TreeItem> TreeItems()
{
    return kTreeItems;
}
