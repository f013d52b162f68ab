#include "signalling/two_tone_view.h"

#include "document/document.h"

#include "signalling/two_tone_contact_page.h"
#include "signalling/two_tone_system_page.h"

// The host has no face of its own; it answers to its first page's template.
TwoToneView::TwoToneView(Document& document, QWidget* parent)
    : TabHostView(TwoToneSystemPage::kTemplateId, document, parent)
{
}

void TwoToneView::createPages()
{
    addPage(new TwoToneSystemPage(document()), tr("System"));
    addPage(new TwoToneContactPage(document()), tr("Contact"));
}

int TwoToneView::helpContext() const
{
    const FormPage* p = page(currentPage());
    return p ? p->templateId() : TabHostView::helpContext();
}

TwoToneSystemPage* TwoToneView::systemPage() const
{
    return static_cast<TwoToneSystemPage*>(page(0));
}

TwoToneContactPage* TwoToneView::contactPage() const
{
    return static_cast<TwoToneContactPage*>(page(1));
}
