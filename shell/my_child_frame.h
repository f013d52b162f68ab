#pragma once

#include <QMdiSubWindow>

class CBaseFormView;

// The frame of one editing view: the view above a bottom bar with "Close"
// and "Help". Closing stores the view's controls into the image first.
class CMyChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CMyChildFrame(CBaseFormView* view, QWidget* parent = nullptr);

    CBaseFormView* view() const { return m_view; }
    // Closed and waiting to be deleted: no longer the view's frame.
    bool closed() const { return m_closed; }

signals:
    void helpRequested(CBaseFormView* view);

protected:
    void closeEvent(QCloseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    CBaseFormView* m_view;
    bool m_closed = false;
};
