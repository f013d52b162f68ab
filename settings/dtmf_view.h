#pragma once

#include "controls/tab_host_view.h"

class Document;

// "DTMF": the code page and the PTT ID page on two tabs.
class CDtmfView : public CTabHostView {
    Q_OBJECT
public:
    explicit CDtmfView(Document& document, QWidget* parent = nullptr);

protected:
    void createPages() override;
};
