#include "shell/command_table.h"

#include "printing/print_controller.h"
#include "shell/commands.h"
#include "shell/csv_commands.h"
#include "shell/document_files.h"
#include "shell/edit_steps.h"
#include "shell/help.h"
#include "shell/main_window.h"
#include "shell/radio_transfers.h"
#include "shell/view_windows.h"

#include <QMdiArea>

#include <algorithm>

namespace {

constexpr auto kNoKey = QKeySequence::UnknownKey;
constexpr const char* kNoIcon = nullptr;

template <ViewKind kind> void Open(MainWindow& f)
{
    f.views().open(kind);
}

const CommandSpec kCommands[] = {
    {Cmd::FileNew, QT_TRANSLATE_NOOP("MainWindow", "&New"), QKeySequence::New, "document-new",
     [](MainWindow& f) { f.files().NewDocument(); }},
    {Cmd::FileOpen, QT_TRANSLATE_NOOP("MainWindow", "&Open..."), QKeySequence::Open, "document-open",
     [](MainWindow& f) { f.files().OpenDocument(); }},
    {Cmd::FileSave, QT_TRANSLATE_NOOP("MainWindow", "&Save"), QKeySequence::Save, "document-save",
     [](MainWindow& f) { f.files().SaveDocument(); }},
    {Cmd::FileSaveAs, QT_TRANSLATE_NOOP("MainWindow", "Save &As..."), QKeySequence::SaveAs, kNoIcon,
     [](MainWindow& f) { f.files().SaveDocumentAs(); }},
    {Cmd::ImportChannels, QT_TRANSLATE_NOOP("MainWindow", "&Import channels..."), kNoKey, kNoIcon,
     [](MainWindow& f) { f.csv().importChannels(); }},
    {Cmd::ExportChannels, QT_TRANSLATE_NOOP("MainWindow", "&Export channels..."), kNoKey, kNoIcon,
     [](MainWindow& f) { f.csv().exportChannels(); }},
    {Cmd::FilePrint, QT_TRANSLATE_NOOP("MainWindow", "&Print..."), QKeySequence::Print, "document-print",
     [](MainWindow& f) { f.printController().print(); }},
    {Cmd::FilePrintPreview, QT_TRANSLATE_NOOP("MainWindow", "Print Pre&view"), kNoKey, kNoIcon,
     [](MainWindow& f) { f.printController().printPreview(); }},
    {Cmd::ExportPdf, QT_TRANSLATE_NOOP("MainWindow", "Export P&DF..."), kNoKey, kNoIcon,
     [](MainWindow& f) { f.printController().exportPdf(); }},
    {Cmd::FilePrintSetup, QT_TRANSLATE_NOOP("MainWindow", "P&rint Setup..."), kNoKey, kNoIcon,
     [](MainWindow& f) { f.printController().printSetup(); }},
    {Cmd::AppExit, QT_TRANSLATE_NOOP("MainWindow", "E&xit"), QKeySequence::Quit, kNoIcon,
     [](MainWindow& f) { f.close(); }},
    {Cmd::EditUndo, QT_TRANSLATE_NOOP("MainWindow", "&Undo"), QKeySequence::Undo, "edit-undo",
     [](MainWindow& f) { f.steps().undo(); }},
    {Cmd::EditRedo, QT_TRANSLATE_NOOP("MainWindow", "&Redo"), kNoKey, "edit-redo",
     [](MainWindow& f) { f.steps().redo(); }},
    {Cmd::ChannelSetting, QT_TRANSLATE_NOOP("MainWindow", "Channel setting"), kNoKey, kNoIcon,
     Open<ViewKind::ChannelTable>},
    {Cmd::Vfo, QT_TRANSLATE_NOOP("MainWindow", "VFO"), kNoKey, kNoIcon, [](MainWindow& f) { f.editVfos(); }},
    {Cmd::ScanChannel, QT_TRANSLATE_NOOP("MainWindow", "Scan channel"), kNoKey, kNoIcon, Open<ViewKind::ScanChannel>},
    {Cmd::BasicSetting, QT_TRANSLATE_NOOP("MainWindow", "Basic setting"), kNoKey, kNoIcon,
     Open<ViewKind::BasicSetting>},
    {Cmd::Dtmf, QT_TRANSLATE_NOOP("MainWindow", "DTMF"), kNoKey, kNoIcon, Open<ViewKind::Dtmf>},
    {Cmd::TwoTone, QT_TRANSLATE_NOOP("MainWindow", "2Tone"), kNoKey, kNoIcon, Open<ViewKind::TwoTone>},
    {Cmd::FiveTone, QT_TRANSLATE_NOOP("MainWindow", "5Tone"), kNoKey, kNoIcon, Open<ViewKind::FiveTone>},
    {Cmd::Model, QT_TRANSLATE_NOOP("MainWindow", "Model"), kNoKey, kNoIcon, Open<ViewKind::Model>},
    {Cmd::FrequencyRange, QT_TRANSLATE_NOOP("MainWindow", "Frequency range"), kNoKey, kNoIcon,
     [](MainWindow& f) { f.editFrequencyRange(); }},
    {Cmd::CustomData, QT_TRANSLATE_NOOP("MainWindow", "Custom Data"), kNoKey, kNoIcon,
     [](MainWindow& f) { f.editCustomData(); }},
    {Cmd::Alarm, QT_TRANSLATE_NOOP("MainWindow", "Alarm"), kNoKey, kNoIcon, Open<ViewKind::Alarm>},
    {Cmd::Read, QT_TRANSLATE_NOOP("MainWindow", "Read"), kNoKey, "radio-read",
     [](MainWindow& f) { f.transfers().readFromRadio(); }},
    {Cmd::Write, QT_TRANSLATE_NOOP("MainWindow", "Write"), kNoKey, "radio-write",
     [](MainWindow& f) { f.transfers().writeToRadio(); }},
    // The switches are connected to what they show by the window itself.
    {Cmd::ViewToolbar, QT_TRANSLATE_NOOP("MainWindow", "&Toolbar"), kNoKey, kNoIcon, [](MainWindow&) {}},
    {Cmd::ViewStatusBar, QT_TRANSLATE_NOOP("MainWindow", "&Status Bar"), kNoKey, kNoIcon, [](MainWindow&) {}},
    {Cmd::TreeView, QT_TRANSLATE_NOOP("MainWindow", "Tree View"), kNoKey, kNoIcon, [](MainWindow&) {}},
    {Cmd::Port, QT_TRANSLATE_NOOP("MainWindow", "Port"), kNoKey, "serial-port", [](MainWindow& f) { f.choosePort(); }},
    {Cmd::KeepTransferLog, QT_TRANSLATE_NOOP("MainWindow", "Keep transfer log"), kNoKey, kNoIcon, [](MainWindow&) {}},
    {Cmd::WindowCascade, QT_TRANSLATE_NOOP("MainWindow", "&Cascade"), kNoKey, kNoIcon,
     [](MainWindow& f) { f.views().cascade(); }},
    {Cmd::WindowTile, QT_TRANSLATE_NOOP("MainWindow", "&Tile"), kNoKey, kNoIcon,
     [](MainWindow& f) { f.views().area()->tileSubWindows(); }},
    {Cmd::WindowArrange, QT_TRANSLATE_NOOP("MainWindow", "&Arrange Icons"), kNoKey, kNoIcon,
     [](MainWindow& f) { f.views().arrangeMinimised(); }},
    {Cmd::HelpTopics, QT_TRANSLATE_NOOP("MainWindow", "&Help Topics"), kNoKey, kNoIcon,
     [](MainWindow& f) { f.showHelp(kHelpContents); }},
    {Cmd::OpenTransferLog, QT_TRANSLATE_NOOP("MainWindow", "Open transfer log"), kNoKey, kNoIcon,
     [](MainWindow& f) { f.transfers().openTransferLog(); }},
    {Cmd::AppAbout, QT_TRANSLATE_NOOP("MainWindow", "&About..."), kNoKey, "help-about",
     [](MainWindow& f) { f.showAbout(); }},
};

const TreeItem kTreeItems[] = {
    {QT_TRANSLATE_NOOP("MainWindow", "Channel setting"), Cmd::ChannelSetting},
    {QT_TRANSLATE_NOOP("MainWindow", "VFO"), Cmd::Vfo},
    {QT_TRANSLATE_NOOP("MainWindow", "Scan channel"), Cmd::ScanChannel},
    {QT_TRANSLATE_NOOP("MainWindow", "Basic setting"), Cmd::BasicSetting},
    {QT_TRANSLATE_NOOP("MainWindow", "DTMF"), Cmd::Dtmf},
    {QT_TRANSLATE_NOOP("MainWindow", "2Tone"), Cmd::TwoTone},
    {QT_TRANSLATE_NOOP("MainWindow", "5Tone"), Cmd::FiveTone},
    {QT_TRANSLATE_NOOP("MainWindow", "Model"), Cmd::Model},
    {QT_TRANSLATE_NOOP("MainWindow", "Frequency range"), Cmd::FrequencyRange},
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
