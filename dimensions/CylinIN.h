// The cylinder dimensions dialog: the 17 cylinder and valve dimensions, pointer buttons and cylinder reset.
#pragma once

#include "dimensions/DimensionDialog.h"

namespace zeph {

class TCylDimen : public DimensionDialog {
    Q_OBJECT
public:
    TCylDimen(MechanismModel& model, TMainForm& mainForm);

    QPushButton* Reset1 = nullptr;

public slots:
    // Mouse press on "ResetCylDim": defaults, empty slots, boxes refilled.
    void ResetMouseDown();
    // Its click: the same, and the undo store emptied. Also used by the main window's reset of
    // all dimensions; works while the dialog is hidden.
    void ResetCylClick();

protected:
    void ResetDimensions() override;
};

}  // namespace zeph
