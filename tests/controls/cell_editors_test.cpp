// The in-place editors: typed-character filters and the edit session.
#include "controls/cell_combo.h"
#include "controls/cell_drop_list.h"
#include "controls/cell_editor.h"
#include "controls/cell_line_edit.h"
#include "controls/char_input_filter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

enum class Filter { None, Freq, Name, Digit, Dtmf };

void Configure(CharInputFilter& filter, Filter which)
{
    switch (which) {
    case Filter::None: filter.acceptAll(); break;
    case Filter::Freq: filter.setAccepted(FreqCharFilter); break;
    case Filter::Name: filter.setAccepted(NameCharFilter); break;
    case Filter::Digit: filter.setAccepted(DigitCharFilter); break;
    case Filter::Dtmf: filter.setAccepted(DtmfCharFilter); break;
    }
}

// A shown parent, so that editors really show and hide.
struct Host {
    QWidget top;
    Host()
    {
        top.resize(300, 200);
        top.show();
    }
};

} // namespace

Q_DECLARE_METATYPE(Filter)

class CellEditorsTest : public QObject {
    Q_OBJECT

private slots:
    void typedCharacters_data();
    void typedCharacters();
    void refusedKeyKeepsSelection();
    void pastedTextIsFiltered();
    void programTextIsNotFiltered();
    void charCheckFollowsLiveState();
    void sessionCommitsOnce();
    void popupKeepsSessionOpen();
    void hideDropsTheEdit();
    void dropListSelectsExactText();
    void comboEnterCommitsTypedText();
};

void CellEditorsTest::typedCharacters_data()
{
    QTest::addColumn<Filter>("filter");
    QTest::addColumn<bool>("upper");
    QTest::addColumn<QString>("refused"); // by the extra check
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("frequency") << Filter::Freq << false << QString() << 9 << QStringLiteral("14a5.5x2 ")
                               << QStringLiteral("145.52");
    QTest::newRow("frequency length") << Filter::Freq << false << QString() << 9 << QStringLiteral("123.4567890")
                                      << QStringLiteral("123.45678");
    QTest::newRow("name") << Filter::Name << false << QString() << 6 << QStringLiteral("Ab c!+-/")
                          << QStringLiteral("Ab c+-");
    QTest::newRow("dtmf upper-cased") << Filter::Dtmf << true << QString() << 16 << QStringLiteral("12ab*#ef")
                                      << QStringLiteral("12AB*#");
    QTest::newRow("dtmf as typed") << Filter::Dtmf << false << QString() << 16 << QStringLiteral("12ab*C")
                                   << QStringLiteral("12*C");
    QTest::newRow("dtmf without delimiter")
        << Filter::Dtmf << true << QStringLiteral("#") << 16 << QStringLiteral("1#2*#a") << QStringLiteral("12*A");
    QTest::newRow("refusal judged upper-cased")
        << Filter::Dtmf << true << QStringLiteral("A") << 16 << QStringLiteral("aAb") << QStringLiteral("B");
    QTest::newRow("digits") << Filter::Digit << false << QString() << 3 << QStringLiteral("0x7z7")
                            << QStringLiteral("077");
    QTest::newRow("no filter") << Filter::None << false << QString() << 6 << QStringLiteral("a!b?c")
                               << QStringLiteral("a!b?c");
}

void CellEditorsTest::typedCharacters()
{
    QFETCH(Filter, filter);
    QFETCH(bool, upper);
    QFETCH(QString, refused);
    QFETCH(int, maxLength);
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    const auto check = [refused](QChar c) { return !refused.contains(c); };

    CellLineEdit edit;
    Configure(*edit.filter(), filter);
    edit.setUpperCase(upper);
    edit.setCharCheck(check);
    edit.setMaxLength(maxLength);
    QTest::keyClicks(&edit, typed);
    QCOMPARE(edit.text(), expected);

    CellCombo combo;
    Configure(*combo.filter(), filter);
    combo.setUpperCase(upper);
    combo.setCharCheck(check);
    combo.setMaxLength(maxLength);
    QTest::keyClicks(&combo, typed);
    QCOMPARE(combo.cellText(), expected);
}

