#pragma once

#include <QKeySequence>

#include <span>

class MainWindow;

// One command of the main window: its text, standard key, toolbar icon and
// what it runs. Menus, toolbar, tree and the help numbers come from here.
struct CommandSpec {
    int id;
    const char* text; // translated in the "MainWindow" context
    QKeySequence::StandardKey key;
    const char* icon; // icon theme name; nullptr for none
    void (*run)(MainWindow& frame);
};

std::span<const CommandSpec> Commands();
const CommandSpec* FindCommand(int id);

// The tree's labels under the model name, in order; a click compares the
// item's text with these.
struct TreeItem {
    const char* label; // translated in the "MainWindow" context
    int command;
};

std::span<const TreeItem> TreeItems();
