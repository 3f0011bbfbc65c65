// The main window: animation loop, control strip, menus and tool bar.
#include "main/MainForm.h"

namespace zeph {

TMainForm::TMainForm(MechanismModel& model, QWidget* parent) : QMainWindow(parent), m(model)
{
    m.StartUp();
    setWindowTitle("ZEPHARIN Inside Admission            ");
}

}  // namespace zeph
