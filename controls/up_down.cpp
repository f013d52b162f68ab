#include "controls/up_down.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

UpDown::UpDown(QLineEdit* buddy, QWidget* parent) : QWidget(parent), m_buddy(buddy)
{
    m_up = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_up->setObjectName(QStringLiteral("up"));
    m_down = new QToolButton(this);
    m_down->setArrowType(Qt::DownArrow);
    m_down->setObjectName(QStringLiteral("down"));
    for (QToolButton* b : {m_up, m_down}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(16, 11);
        b->setAutoRaise(false);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);

    m_repeat = new QTimer(this);
    m_repeat->setInterval(100);
    connect(m_repeat, &QTimer::timeout, this, [this] {
        if (m_heldDirection != 0)
            press(m_heldDirection);
    });
    connect(m_up, &QToolButton::pressed, this, [this] { startHold(1); });
    connect(m_down, &QToolButton::pressed, this, [this] { startHold(-1); });
    connect(m_up, &QToolButton::released, this, &UpDown::stopHold);
    connect(m_down, &QToolButton::released, this, &UpDown::stopHold);
    if (m_buddy)
        m_buddy->installEventFilter(this);
}

void UpDown::setRange(int min, int max)
{
    m_min = min;
    m_max = max;
}

void UpDown::setStep(int step, int accelerated, int afterMs)
{
    m_step = step;
    m_accelerated = accelerated;
    m_afterMs = afterMs;
}

void UpDown::press(int direction)
{
    int step = m_step;
    if (m_accelerated != 0 && m_afterMs > 0 && m_heldDirection != 0 &&
        QDateTime::currentMSecsSinceEpoch() - m_heldSince >= m_afterMs)
        step = m_accelerated;
    emit deltaPos(direction * step);
}

void UpDown::startHold(int direction)
{
    m_heldDirection = direction;
    m_heldSince = QDateTime::currentMSecsSinceEpoch();
    press(direction);
    m_repeat->start(400); // first repeat after a pause, then faster
    m_repeat->setInterval(100);
}

void UpDown::stopHold()
{
    m_heldDirection = 0;
    m_repeat->stop();
}

bool UpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_buddy && event->type() == QEvent::KeyPress && isEnabled()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            press(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
