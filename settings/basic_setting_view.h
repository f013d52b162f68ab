#pragma once

#include "settings/base_form_view.h"

// "Basic setting": the radio's general functions on three tabs, "Option",
// "TOT" and "Key".
class CBasicSettingView : public CTabHostView {
    Q_OBJECT
public:
    explicit CBasicSettingView(QWidget* parent = nullptr);

    // The selected tab's topic; the view's own command when none is selected.
    int HelpContext() const override;

protected:
    void CreatePages() override;
};
