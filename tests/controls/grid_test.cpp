// Grid driven through its real table and headings, offscreen.
#include "controls/grid.h"
#include "controls/grid_model.h"
#include "tests/controls/grid_window.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include <memory>

class GridTest : public QObject {
    Q_OBJECT

private slots:
    void shapeKeepsTextsInside();
    void fixedCellsNeverBecomeCurrent();
    void textRoundTrip_data();
    void textRoundTrip();
    void twipsConversion_data();
    void twipsConversion();
    void pixelsTwipsRoundTrip();
    void layoutInTwips();
    void keyboardMoves_data();
    void keyboardMoves();
    void viewConsumesKeys();
    void cellRectIsVisualRect_data();
    void cellRectIsVisualRect();
    void clickMovesCurrentBeforeReporting();
    void headingClickReportsFixedCell();
    void redrawOffDefersNotification();
    void backgroundAndAlignment();
    void modelPassesTester();
};

void GridTest::shapeKeepsTextsInside()
{
    Grid grid;
    QCOMPARE(grid.rows(), 2);
    QCOMPARE(grid.cols(), 2);
    QCOMPARE(grid.fixedRows(), 1);
    QCOMPARE(grid.fixedCols(), 1);

    grid.setRows(801);
    grid.setCols(12);
    QCOMPARE(grid.model()->rowCount(), 800);
    QCOMPARE(grid.model()->columnCount(), 11);
    grid.setText(5, 5, QStringLiteral("x"));
    grid.setText(0, 11, QStringLiteral("Name"));
    grid.setRows(10);
    QCOMPARE(grid.text(5, 5), QStringLiteral("x"));
    QCOMPARE(grid.text(0, 11), QStringLiteral("Name"));
    grid.setRows(4);
    grid.setRows(10);
    QCOMPARE(grid.text(5, 5), QString()); // dropped with its row

    grid.setFixedRows(2);
    QCOMPARE(grid.model()->rowCount(), 8);
    QCOMPARE(grid.text(0, 11), QStringLiteral("Name"));
    grid.setFixedRows(50); // cannot exceed the rows
    QCOMPARE(grid.fixedRows(), 10);
    QCOMPARE(grid.row(), -1);
    QCOMPARE(grid.cellRect(), QRect());
}

void GridTest::fixedCellsNeverBecomeCurrent()
{
    GridWindow w(20, 5);
    QVERIFY(w.show());
    Grid& grid = *w.grid;
    QCOMPARE(grid.row(), 1);
    QCOMPARE(grid.col(), 1);

    grid.setCurrentCell(3, 2);
    grid.setCurrentCell(0, 2);
    grid.setCurrentCell(3, 0);
    grid.setRow(0);
    grid.setCol(0);
    grid.setCurrentCell(20, 2);
    QCOMPARE(grid.row(), 3);
    QCOMPARE(grid.col(), 2);

    grid.setCurrentCell(1, 1);
    QTest::keyClick(w.view(), Qt::Key_Up);
    QTest::keyClick(w.view(), Qt::Key_Left);
    QTest::keyClick(w.view(), Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(grid.row(), 1);
    QCOMPARE(grid.col(), 1);
}

void GridTest::textRoundTrip_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("redrawOff");

    const QString longText(300, QChar(u'9'));
    QTest::newRow("corner caption") << 0 << 0 << QStringLiteral("CH") << false;
    QTest::newRow("column caption") << 0 << 11 << QStringLiteral("Name") << false;
    QTest::newRow("row label") << 800 << 0 << QStringLiteral("800") << false;
    QTest::newRow("frequency") << 1 << 1 << QStringLiteral("145.52000") << false;
    QTest::newRow("spaces kept") << 7 << 11 << QStringLiteral(" A B  ") << false;
    QTest::newRow("tab and unicode") << 9 << 3 << QStringLiteral("a\tb \u00e4\u4e2d") << false;
    QTest::newRow("longer than the cell") << 800 << 11 << longText << false;
    QTest::newRow("while redraw off") << 400 << 6 << QStringLiteral("Positive") << true;
    QTest::newRow("caption while redraw off") << 0 << 4 << QStringLiteral("CTCSS") << true;
}

