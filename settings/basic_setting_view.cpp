#include "settings/basic_setting_view.h"

#include "document/document.h"

#include "settings/option_page.h"
#include "settings/setting_ids.h"
#include "settings/tot_key_pages.h"

CBasicSettingView::CBasicSettingView(Document& document, QWidget* parent)
    : CTabHostView(BasicIds::kView, document, parent)
{
}

void CBasicSettingView::createPages()
{
    addPage(new COptionPage(document()), tr("Option"));
    addPage(new CTotPage(document()), tr("TOT"));
    addPage(new CKeyPage(document()), tr("Key"));
}

int CBasicSettingView::helpContext() const
{
    const CFormPage* p = page(currentPage());
    return p ? p->templateId() : BasicIds::kNoPageHelp;
}
