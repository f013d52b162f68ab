#pragma once

#include <QMdiSubWindow>

class BaseFormView;

// The frame of one editing view: the view above a bottom bar with "Close"
// and "Help". Closing stores the view's controls into the image first.
class ViewSubWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit ViewSubWindow(BaseFormView* view, QWidget* parent = nullptr);

    BaseFormView* view() const { return m_view; }
    // Closed and waiting to be deleted: no longer the view's frame.
    bool closed() const { return m_closed; }

signals:
    void helpRequested(BaseFormView* view);

protected:
    void closeEvent(QCloseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    BaseFormView* m_view;
    bool m_closed = false;
};