void GridTest::textRoundTrip()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, text);
    QFETCH(bool, redrawOff);

    Grid grid;
    grid.setShape(801, 12, 1, 1);
    grid.setRedraw(!redrawOff);
    grid.setText(row, col, text);
    QCOMPARE(grid.text(row, col), text);
    grid.setRedraw(true);
    QCOMPARE(grid.text(row, col), text);

    // What the table and its headings are given to show.
    const GridModel& m = *grid.model();
    if (row > 0 && col > 0)
        QCOMPARE(m.data(m.indexOf(row, col)).toString(), text);
    else if (row == 0 && col > 0)
        QCOMPARE(m.headerData(col - 1, Qt::Horizontal).toString(), text);
    else if (col == 0 && row > 0)
        QCOMPARE(m.headerData(row - 1, Qt::Vertical).toString(), text);

    grid.setText(row, col, QString());
    QCOMPARE(grid.text(row, col), QString());
}

void GridTest::twipsConversion_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("pixels");

    QTest::newRow("one inch") << 1440 << 96 << 96;
    QTest::newRow("row height") << 300 << 96 << 20;
    QTest::newRow("500 rounds down") << 500 << 96 << 33;
    QTest::newRow("1100 rounds down") << 1100 << 96 << 73;
    QTest::newRow("below half") << 7 << 96 << 0;
    QTest::newRow("above half") << 8 << 96 << 1;
    QTest::newRow("120 dpi") << 1500 << 120 << 125;
    QTest::newRow("144 dpi") << 1000 << 144 << 100;
    QTest::newRow("negative") << -300 << 96 << -20;
    QTest::newRow("zero") << 0 << 96 << 0;
}

void GridTest::twipsConversion()
{
    QFETCH(int, twips);
    QFETCH(int, dpi);
    QFETCH(int, pixels);
    QCOMPARE(TwipsToPixels(twips, dpi), pixels);
}

void GridTest::pixelsTwipsRoundTrip()
{
    for (int dpi : {72, 96, 110, 120, 144, 168, 192, 288})
        for (int px = -50; px <= 3000; ++px)
            QCOMPARE(TwipsToPixels(PixelsToTwips(px, dpi), dpi), px);
}

void GridTest::layoutInTwips()
{
    GridWindow w(10, 5);
    QVERIFY(w.show());
    Grid& grid = *w.grid;
    const int dx = grid.logicalDpiX();
    const int dy = grid.logicalDpiY();

    grid.setColWidth(0, 500);
    grid.setColWidth(2, 2400);
    grid.setColWidth(-1, 1000); // every column, the fixed one too
    grid.setColWidth(3, 1500);
    grid.setRowHeight(-1, 300);
    grid.setRowHeight(4, 600);
    grid.setRowHeight(0, 450);

    QCOMPARE(grid.colWidth(0), 1000);
    QCOMPARE(grid.colWidth(3), 1500);
    QCOMPARE(grid.rowHeight(4), 600);
    QCOMPARE(grid.rowHeight(5), 300);
    QTableView* view = w.view();
    QCOMPARE(view->verticalHeader()->width(), TwipsToPixels(1000, dx));
    QCOMPARE(view->horizontalHeader()->height(), TwipsToPixels(450, dy));
    QCOMPARE(view->columnWidth(1), TwipsToPixels(1000, dx)); // grid column 2
    QCOMPARE(view->columnWidth(2), TwipsToPixels(1500, dx));
    QCOMPARE(view->rowHeight(3), TwipsToPixels(600, dy)); // grid row 4
    QCOMPARE(view->rowHeight(4), TwipsToPixels(300, dy));

    // Growing the grid keeps the sizes and gives new rows the common height.
    grid.setRows(30);
    QCOMPARE(view->rowHeight(3), TwipsToPixels(600, dy));
    QCOMPARE(view->rowHeight(25), TwipsToPixels(300, dy));
    QCOMPARE(view->columnWidth(2), TwipsToPixels(1500, dx));
}

void GridTest::keyboardMoves_data()
{
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("toRow");
    QTest::addColumn<int>("toCol");

    // 5 x 4 grid: rows 1-4 and columns 1-3 can be current.
    QTest::newRow("right wraps to next row") << true << 1 << 3 << int(Qt::Key_Right) << 2 << 1;
    QTest::newRow("left wraps to previous row") << true << 2 << 1 << int(Qt::Key_Left) << 1 << 3;
    QTest::newRow("left on first row stays") << true << 1 << 1 << int(Qt::Key_Left) << 1 << 1;
    QTest::newRow("right on last row stays") << true << 4 << 3 << int(Qt::Key_Right) << 4 << 3;
    QTest::newRow("right inside a row") << true << 2 << 2 << int(Qt::Key_Right) << 2 << 3;
    QTest::newRow("down") << true << 2 << 2 << int(Qt::Key_Down) << 3 << 2;
    QTest::newRow("up stops below headings") << true << 1 << 2 << int(Qt::Key_Up) << 1 << 2;
    QTest::newRow("no wrap right") << false << 1 << 3 << int(Qt::Key_Right) << 1 << 3;
    QTest::newRow("no wrap left") << false << 2 << 1 << int(Qt::Key_Left) << 2 << 1;
}

