// The about window's fixed texts.
#include "ui/help/AboutBox.h"

#include <QLabel>
#include <QPushButton>

#include "ui/widgets/DialogKit.h"

namespace zeph {

namespace {

constexpr const char* Lines[8] = {
    "ZEPHARIN Inside Admission",
    "Version 2.6",
    "Valve gear and inside-admission piston valve,",
    "animated, measured and plotted for designers.",
    "2.6: .dzg design files, help texts, installation.",
    "Written in C++20 with Qt 6 Widgets.",
    "Help: the Help menu's two instruction windows.",
    "Contact: the project's issue tracker.",
};

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    SetDialogFrame(this, QStringLiteral("About These Programs"), 340, 143);
    for (int i = 0; i < 8; ++i) {
        QLabel* label = AddLabel(this, QString::fromLatin1(Lines[i]), 10, 6 + 14 * i);
        label->setObjectName(QStringLiteral("aboutLabel%1").arg(i + 1));
        if (i == 0) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
            label->adjustSize();
        }
    }
    QPushButton* ok = AddButton(this, QStringLiteral("OK"), 280, 114, 52, 23);
    ok->setObjectName("ok");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace zeph
