#pragma once

#include "controls/tab_host_view.h"

class Document;
class TwoToneContactPage;
class TwoToneSystemPage;

// The two-tone signalling: the sixteen systems on tab "System" and the
// call table on tab "Contact".
class TwoToneView : public TabHostView {
    Q_OBJECT
public:
    explicit TwoToneView(Document& document, QWidget* parent = nullptr);

    // Help follows the page shown.
    int helpContext() const override;

    TwoToneSystemPage* systemPage() const;
    TwoToneContactPage* contactPage() const;

protected:
    void createPages() override;
};
