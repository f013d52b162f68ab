#pragma once

// Driving the setting forms as a user would: controls are found by their ids.
#include "document/radio_image.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <vector>

template <class T> T* Control(const QWidget* root, int id)
{
    T* w = root->findChild<T*>(QString::number(id));
    if (!w)
        qFatal("control %d not found", id);
    return w;
}

// Shows a form as an active top-level window, so that it can take and lose the focus.
inline bool ShowActive(QWidget* w, QSize size)
{
    w->resize(size);
    w->show();
    QApplication::setActiveWindow(w);
    return QTest::qWaitForWindowActive(w);
}

// The user clicks into the edit and then somewhere else.
inline void Leave(QWidget* w)
{
    w->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    if (!w->hasFocus())
        qFatal("%s did not take the focus", qPrintable(w->objectName()));
    w->clearFocus();
    QApplication::processEvents();
}

// Replaces the edit's text by typing, then leaves it.
inline void TypeAndLeave(QLineEdit* edit, const QString& text)
{
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
    Leave(edit);
}

// Text after typing over the whole edit: shows how far typing goes.
inline QString TypeOver(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
    return edit->text();
}

// The user picks the item with this text from the list.
inline void Pick(QComboBox* combo, const QString& text)
{
    const int i = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i < 0)
        qFatal("no item %s", qPrintable(text));
    combo->setCurrentIndex(i);
    emit combo->activated(i);
}

// Offsets where two images differ, outside the given [first, last] ranges.
inline std::vector<std::uint32_t> ChangedOutside(const RadioImage& before, const RadioImage& after,
                                                 std::vector<std::pair<std::uint32_t, std::uint32_t>> owned)
{
    std::vector<std::uint32_t> changed;
    for (std::uint32_t i = 0; i < kImageSize; ++i) {
        const bool mine =
            std::any_of(owned.begin(), owned.end(), [i](auto r) { return i >= r.first && i <= r.second; });
        if (!mine && before[i] != after[i])
            changed.push_back(i);
    }
    return changed;
}

// With PROGRAMMER_SNAPSHOTS set, a form is saved as /tmp/<name>.png to look at its layout.
inline void SavePicture(QWidget* w, const QString& name)
{
    if (!qEnvironmentVariableIsSet("PROGRAMMER_SNAPSHOTS"))
        return;
    QApplication::processEvents(); // pending layouts first
    w->grab().save(QStringLiteral("/tmp/%1.png").arg(name));
}
