// Each item runs the print dialog, the preview or the export dialog on a copy made at that moment.
#include "ui/widgets/HardCopyItems.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

#include "ui/widgets/HardCopyCommands.h"

namespace zeph {

namespace {

struct Item {
    const char* objectName;
    QString caption;
    std::function<void()> run;
};

std::vector<Item> Items(QWidget* window, const HardCopySource& source, const HardCopyCaptions& captions)
{
    return {{"printReport", captions.print, [window, source] { PrintHardCopy(window, source.copy()); }},
            {"previewReport", captions.preview, [window, source] { PreviewHardCopy(window, source.copy()); }},
            {"exportReport", captions.exportFile, [window, source] {
                 ExportHardCopy(window, source.copy(), source.suggestedName,
                                source.designFolder ? source.designFolder() : QString());
             }}};
}

}  // namespace

std::vector<QPushButton*> HardCopyButtons(QWidget* window, const HardCopySource& source, const HardCopyCaptions& captions)
{
    std::vector<QPushButton*> buttons;
    for (const Item& item : Items(window, source, captions)) {
        auto* button = new QPushButton(item.caption, window);
        button->setObjectName(item.objectName);
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, window, item.run);
        buttons.push_back(button);
    }
    return buttons;
}

std::vector<QAction*> HardCopyActions(QMenu* menu, QWidget* window, const HardCopySource& source,
                                      const HardCopyCaptions& captions)
{
    std::vector<QAction*> actions;
    for (const Item& item : Items(window, source, captions)) {
        QAction* action = menu->addAction(item.caption);
        action->setObjectName(item.objectName);
        QObject::connect(action, &QAction::triggered, window, item.run);
        actions.push_back(action);
    }
    return actions;
}

}  // namespace zeph
