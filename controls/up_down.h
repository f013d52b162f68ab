#pragma once

#include <QWidget>

class QLineEdit;
class QTimer;
class QToolButton;

// The up-down arrows beside a buddy edit box. It holds a range and, like the
// platform's up-down control, reports each press as a position change with a
// delta; the view rewrites the buddy's text (SpinIntField and friends). Up
// and Down keys in the buddy press the arrows too. Holding an arrow repeats;
// an acceleration table can make the delta grow the longer it is held.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QLineEdit* buddy, QWidget* parent = nullptr);

    void setRange(int min, int max);
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    QLineEdit* buddy() const { return m_buddy; }
    // Delta of one press; `accelerated` replaces it after the arrow has been
    // held for `afterMs` (0: never).
    void setStep(int step, int accelerated = 0, int afterMs = 0);

    // As one press of an arrow: +1 up, -1 down.
    void press(int direction);

signals:
    // A press: the delta, signed.
    void deltaPos(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startHold(int direction);
    void stopHold();

    QLineEdit* m_buddy;
    QToolButton* m_up;
    QToolButton* m_down;
    QTimer* m_repeat;
    int m_min = 0;
    int m_max = 100;
    int m_step = 1;
    int m_accelerated = 0;
    int m_afterMs = 0;
    int m_heldDirection = 0;
    qint64 m_heldSince = 0;
};
