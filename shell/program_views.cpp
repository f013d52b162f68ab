// The editing views this program has; each registers how it is made.
#include "shell/view_catalog.h"

// Five-tone and two-tone views.
#include "signalling/t2_view.h"
#include "signalling/t5_view.h"

// Basic setting, DTMF and alarm views.
#include "settings/alarm_view.h"
#include "settings/basic_setting_view.h"
#include "settings/dtmf_view.h"

// Model information view, custom data dialog and printing.
#include "link/custom_data_dialog.h"
#include "link/model_view.h"
#include "printing/print_controller.h"
#include "shell/commands.h"
#include "shell/main_frame.h"

// Scan channel view and VFO dialog.
#include "channels/scan_channel_view.h"
#include "channels/vfo_dialog.h"

// Channel table view and frequency range dialog.
#include "channels/channel_table_view.h"
#include "link/frequency_range_dialog.h"

void RegisterProgramViews()
{
    // Channel table view and frequency range dialog.
    SetViewFactory(ViewKind::ChannelTable, [] { return new CProgramView; });
    CMainFrame::SetCommandHandler(Cmd::FrequencyRange, RunFrequencyRangeCommand);
    // Scan channel view and VFO dialog.
    SetViewFactory(ViewKind::ScanChannel, [] { return new CScanChView; });
    CMainFrame::SetCommandHandler(Cmd::Vfo, [](CMainFrame& f) {
        CVfoDialog dlg(&f);
        dlg.exec();
    });
    // Five-tone and two-tone views.
    SetViewFactory(ViewKind::FiveTone, [] { return new CT5View; });
    SetViewFactory(ViewKind::TwoTone, [] { return new CT2View; });
    // Basic setting, DTMF and alarm views.
    SetViewFactory(ViewKind::BasicSetting, [] { return new CBasicSettingView; });
    SetViewFactory(ViewKind::Dtmf, [] { return new CDtmfView; });
    SetViewFactory(ViewKind::Alarm, [] { return new CAlarmView; });
    // Model information view, custom data dialog and printing.
    SetViewFactory(ViewKind::Model, [] { return new CModelView; });
    CMainFrame::SetCommandHandler(Cmd::CustomData, [](CMainFrame& f) {
        CCustomDataDialog dlg(&f);
        dlg.exec();
    });
    RegisterPrintCommands();
}
