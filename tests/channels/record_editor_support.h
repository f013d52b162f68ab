#pragma once

#include "tests/channels/band_plan_fixture.h"
#include "tests/support/test_document.h"

// Driving the record editors as a user would: typing into boxes, leaving
// them, picking list entries; and reading the record bytes back.
#include "channels/core/channel_record.h"
#include "codecs/bcd.h"
#include "document/band_table.h"
#include "document/radio_image.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

namespace editors {

using Record = std::array<std::uint8_t, ImageMap::kRecordSize>;

template <class T> T* Find(const QWidget* root, int id)
{
    return root->findChild<T*>(QString::number(id));
}

inline void Settle()
{
    QApplication::processEvents();
}

// Shown and active, so that focus changes reach the boxes.
inline bool ShowActive(QWidget* w)
{
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}

inline void Focus(QWidget* w)
{
    w->setFocus(Qt::OtherFocusReason);
    Settle();
}

// Replaces the box's text by typing, as a user would; the box keeps the focus.
inline void Type(QWidget* box, const QString& text)
{
    Focus(box);
    QLineEdit* edit = qobject_cast<QLineEdit*>(box);
    if (auto* combo = qobject_cast<QComboBox*>(box))
        edit = combo->lineEdit();
    edit->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    if (!text.isEmpty())
        QTest::keyClicks(box, text);
}

// Types into the box, then moves the focus on so that the box's leave rule runs.
inline void TypeAndLeave(QWidget* box, const QString& text, QWidget* next)
{
    Type(box, text);
    Focus(next);
}

inline QString Text(const QWidget* root, int id)
{
    if (auto* edit = Find<QLineEdit>(root, id))
        return edit->text();
    return Find<QComboBox>(root, id)->currentText();
}

inline QStringList Items(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// Picks an entry as the user would, so the list's change handlers run.
inline void Pick(const QWidget* root, int id, const QString& text)
{
    QComboBox* combo = Find<QComboBox>(root, id);
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    Settle();
}

inline Record Bytes(std::uint32_t offset)
{
    Record r{};
    std::copy_n(TestImage().begin() + offset, r.size(), r.begin());
    return r;
}

inline void Put(std::uint32_t offset, const Record& r)
{
    std::copy(r.begin(), r.end(), TestImage().begin() + offset);
}

// What WriteNewRecord makes of a receive frequency.
inline Record NewRecord(std::uint32_t rx)
{
    Record r{};
    WriteNewRecord(TestBands(), ChannelRecord(r.data()), rx);
    return r;
}

inline std::uint32_t FreqAt(std::uint32_t offset)
{
    return DecodeFreq(TestImage().data() + offset);
}

// A fully used record: every field set away from its default, in
// combinations the editors accept as they are, with reserved bytes marked.
// Receive 145 MHz, transmit + 5 MHz with direction "+".
inline Record BusyRecord()
{
    Record r = NewRecord(14500000);
    const ChannelRecord c(r.data());
    c.setTx(15000000);
    c.setOffset(500000);
    c.setCtcssTenths(885);
    c.setDcsCode(754);
    r[12] = 0xB5; // power "Middle 1", beat shift, reverse backup, display "Name", scan "Skip"
    r[13] = 0xB3; // "Narrow", scrambler, compander, no emphasis, SQL "Signaling & Tone"
    r[14] = 0xA9; // "+", reverse, step "25"
    r[15] = 0x6A; // "Decode Invert", busy "2 Tone", transmit stop, "Ctcss Codec"
    r[20] = 0x44; // "2 Tone", signalling decode 5
    r[21] = 4;    // "PTTID 4"
    c.setName(QStringLiteral("AB1"));
    r[22] = 0x12;
    r[23] = 0x34;
    r[30] = 0x56;
    r[31] = 0x78;
    return r;
}

// A blank radio and the factory plan.
inline void ResetImage()
{
    TestBands().resetToFactory();
    TestImage().fill(0xFF);
}

// With PROGRAMMER_GRAB_DIR set, a picture of the widget to look at.
inline void Grab(QWidget* w, const QString& name)
{
    const QString dir = qEnvironmentVariable("PROGRAMMER_GRAB_DIR");
    if (!dir.isEmpty())
        w->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

// Records compare as hex text, which reads well in a failure.
inline QByteArray Hex(const Record& r)
{
    return QByteArray(reinterpret_cast<const char*>(r.data()), static_cast<qsizetype>(r.size())).toHex(' ');
}

} // namespace editors
