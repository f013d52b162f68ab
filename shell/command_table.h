#pragma once

#include <QKeySequence>

#include <span>

class CMainFrame;

// One command of the main frame: its text, standard key, toolbar icon and
// what it runs. Menus, toolbar, tree and the help numbers come from here.
struct CommandSpec {
    int id;
    const char* text; // translated in the "CMainFrame" context
    QKeySequence::StandardKey key;
    const char* icon; // icon theme name; nullptr for none
    void (*run)(CMainFrame& frame);
};

std::span<const CommandSpec> Commands();
const CommandSpec* FindCommand(int id);

// The tree's labels under the model name, in order; a click compares the
// item's text with these.
struct TreeItem {
    const char* label; // translated in the "CMainFrame" context
    int command;
};

std::span<const TreeItem> TreeItems();
