#pragma once

// Views for tests that open the main window: the program's own, with a plain
// stand-in for the channel table that every main window opens at start (its
// store pass would otherwise rewrite the channels under test).
#include "controls/base_form_view.h"
#include "shell/view_catalog.h"

class PlainTestView : public BaseFormView {
public:
    explicit PlainTestView(Document& document) : BaseFormView(1, document) {}
};

inline BaseFormView* MakeViewsWithPlainTable(ViewKind kind, Document& document)
{
    if (kind == ViewKind::ChannelTable)
        return new PlainTestView(document);
    return MakeProgramView(kind, document);
}
