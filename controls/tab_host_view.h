#pragma once

#include "controls/base_form_view.h"
#include "controls/form_page.h"

#include <vector>

class QTabWidget;

// A view that holds pages under a tab control. Load and save act on the
// selected page only; leaving a tab saves it, entering one loads it.
class TabHostView : public BaseFormView {
    Q_OBJECT
public:
    TabHostView(int templateId, Document& document, QWidget* parent = nullptr);

    void LoadFromImage() override;
    void SaveToImage() override;
    void initialUpdate() override;
    // Every page under its tab's caption.
    void printTo(PrintSheet& sheet) override;

    int currentPage() const;
    FormPage* page(int index) const;
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    QTabWidget* tabs() const { return m_tabs; }

protected:
    // The host's pages, in tab order, with their captions; called by InitialUpdate.
    virtual void createPages() = 0;
    void addPage(FormPage* page, const QString& caption);

private:
    void onCurrentChanged(int index);

    QTabWidget* m_tabs;
    std::vector<FormPage*> m_pages;
    int m_shown = -1;
};
