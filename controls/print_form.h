#pragma once

struct PrintSheet;
class Grid;
class QWidget;

// A form's controls as printout entries, in the order of its layouts: a
// label with the control that follows it as one item (a drop-down list's
// chosen text, an edit's text), a check box as its text with On or Off, a
// group box or a tab page as a heading over its controls, a grid as a table
// of its rows that hold anything. Controls hidden on purpose, buttons and
// tab bars are left out; a label without a control prints as a line.
void PrintForm(PrintSheet& sheet, const QWidget* root);
// The grid's last fixed row as headings, then each row that has text beyond
// its fixed columns; columns of no width are left out.
void PrintGrid(PrintSheet& sheet, const Grid* grid);
// A form that shows one record of many as a table row: its items' values as
// the cells, preceded by their labels as the headings when withHead.
void PrintFormRow(PrintSheet& sheet, const QWidget* root, bool withHead);