void GridTest::keyboardMoves()
{
    QFETCH(bool, wrap);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, key);
    QFETCH(int, toRow);
    QFETCH(int, toCol);

    GridWindow w(5, 4);
    QVERIFY(w.show());
    w.grid->setWrapKeys(wrap);
    w.grid->setCurrentCell(row, col);
    QSignalSpy entered(w.grid, &Grid::cellEntered);
    QTest::keyClick(w.view(), static_cast<Qt::Key>(key));
    QCOMPARE(w.grid->row(), toRow);
    QCOMPARE(w.grid->col(), toCol);
    if (toRow != row || toCol != col) {
        QCOMPARE(entered.count(), 1);
        QCOMPARE(entered.at(0), (QList<QVariant>{toRow, toCol}));
    } else {
        QCOMPARE(entered.count(), 0);
    }
}

void GridTest::viewConsumesKeys()
{
    GridWindow w(5, 4);
    QVERIFY(w.show());
    w.grid->setWrapKeys(true);
    w.grid->setCurrentCell(1, 3);
    QList<int> seen;
    connect(w.grid, &Grid::keyDown, w.grid, [&seen](int key, Qt::KeyboardModifiers, bool* consumed) {
        seen << key;
        *consumed = key == Qt::Key_Right || key == Qt::Key_Return;
    });
    QTest::keyClick(w.view(), Qt::Key_Right);
    QCOMPARE(w.grid->col(), 3); // neither moved nor wrapped
    QTest::keyClick(w.view(), Qt::Key_Return);
    QTest::keyClick(w.view(), Qt::Key_Left);
    QCOMPARE(w.grid->col(), 2);
    QCOMPARE(seen, (QList<int>{Qt::Key_Right, Qt::Key_Return, Qt::Key_Left}));
}

void GridTest::cellRectIsVisualRect_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::newRow("first cell") << 1 << 1;
    QTest::newRow("inside") << 6 << 4;
    QTest::newRow("scrolled down and right") << 600 << 11;
}

void GridTest::cellRectIsVisualRect()
{
    QFETCH(int, row);
    QFETCH(int, col);
    GridWindow w(801, 12);
    w.grid->setColWidth(-1, 1100);
    w.grid->setColWidth(0, 500);
    w.grid->setRowHeight(-1, 300);
    QVERIFY(w.show());

    w.grid->setCurrentCell(row, col);
    QTableView* view = w.view();
    const QRect visual = view->visualRect(view->currentIndex());
    const QRect expected(view->viewport()->mapTo(w.grid, visual.topLeft()), visual.size());
    QCOMPARE(w.grid->cellPixelRect(), expected);
    // The current cell was scrolled into view, clear of the headings.
    QVERIFY(QRect(view->viewport()->mapTo(w.grid, QPoint()), view->viewport()->size()).contains(expected));

    const int dx = w.grid->logicalDpiX();
    const int dy = w.grid->logicalDpiY();
    const QRect twips = w.grid->cellRect();
    QCOMPARE(QRect(TwipsToPixels(twips.x(), dx), TwipsToPixels(twips.y(), dy), TwipsToPixels(twips.width(), dx),
                   TwipsToPixels(twips.height(), dy)),
             expected);
}

