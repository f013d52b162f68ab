#include "settings/dtmf_view.h"

#include "settings/dtmf_code_page.h"
#include "settings/ptt_id_page.h"
#include "settings/setting_ids.h"

CDtmfView::CDtmfView(Document& document, QWidget* parent) : CTabHostView(DtmfIds::kView, document, parent) {}

void CDtmfView::createPages()
{
    addPage(new CDtmfCodePage(document()), tr("Code"));
    addPage(new CPttIdPage(document()), tr("PTTID"));
}
