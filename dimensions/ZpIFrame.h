// The frame dimensions dialog: the 27 frame and valve-gear dimensions, pointer buttons and frame reset.
#pragma once

#include "dimensions/DimensionDialog.h"

namespace zeph {

class TFrameDi : public DimensionDialog {
    Q_OBJECT
public:
    TFrameDi(MechanismModel& model, TMainForm& mainForm);

    QPushButton* ResetFrame = nullptr;

public slots:
    // Mouse press on "ResetFrameDim": defaults, reverse-arm bar range, empty slots, boxes refilled.
    void ResetFrameMouseDown();
    // Its click: the same, and the undo store emptied. Also used by the main window's reset of
    // all dimensions; works while the dialog is hidden.
    void ResetFrameClick();

protected:
    void ExitWhiteRow(int row, float value) override;
    void ResetDimensions() override;

private:
    // Brings the diagram reverse-arm positions in use within the normal range around the centre.
    void ClampDiagramPositions();
    void SetRevArmBarRange();
};

}  // namespace zeph