void GridTest::clickMovesCurrentBeforeReporting()
{
    GridWindow w(801, 12);
    QVERIFY(w.show());
    Grid& grid = *w.grid;
    QList<QList<int>> clicks; // row, col, current row, current col
    connect(&grid, &Grid::cellClicked, &grid, [&](int r, int c) {
        clicks << QList<int>{r, c, grid.row(), grid.col()};
    });
    QSignalSpy downs(&grid, &Grid::mouseDown);

    const QPoint centre = w.cellCentre(7, 4);
    QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(clicks, (QList<QList<int>>{{7, 4, 7, 4}}));
    QCOMPARE(downs.count(), 1);
    QCOMPARE(downs.at(0).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    const QPoint inGrid(downs.at(0).at(1).toInt(), downs.at(0).at(2).toInt());
    QVERIFY(grid.cellPixelRect().contains(inGrid));

    QTest::mouseClick(w.view()->viewport(), Qt::RightButton, {}, w.cellCentre(8, 2));
    QCOMPARE(downs.count(), 2);
    QCOMPARE(downs.at(1).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(clicks.size(), 1); // only the left button clicks cells
}

void GridTest::headingClickReportsFixedCell()
{
    GridWindow w(20, 6);
    QVERIFY(w.show());
    Grid& grid = *w.grid;
    grid.setCurrentCell(3, 3);
    QSignalSpy clicks(&grid, &Grid::cellClicked);
    QTableView* view = w.view();

    QHeaderView* captions = view->horizontalHeader();
    const QPoint onCaption(captions->sectionViewportPosition(3) + 5, captions->height() / 2);
    QTest::mouseClick(captions->viewport(), Qt::LeftButton, {}, onCaption);
    QHeaderView* labels = view->verticalHeader();
    const QPoint onLabel(labels->width() / 2, labels->sectionViewportPosition(4) + 3);
    QTest::mouseClick(labels->viewport(), Qt::LeftButton, {}, onLabel);

    QCOMPARE(clicks.count(), 2);
    QCOMPARE(clicks.at(0), (QList<QVariant>{0, 4}));
    QCOMPARE(clicks.at(1), (QList<QVariant>{5, 0}));
    QCOMPARE(grid.row(), 3);
    QCOMPARE(grid.col(), 3);
}

void GridTest::redrawOffDefersNotification()
{
    Grid grid;
    grid.setShape(801, 12, 1, 1);
    QSignalSpy cells(grid.model(), &QAbstractItemModel::dataChanged);
    QSignalSpy headings(grid.model(), &QAbstractItemModel::headerDataChanged);
    grid.setRedraw(false);
    for (int r = 1; r <= 800; ++r)
        for (int c = 0; c < 12; ++c)
            grid.setText(r, c, QString::number(r * 100 + c));
    QCOMPARE(cells.count(), 0);
    QCOMPARE(headings.count(), 0);
    grid.setRedraw(true);
    QCOMPARE(cells.count(), 1); // one change over the whole table
    QCOMPARE(cells.at(0).at(0).toModelIndex(), grid.model()->index(0, 0));
    QCOMPARE(cells.at(0).at(1).toModelIndex(), grid.model()->index(799, 10));
    QVERIFY(headings.count() >= 1);
    QCOMPARE(grid.text(800, 11), QStringLiteral("80011"));
    QCOMPARE(grid.model()->headerData(799, Qt::Vertical).toString(), QStringLiteral("80000"));

    grid.setText(3, 3, QStringLiteral("x")); // back to one change per cell
    QCOMPARE(cells.count(), 2);
}

void GridTest::backgroundAndAlignment()
{
    Grid grid;
    grid.setShape(17, 6, 1, 1);
    const QColor single = ColorFromColorRef(0xDBE9EC);
    QCOMPARE(single, QColor(236, 233, 219));

    grid.setCellBackground(3, 2, single);
    QCOMPARE(grid.cellBackground(3, 2), single);
    const GridModel& m = *grid.model();
    QCOMPARE(m.data(m.indexOf(3, 2), Qt::BackgroundRole).value<QBrush>().color(), single);
    QVERIFY(!m.data(m.indexOf(3, 3), Qt::BackgroundRole).isValid());
    grid.setCellBackground(3, 2, QColor());
    QVERIFY(!m.data(m.indexOf(3, 2), Qt::BackgroundRole).isValid());

    for (int c = 0; c < grid.cols(); ++c)
        QCOMPARE(grid.colAlignment(c), Qt::AlignCenter);
    grid.setColAlignment(5, Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(m.data(m.indexOf(2, 5), Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
    QCOMPARE(m.data(m.indexOf(2, 4), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
}

void GridTest::modelPassesTester()
{
    auto grid = std::make_unique<Grid>();
    QAbstractItemModelTester tester(grid->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    grid->setShape(801, 12, 1, 1);
    grid->setText(0, 3, QStringLiteral("Decode Type"));
    grid->setText(5, 0, QStringLiteral("5"));
    grid->setText(5, 5, QStringLiteral("023"));
    grid->setCellBackground(5, 2, ColorFromColorRef(0xDBE9EC));
    grid->setColAlignment(-1, Qt::AlignRight | Qt::AlignVCenter);
    grid->setRedraw(false);
    grid->setText(9, 9, QStringLiteral("High"));
    grid->setRedraw(true);
    grid->setFixedRows(0);
    grid->setFixedCols(2);
    grid->setRows(3);
    grid->setCols(0);
    grid->setShape(17, 4, 1, 1);
    QCOMPARE(grid->model()->rowCount(), 16);
}

QTEST_MAIN(GridTest)
#include "grid_test.moc"
