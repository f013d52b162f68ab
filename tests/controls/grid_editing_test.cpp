// Editors placed over Grid's cells: placement, commits on focus loss, Enter,
// focusing the grid, hiding and scrolling.
#include "controls/cell_combo.h"
#include "controls/cell_drop_list.h"
#include "controls/cell_editor.h"
#include "controls/cell_line_edit.h"
#include "controls/char_input_filter.h"
#include "tests/controls/grid_window.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

class GridEditingTest : public QObject {
    Q_OBJECT

private slots:
    void editorCommitsOnceOnFocusLoss();
    void clickOnOtherCellCommitsToEditedCell();
    void enterCommitsAndHandsFocusBack();
    void focusGridCommitsHideEditorsDiscards();
    void scrollingCommitsAndHides();
    void leavingTheWindowCommitsAndComesBackToGrid();
};

void GridEditingTest::editorCommitsOnceOnFocusLoss()
{
    GridWindow w(20, 6);
    QVERIFY(w.show());
    Grid& grid = *w.grid;
    grid.setText(2, 3, QStringLiteral("145.00000"));
    grid.setCurrentCell(2, 3);
    auto* editor = new CellLineEdit(&grid);
    QSignalSpy committed(editor, &CellLineEdit::committed);

    editor->setCellText(grid.text(2, 3));
    grid.placeEditor(editor);
    QVERIFY(editor->isVisible());
    QVERIFY(editor->hasFocus());
    QCOMPARE(grid.openEditor(), editor);
    QCOMPARE(editor->geometry(), grid.cellPixelRect().adjusted(0, 0, 1, 1));
    QCOMPARE(grid.editorRow(), 2);
    QCOMPARE(grid.editorCol(), 3);

    QTest::keyClicks(editor, QStringLiteral("146.5"));
    w.other->setFocus();
    QCOMPARE(committed.count(), 1);
    QCOMPARE(committed.at(0).at(0).toString(), QStringLiteral("146.5"));
    QVERIFY(editor->isHidden());
    QCOMPARE(grid.openEditor(), nullptr);

    grid.focusGrid();
    w.other->setFocus();
    grid.focusGrid();
    QCOMPARE(committed.count(), 1);
}

void GridEditingTest::clickOnOtherCellCommitsToEditedCell()
{
    GridWindow w(20, 6);
    QVERIFY(w.show());
    Grid& grid = *w.grid;
    grid.setCurrentCell(2, 3);
    auto* editor = new CellLineEdit(&grid);
    QList<QList<int>> commits; // edited row and col, current row and col
    connect(editor, &CellLineEdit::committed, &grid, [&](const QString&) {
        commits << QList<int>{grid.editorRow(), grid.editorCol(), grid.row(), grid.col()};
    });
    grid.placeEditor(editor);
    QTest::keyClicks(editor, QStringLiteral("12"));

    QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, w.cellCentre(5, 1));
    QCOMPARE(commits, (QList<QList<int>>{{2, 3, 2, 3}})); // committed before the move
    QCOMPARE(grid.row(), 5);
    QCOMPARE(grid.col(), 1);
    QVERIFY(w.view()->hasFocus());
}

void GridEditingTest::enterCommitsAndHandsFocusBack()
{
    GridWindow w(20, 6);
    QVERIFY(w.show());
    Grid& grid = *w.grid;
    grid.setCurrentCell(4, 2);
    auto* editor = new CellLineEdit(&grid);
    QStringList events;
    connect(editor, &CellLineEdit::committed, &grid,
            [&](const QString& t) { events << QStringLiteral("committed ") + t; });
    connect(editor, &CellLineEdit::enterPressed, &grid, [&] {
        events << QStringLiteral("enter");
        // What a view does next: move on and edit the next cell.
        grid.setCol(grid.col() + 1);
        editor->setCellText(QString());
        grid.placeEditor(editor);
    });
    grid.placeEditor(editor);
    QTest::keyClicks(editor, QStringLiteral("abc"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(events, (QStringList{QStringLiteral("committed abc"), QStringLiteral("enter")}));
    QVERIFY(editor->isVisible());
    QCOMPARE(grid.editorCol(), 3);

    // The second session ends by Enter without a follow-up.
    disconnect(editor, &CellLineEdit::enterPressed, &grid, nullptr);
    QTest::keyClicks(editor, QStringLiteral("d"));
    QTest::keyClick(editor, Qt::Key_Enter);
    QCOMPARE(events.size(), 3);
    QCOMPARE(events.last(), QStringLiteral("committed d"));
    QVERIFY(editor->isHidden());
    QVERIFY(w.view()->hasFocus());
}

void GridEditingTest::focusGridCommitsHideEditorsDiscards()
{
    GridWindow w(20, 6);
    QVERIFY(w.show());
    Grid& grid = *w.grid;
    auto* edit = new CellLineEdit(&grid);
    auto* list = new CellDropList(&grid);
    list->setItems(QStringList{QStringLiteral("Two"), QStringLiteral("Single")});
    QSignalSpy editCommits(edit, &CellLineEdit::committed);
    QSignalSpy listCommits(list, &CellDropList::committed);

    grid.placeEditor(edit);
    QTest::keyClicks(edit, QStringLiteral("7"));
    grid.focusGrid();
    QCOMPARE(editCommits.count(), 1);
    QVERIFY(edit->isHidden());
    QVERIFY(w.view()->hasFocus());

    // Placing another editor commits the open one first.
    grid.placeEditor(edit);
    list->setCellText(QStringLiteral("Single"));
    grid.placeEditor(list);
    QCOMPARE(editCommits.count(), 2);
    QVERIFY(list->hasFocus());

    grid.hideEditors();
    QVERIFY(list->isHidden());
    QVERIFY(w.view()->hasFocus());
    w.other->setFocus();
    QCOMPARE(listCommits.count(), 0);
}

void GridEditingTest::scrollingCommitsAndHides()
{
    GridWindow w(801, 12);
    QVERIFY(w.show());
    Grid& grid = *w.grid;
    grid.setCurrentCell(2, 3);
    auto* editor = new CellCombo(&grid);
    QSignalSpy committed(editor, &CellCombo::committed);
    QSignalSpy scrolled(&grid, &Grid::scrolled);
    grid.placeEditor(editor);
    QTest::keyClicks(editor, QStringLiteral("88.5"));

    w.view()->verticalScrollBar()->setValue(100);
    QCOMPARE(committed.count(), 1);
    QCOMPARE(committed.at(0).at(0).toString(), QStringLiteral("88.5"));
    QVERIFY(editor->isHidden());
    QVERIFY(w.view()->hasFocus());
    QVERIFY(scrolled.count() >= 1);

    w.view()->horizontalScrollBar()->setValue(3);
    QCOMPARE(committed.count(), 1);
}

void GridEditingTest::leavingTheWindowCommitsAndComesBackToGrid()
{
    GridWindow w(20, 6);
    QVERIFY(w.show());
    auto* editor = new CellLineEdit(w.grid);
    QSignalSpy committed(editor, &CellLineEdit::committed);
    w.grid->placeEditor(editor);
    QTest::keyClicks(editor, QStringLiteral("5"));

    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    QCOMPARE(committed.count(), 1);
    QVERIFY(editor->isHidden());

    w.top.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.top));
    QVERIFY(w.view()->hasFocus());
}

QTEST_MAIN(GridEditingTest)
#include "grid_editing_test.moc"
