#include "settings/basic_setting_view.h"

#include "settings/option_page.h"
#include "settings/setting_ids.h"
#include "settings/tot_key_pages.h"

CBasicSettingView::CBasicSettingView(QWidget* parent) : CTabHostView(BasicIds::kView, parent) {}

void CBasicSettingView::CreatePages()
{
    AddPage(new COptionPage, tr("Option"));
    AddPage(new CTotPage, tr("TOT"));
    AddPage(new CKeyPage, tr("Key"));
}

int CBasicSettingView::HelpContext() const
{
    const CFormPage* p = page(currentPage());
    return p ? p->templateId() : BasicIds::kNoPageHelp;
}
