#pragma once

#include "settings/base_form_view.h"

class CT2ContactPage;
class CT2SystemPage;

// The two-tone signalling: the sixteen systems on tab "System" and the
// call table on tab "Contact".
class CT2View : public CTabHostView {
    Q_OBJECT
public:
    explicit CT2View(QWidget* parent = nullptr);

    // Help follows the page shown.
    int HelpContext() const override;

    CT2SystemPage* systemPage() const;
    CT2ContactPage* contactPage() const;

protected:
    void CreatePages() override;
};
