// The about window: what the program is, its release and where to write, in eight fixed labels.
#pragma once

#include <QDialog>

namespace zeph {

// Labels "aboutLabel1".."aboutLabel8" and an "OK" button ("ok") that closes the window.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent);
};

}  // namespace zeph
