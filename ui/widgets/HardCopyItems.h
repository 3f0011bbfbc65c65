// The three hard-copy commands of a window (print, preview, export) as buttons or menu items.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "platform/HardCopy.h"

class QAction;
class QMenu;
class QPushButton;
class QWidget;

namespace zeph {

// What the commands print: the copy made when one is chosen, the name an export offers and the
// folder of the design, where an export starts.
struct HardCopySource {
    std::function<HardCopy()> copy;
    QString suggestedName;
    std::function<QString()> designFolder;
};

// Captions with their access keys; a window whose own keys clash picks other letters.
struct HardCopyCaptions {
    QString print = QStringLiteral("&Print...");
    QString preview = QStringLiteral("Print Pre&view...");
    QString exportFile = QStringLiteral("Export PDF/SVG...");
};

// Buttons "printReport", "previewReport" and "exportReport" of `window`, in that order, each
// running its command on a copy made when it is pressed.
std::vector<QPushButton*> HardCopyButtons(QWidget* window, const HardCopySource& source,
                                          const HardCopyCaptions& captions = {});
// The same commands as items of `menu`, with the same object names.
std::vector<QAction*> HardCopyActions(QMenu* menu, QWidget* window, const HardCopySource& source,
                                      const HardCopyCaptions& captions = {});

}  // namespace zeph
