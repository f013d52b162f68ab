#pragma once

#include <QCoreApplication>

class Desktop;
class MainWindow;

// File > Import channels and Export channels: the channel list in CHIRP's
// CSV format.
class CsvCommands {
    Q_DECLARE_TR_FUNCTIONS(MainWindow) // the texts of the window's commands
public:
    CsvCommands(MainWindow& window, Desktop& desktop) : m_window(window), m_desktop(desktop) {}

    void importChannels();
    void exportChannels();

private:
    MainWindow& m_window;
    Desktop& m_desktop;
};
