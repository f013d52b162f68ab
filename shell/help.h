#pragma once

#include <QString>

class QWidget;

// Opens the program's help at a topic by its context number: the CHM file
// where the system can show one, else the HTML page of that number in the
// program folder's help/ folder (its index when the topic has no page).
void OpenHelpTopic(int context, QWidget* parent);
// The page that would be opened; empty when the program has no help at all.
QString HelpTopicPath(int context);
