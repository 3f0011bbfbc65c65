// The error message box with its single OK button, its text also written to the standard error stream.
#pragma once

#include <QString>

class QWidget;

namespace zeph {

// Shows `text` in a modal error box titled "Error" with one OK button and waits for it; the
// same text goes to standard error as "zepharin: <text>" (one line), so that a user who started
// the program from a terminal, or a script, sees why.
void ShowErrorBox(QWidget* parent, const QString& text);

// A reason written as a sentence of the box: capital first letter, full stop at the end.
QString AsSentence(QString reason);

}  // namespace zeph
