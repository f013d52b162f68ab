#pragma once

#include "controls/tab_host_view.h"

// "Basic setting": the radio's general functions on three tabs, "Option",
// "TOT" and "Key".
class Document;
class BasicSettingView : public TabHostView {
    Q_OBJECT
public:
    explicit BasicSettingView(Document& document, QWidget* parent = nullptr);

    // The selected tab's topic; the view's own command when none is selected.
    int helpContext() const override;

protected:
    void createPages() override;
};
