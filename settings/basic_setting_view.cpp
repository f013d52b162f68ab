#include "settings/basic_setting_view.h"

#include "document/document.h"

#include "settings/key_page.h"
#include "settings/option_page.h"
#include "settings/setting_ids.h"
#include "settings/tot_page.h"

BasicSettingView::BasicSettingView(Document& document, QWidget* parent) : TabHostView(BasicIds::kView, document, parent)
{
}

void BasicSettingView::createPages()
{
    addPage(new OptionPage(document()), tr("Option"));
    addPage(new TotPage(document()), tr("TOT"));
    addPage(new KeyPage(document()), tr("Key"));
}

int BasicSettingView::helpContext() const
{
    const FormPage* p = page(currentPage());
    return p ? p->templateId() : BasicIds::kNoPageHelp;
}
