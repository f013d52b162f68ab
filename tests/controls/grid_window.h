// A shown window holding a grid and one other control to take the focus away.
#pragma once

#include "controls/grid.h"
#include "controls/grid_model.h"

#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>

struct GridWindow {
    QWidget top;
    Grid* grid;
    QLineEdit* other;

    GridWindow(int rows, int cols)
    {
        auto* layout = new QVBoxLayout(&top);
        grid = new Grid;
        other = new QLineEdit;
        layout->addWidget(grid);
        layout->addWidget(other);
        grid->setShape(rows, cols, 1, 1);
        top.resize(640, 420);
    }
    bool show()
    {
        top.show();
        top.activateWindow();
        return QTest::qWaitForWindowActive(&top);
    }
    QTableView* view() const { return grid->findChild<QTableView*>(); }
    // Centre of a cell in the table's viewport, after scrolling it into view.
    QPoint cellCentre(int row, int col) const
    {
        const QModelIndex index = grid->model()->indexOf(row, col);
        view()->scrollTo(index);
        return view()->visualRect(index).center();
    }
};
