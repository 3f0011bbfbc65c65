// Small helpers that place labels, boxes and buttons at fixed pixel positions in a dialog.
#pragma once

#include <QDialog>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zeph {

QLabel* AddLabel(QWidget* parent, const QString& text, int x, int y);
QLineEdit* AddEdit(QWidget* parent, int x, int y, int w = 50, int h = 21);
QPushButton* AddButton(QWidget* parent, const QString& caption, int x, int y, int w = 52, int h = 21);
// A focus-out event that leaves a box for another control of its window; focus leaving the
// window as a whole (another window, a popup) does not leave the box.
bool LeavesBox(const QFocusEvent& e);
// Fixed client size, dialog border, no resize grip, the dialogs' font; the dialog is always
// shown modally.
void SetDialogFrame(QDialog* dialog, const QString& caption, int width, int height);

// The dialogs' font at a pixel height: "MS Sans Serif" of 11 pixels where it exists, else the
// closest sans-serif of about its width.
QFont DialogFont(int pixelSize = 11);

// Makes every label of a window as wide as its text and, where the text would run into the
// next control on its line or past the window's edge, draws it smaller until it fits.
void FitLabels(QWidget* window);

}  // namespace zeph
