#pragma once

#include <QWidget>

#include <vector>

class QTabWidget;

// Every editing view: it fills its controls from the image (LoadFromImage)
// and writes them back (SaveToImage); between the two the controls alone hold
// the values. The main frame calls both as views open, activate, deactivate
// and close, and around New, Open, Save, Read and Write.
class CBaseFormView : public QWidget {
    Q_OBJECT
public:
    explicit CBaseFormView(int templateId, QWidget* parent = nullptr);

    virtual void LoadFromImage() {}
    virtual void SaveToImage() {}

    // Runs once, when the view is first shown in its frame: the view builds
    // its lists and limits, then loads itself. The default just loads.
    virtual void InitialUpdate() { LoadFromImage(); }
    bool initialised() const { return m_initialised; }
    // The frame calls this; it runs InitialUpdate the first time only.
    void EnsureInitialised();

    int templateId() const { return m_templateId; }
    // The help topic F1 and the frame's Help button open.
    virtual int HelpContext() const { return m_templateId; }

signals:
    void helpRequested(int context);

protected:
    // Enter and Escape neither close nor reset a view; F1 asks for its help.
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_templateId;
    bool m_initialised = false;
};

// One page of a tab host: the same two operations over the page's own controls.
class CFormPage : public QWidget {
    Q_OBJECT
public:
    explicit CFormPage(int templateId, QWidget* parent = nullptr);

    virtual void LoadFromImage() {}
    virtual void SaveToImage() {}
    // The page's start: fill lists, set limits, then load. Runs once, when the host creates the page.
    virtual void PageStart() { LoadFromImage(); }

    int templateId() const { return m_templateId; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_templateId;
};

// A view that holds pages under a tab control. Load and save act on the
// selected page only; leaving a tab saves it, entering one loads it.
class CTabHostView : public CBaseFormView {
    Q_OBJECT
public:
    explicit CTabHostView(int templateId, QWidget* parent = nullptr);

    void LoadFromImage() override;
    void SaveToImage() override;
    void InitialUpdate() override;

    int currentPage() const;
    CFormPage* page(int index) const;
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    QTabWidget* tabs() const { return m_tabs; }

protected:
    // The host's pages, in tab order, with their captions; called by InitialUpdate.
    virtual void CreatePages() = 0;
    void AddPage(CFormPage* page, const QString& caption);

private:
    void onCurrentChanged(int index);

    QTabWidget* m_tabs;
    std::vector<CFormPage*> m_pages;
    int m_shown = -1;
};
