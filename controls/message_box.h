#pragma once

#include <QMessageBox>
#include <QString>

// The program's message boxes: the icon that says what kind of message it
// is, and wide enough that the title bar shows the caption whole (a box
// sizes itself to its text, and a short text cut the caption to "...").
QMessageBox::StandardButton ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                        const QString& text, QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
// Widens a box built by hand to show its caption.
void FitCaption(QMessageBox& box);

// The caption of the program's own messages (the model name), for code that
// is handed no caption; set once at start-up.
const QString& MessageCaption();
void SetMessageCaption(const QString& caption);
