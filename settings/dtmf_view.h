#pragma once

#include "controls/tab_host_view.h"

class Document;

// "DTMF": the code page and the PTT ID page on two tabs.
class DtmfView : public TabHostView {
    Q_OBJECT
public:
    explicit DtmfView(Document& document, QWidget* parent = nullptr);

protected:
    void createPages() override;
};
