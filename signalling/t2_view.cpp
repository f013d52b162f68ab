#include "signalling/t2_view.h"

#include "document/document.h"

#include "signalling/t2_contact_page.h"
#include "signalling/t2_system_page.h"

// The host has no face of its own; it answers to its first page's template.
CT2View::CT2View(Document& document, QWidget* parent) : CTabHostView(CT2SystemPage::kTemplateId, document, parent) {}

void CT2View::createPages()
{
    addPage(new CT2SystemPage(document()), tr("System"));
    addPage(new CT2ContactPage(document()), tr("Contact"));
}

int CT2View::helpContext() const
{
    const CFormPage* p = page(currentPage());
    return p ? p->templateId() : CTabHostView::helpContext();
}

CT2SystemPage* CT2View::systemPage() const
{
    return static_cast<CT2SystemPage*>(page(0));
}

CT2ContactPage* CT2View::contactPage() const
{
    return static_cast<CT2ContactPage*>(page(1));
}
