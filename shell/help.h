#pragma once

#include <QString>

class QWidget;

// The topic of the help's contents page; no view or dialog uses it.
inline constexpr int kHelpContents = 0;

// Opens the program's help at a topic by its context number: the CHM file
// where the system can show one, else the HTML page of that number in the
// program folder's help/ folder (help/zh/ for the Chinese edition), or the
// contents page when the topic has no page of its own.
void OpenHelpTopic(int context, QWidget* parent);
// The page that would be opened; empty when the program has no help at all.
QString HelpTopicPath(int context);
// The folder the pages are looked for in.
QString HelpFolder();
