// A horizontal scroll bar whose arrow keys move the thumb the way they point.
#pragma once

#include <QScrollBar>

namespace zeph {

// A bar with the usual scroll-bar wheel and page behaviour, except that Left moves the thumb
// left (lower values) and Right moves it right: a plain horizontal scroll bar inverts them.
QScrollBar* MakeHorizontalBar(QWidget* parent);

}  // namespace zeph
