#include "shell/print_content.h"

#include "channels/vfo_dialog.h"
#include "controls/base_form_view.h"
#include "controls/print_form.h"
#include "document/document.h"
#include "radio/frequency_range_dialog.h"
#include "shell/view_catalog.h"

#include <memory>

namespace {
void PrintView(PrintSheet& sheet, ViewKind kind, Document& copy)
{
    const std::unique_ptr<BaseFormView> view(MakeProgramView(kind, copy));
    view->ensureInitialised();
    view->printTo(sheet);
}
} // namespace

PrintSheet BuildPrintSheet(const Document& document, PrintSections sections)
{
    Document copy;
    copy.copyFrom(document);
    PrintSheet sheet;
    const auto wanted = [sections, &sheet](PrintSection s) {
        if (!(sections & SectionBit(s)))
            return false;
        sheet.section(PrintSectionTitle(s));
        return true;
    };
    if (wanted(PrintSection::Channels))
        PrintView(sheet, ViewKind::ChannelTable, copy);
    if (wanted(PrintSection::ScanVfo)) {
        sheet.heading(ViewTitle(ViewKind::ScanChannel));
        {
            PrintSheet::Nested nested(sheet);
            PrintView(sheet, ViewKind::ScanChannel, copy);
        }
        VfoDialog vfo(copy);
        sheet.heading(vfo.windowTitle());
        PrintSheet::Nested nested(sheet);
        vfo.printTo(sheet);
    }
    if (wanted(PrintSection::Settings))
        PrintView(sheet, ViewKind::BasicSetting, copy);
    if (wanted(PrintSection::Dtmf))
        PrintView(sheet, ViewKind::Dtmf, copy);
    if (wanted(PrintSection::Alarm))
        PrintView(sheet, ViewKind::Alarm, copy);
    if (wanted(PrintSection::TwoTone))
        PrintView(sheet, ViewKind::TwoTone, copy);
    if (wanted(PrintSection::FiveTone))
        PrintView(sheet, ViewKind::FiveTone, copy);
    if (wanted(PrintSection::Model)) {
        PrintView(sheet, ViewKind::Model, copy);
        FrequencyRangeDialog plan(copy, QString());
        sheet.heading(plan.windowTitle());
        PrintGrid(sheet, plan.grid());
    }
    return sheet;
}
