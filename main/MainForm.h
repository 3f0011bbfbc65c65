// The main window: animation loop, control strip, menus and tool bar.
#pragma once

#include <QMainWindow>

#include "model/MechanismModel.h"

namespace zeph {

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(MechanismModel& model, QWidget* parent = nullptr);

private:
    MechanismModel& m;
};

}  // namespace zeph
