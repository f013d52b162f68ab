#pragma once

class QKeyEvent;

// Enter and Escape neither close nor reset a form: the form takes them itself.
bool FormSwallowsKey(const QKeyEvent* event);
