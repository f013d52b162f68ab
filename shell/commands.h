#pragma once

// Command identifiers of the main window; also the help context numbers.
namespace Cmd {
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int AppExit = 57665;
inline constexpr int FileMru1 = 57616; // to FileMru1 + 3
inline constexpr int EditUndo = 57643;
inline constexpr int EditRedo = 57644;
inline constexpr int ImportChannels = 32807;
inline constexpr int ExportChannels = 32808;
inline constexpr int ExportPdf = 32809;
inline constexpr int ChannelSetting = 32778;
inline constexpr int Vfo = 32793;
inline constexpr int ScanChannel = 32795;
inline constexpr int BasicSetting = 32789;
inline constexpr int Dtmf = 32784;
inline constexpr int TwoTone = 32785;
inline constexpr int FiveTone = 32786;
inline constexpr int Model = 32775;
inline constexpr int FrequencyRange = 32791;
inline constexpr int CustomData = 32796;
inline constexpr int Alarm = 32782;
inline constexpr int Read = 32774;
inline constexpr int Write = 32773;
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;
inline constexpr int TreeView = 32771;
inline constexpr int Port = 32772;
inline constexpr int WindowArrange = 57649;
inline constexpr int WindowCascade = 57650;
inline constexpr int WindowTile = 57651;
inline constexpr int AppAbout = 57664;
inline constexpr int HelpTopics = 57667; // the help's contents page
inline constexpr int KeepTransferLog = 32810;
inline constexpr int OpenTransferLog = 32811;
} // namespace Cmd
