// The cylinder dimensions dialog: the 17 cylinder and valve dimensions, pointer buttons and cylinder reset.
#pragma once

#include "ui/dimensions/DimensionDialog.h"

namespace zeph {

class CylinderDimensionsDialog : public DimensionDialog {
    Q_OBJECT
public:
    CylinderDimensionsDialog(Session& session, QWidget* parent);

protected:
    void ResetDimensions(bool clearUndo) override;
};

}  // namespace zeph
