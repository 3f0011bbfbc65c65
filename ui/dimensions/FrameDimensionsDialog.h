// The frame dimensions dialog: the 27 frame and valve-gear dimensions, pointer buttons and frame reset.
#pragma once

#include "ui/dimensions/DimensionDialog.h"

namespace zeph {

class FrameDimensionsDialog : public DimensionDialog {
    Q_OBJECT
public:
    FrameDimensionsDialog(Session& session, QWidget* parent);

protected:
    void ResetDimensions(bool clearUndo) override;
};

}  // namespace zeph
