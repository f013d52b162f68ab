#pragma once

#include <QString>

// What tells the two language editions apart besides their translations.
struct Edition {
    QString builtInModelName; // before Program.ini is read
    QString builtInDefaultFile;
    QString freqPaneText;   // status bar "Freq" pane
    int channelTableHeight; // outer height of the channel table window
    bool chinese;
};

Edition EnglishEdition();
Edition ChineseEdition();

// Chosen once by each program's main(); the English edition until then.
const Edition& edition();
void setEdition(const Edition& e);
