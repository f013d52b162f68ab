#include "settings/dtmf_view.h"

#include "settings/dtmf_code_page.h"
#include "settings/ptt_id_page.h"
#include "settings/setting_ids.h"

DtmfView::DtmfView(Document& document, QWidget* parent) : TabHostView(DtmfIds::kView, document, parent) {}

void DtmfView::createPages()
{
    addPage(new DtmfCodePage(document()), tr("Code"));
    addPage(new PttIdPage(document()), tr("PTTID"));
}