void CellEditorsTest::refusedKeyKeepsSelection()
{
    CellLineEdit edit;
    edit.setCharFilter(FreqCharFilter);
    edit.setCellText(QStringLiteral("145.00000"));
    QTest::keyClicks(&edit, QStringLiteral("x"));
    QCOMPARE(edit.text(), QStringLiteral("145.00000"));
    QCOMPARE(edit.selectedText(), QStringLiteral("145.00000"));
    QTest::keyClicks(&edit, QStringLiteral("4"));
    QCOMPARE(edit.text(), QStringLiteral("4"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QString());
}

void CellEditorsTest::pastedTextIsFiltered()
{
    CellLineEdit edit;
    edit.setCharFilter(DtmfCharFilter);
    edit.setUpperCase(true);
    edit.setMaxLength(8);
    QGuiApplication::clipboard()->setText(QStringLiteral("1a-2 b#3"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.text(), QStringLiteral("1A2B#3"));

    // Paste from the context menu takes the same way.
    edit.setCursorPosition(2);
    QGuiApplication::clipboard()->setText(QStringLiteral("x*"));
    bool pasted = false;
    QTimer::singleShot(0, &edit, [&pasted] {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup)
            return;
        const QString shortcut = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        for (QAction* action : popup->actions())
            if (!pasted && action->text().endsWith(shortcut)) {
                action->trigger();
                pasted = true;
            }
        popup->close();
    });
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(2, 2), edit.mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(&edit, &menu);
    QVERIFY(pasted);
    QCOMPARE(edit.text(), QStringLiteral("1A*2B#3"));
    QCOMPARE(edit.cursorPosition(), 3);

    // Nothing left to paste leaves a selection alone.
    edit.selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("xyz"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.text(), QStringLiteral("1A*2B#3"));
}

void CellEditorsTest::programTextIsNotFiltered()
{
    CellLineEdit edit;
    edit.setCharFilter(DigitCharFilter);
    edit.setCellText(QStringLiteral("1.5 kHz"));
    QCOMPARE(edit.cellText(), QStringLiteral("1.5 kHz"));
    CellCombo combo;
    combo.setCharFilter(DigitCharFilter);
    combo.setCellText(QStringLiteral("abc"));
    QCOMPARE(combo.cellText(), QStringLiteral("abc"));
}

void CellEditorsTest::charCheckFollowsLiveState()
{
    QChar delimiter(u'#');
    CellLineEdit edit;
    edit.setCharFilter(DtmfCharFilter);
    edit.setCharCheck([&delimiter](QChar c) { return c != delimiter; });
    QTest::keyClicks(&edit, QStringLiteral("1#*"));
    delimiter = u'*';
    QTest::keyClicks(&edit, QStringLiteral("#*2"));
    QCOMPARE(edit.text(), QStringLiteral("1*#2"));
}

void CellEditorsTest::sessionCommitsOnce()
{
    Host host;
    auto* edit = new CellLineEdit(&host.top);
    QVERIFY(edit->isHidden()); // editors wait to be placed
    QSignalSpy committed(edit, &CellLineEdit::committed);
    QSignalSpy enter(edit, &CellLineEdit::enterPressed);

    edit->show();
    QVERIFY(edit->isEditing());
    edit->setCellText(QStringLiteral("DTMF01"));
    edit->commitEdit();
    edit->commitEdit();
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(edit, &out);
    QCOMPARE(committed.count(), 1);
    QCOMPARE(committed.at(0).at(0).toString(), QStringLiteral("DTMF01"));
    QCOMPARE(enter.count(), 0);
    QVERIFY(edit->isHidden());

    edit->show(); // a new session
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(committed.count(), 2);
    QCOMPARE(enter.count(), 1);
}

void CellEditorsTest::popupKeepsSessionOpen()
{
    Host host;
    auto* list = new CellDropList(&host.top);
    list->setItems(OptionList(ScanModeList));
    QSignalSpy committed(list, &CellDropList::committed);
    list->show();
    list->setCellText(QStringLiteral("Skip"));

    QFocusEvent toPopup(QEvent::FocusOut, Qt::PopupFocusReason);
    QCoreApplication::sendEvent(list, &toPopup);
    QCOMPARE(committed.count(), 0);
    QVERIFY(list->isEditing());

    QFocusEvent away(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(list, &away);
    QCOMPARE(committed.count(), 1);
    QCOMPARE(committed.at(0).at(0).toString(), QStringLiteral("Skip"));
}

void CellEditorsTest::hideDropsTheEdit()
{
    Host host;
    auto* combo = new CellCombo(&host.top);
    QSignalSpy committed(combo, &CellCombo::committed);
    combo->show();
    combo->setCellText(QStringLiteral("023"));
    combo->hide();
    combo->commitEdit();
    combo->show();
    combo->cancelEdit();
    combo->commitEdit();
    QCOMPARE(committed.count(), 0);
    QVERIFY(combo->isHidden());
}

void CellEditorsTest::dropListSelectsExactText()
{
    CellDropList list;
    list.setItems(OptionList(DecodeTypeList));
    QCOMPARE(list.count(), 4);
    QCOMPARE(list.cellText(), QString()); // nothing chosen yet
    list.setCellText(QStringLiteral("Ctcss Codec"));
    QCOMPARE(list.currentIndex(), 2);
    QCOMPARE(list.cellText(), QStringLiteral("Ctcss Codec"));
    list.setCellText(QStringLiteral("ctcss codec"));
    QCOMPARE(list.cellText(), QString());

    list.setItems(QStringList{QString(), QStringLiteral("None"), QStringLiteral("ANI")});
    list.setCellText(QString());
    QCOMPARE(list.currentIndex(), 0); // the empty item is an item
}

void CellEditorsTest::comboEnterCommitsTypedText()
{
    Host host;
    auto* combo = new CellCombo(&host.top);
    combo->setItems(OptionList(CtcssToneList));
    combo->setMaxLength(5);
    combo->setCharFilter(FreqCharFilter);
    QSignalSpy committed(combo, &CellCombo::committed);
    QSignalSpy enter(combo, &CellCombo::enterPressed);
    combo->show();
    combo->setCellText(QStringLiteral("100.0"));
    QTest::keyClicks(combo, QStringLiteral("6x7"));
    QTest::keyClick(combo, Qt::Key_Return);
    QCOMPARE(committed.count(), 1);
    QCOMPARE(committed.at(0).at(0).toString(), QStringLiteral("67")); // not completed to 67.0
    QCOMPARE(enter.count(), 1);
    QCOMPARE(combo->count(), int(CtcssToneList.size())); // nothing added to the list
}

QTEST_MAIN(CellEditorsTest)
#include "cell_editors_test.moc"
