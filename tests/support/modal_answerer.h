#pragma once

// Answers the modal windows a test makes the program open: message boxes are
// recorded and confirmed with the chosen button; any other modal window goes
// to onModal.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QVariant>

#include <functional>

class ModalAnswerer : public QObject {
public:
    std::function<void(QWidget*)> onModal;
    QStringList messages;
    QStringList captions;
    QList<QMessageBox::Icon> icons;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    // Windows of this class (and their subclasses) are left alone: the test drives them.
    std::function<bool(QWidget*)> ignore;

    ModalAnswerer()
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start();
    }

private:
    void poll()
    {
        QWidget* w = QApplication::activeModalWidget();
        // Windows come and go at the same address; a property marks the one answered.
        if (!w || (ignore && ignore(w)) || w->property("answered").toBool())
            return;
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            w->setProperty("answered", true);
            messages << box->text();
            captions << box->windowTitle();
            icons << box->icon();
            QAbstractButton* b = box->button(answer);
            if (!b)
                b = box->buttons().value(0);
            b->click();
            return;
        }
        if (onModal) {
            w->setProperty("answered", true);
            onModal(w);
        }
    }
    QTimer m_timer;
};
