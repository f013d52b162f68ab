#pragma once

#include "controls/tab_host_view.h"

class Document;
class CT2ContactPage;
class CT2SystemPage;

// The two-tone signalling: the sixteen systems on tab "System" and the
// call table on tab "Contact".
class CT2View : public CTabHostView {
    Q_OBJECT
public:
    explicit CT2View(Document& document, QWidget* parent = nullptr);

    // Help follows the page shown.
    int helpContext() const override;

    CT2SystemPage* systemPage() const;
    CT2ContactPage* contactPage() const;

protected:
    void createPages() override;
};
