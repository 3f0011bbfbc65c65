// The cylinder dimensions dialog: the 17 cylinder and valve dimensions, pointer buttons and cylinder reset.
#include "ui/dimensions/CylinderDimensionsDialog.h"

#include "ui/session/Session.h"

namespace zeph {

namespace {

struct CylRowPlace {
    QPoint labelAt;
    QPoint label2At;
    QPoint boxAt;
    int buttonY, buttonHeight;
};

// Left column (rows 1..10) and right column (rows 11..17); a two-line row's box stands on its
// second line and its small button spans both.
const CylRowPlace kRows[CylDimCount] = {
    {{10, 0}, {}, {146, 0}, 0, 13},           {{10, 13}, {}, {146, 13}, 13, 13},
    {{10, 26}, {}, {146, 26}, 26, 13},        {{10, 39}, {}, {146, 39}, 39, 13},
    {{10, 52}, {}, {146, 52}, 52, 13},        {{10, 65}, {81, 78}, {146, 78}, 65, 26},
    {{10, 91}, {}, {146, 91}, 91, 13},        {{10, 104}, {}, {146, 104}, 104, 13},
    {{10, 117}, {}, {146, 117}, 117, 13},     {{10, 130}, {}, {146, 130}, 130, 13},
    {{204, 0}, {}, {342, 0}, 0, 13},          {{204, 13}, {}, {342, 13}, 13, 13},
    {{225, 26}, {}, {342, 26}, 26, 13},       {{204, 39}, {259, 52}, {342, 52}, 39, 26},
    {{204, 65}, {228, 78}, {342, 78}, 65, 26}, {{225, 91}, {}, {342, 91}, 91, 13},
    {{204, 104}, {264, 117}, {342, 117}, 104, 26},
};

DimDialogLayout CylLayout()
{
    DimDialogLayout layout;
    layout.caption = "Cylinder Dimensions";
    layout.selectHint = "To Select Dynamic Variable, ClickDimension in GrayArea";
    layout.codeBase = CylCodeBase;
    for (const CylRowPlace& p : kRows) {
        const int buttonX = p.boxAt.x() < 200 ? 0 : 194;
        layout.rows.push_back({p.labelAt, p.label2At, p.boxAt, QRect(buttonX, p.buttonY, 8, p.buttonHeight)});
    }
    layout.resetCaption = "ResetCylDim";
    layout.resetAt = {288, 168};
    layout.closeAt = {288, 192};
    layout.editsBeforeButtons = CylDimCount;
    return layout;
}

}  // namespace

CylinderDimensionsDialog::CylinderDimensionsDialog(Session& session, QWidget* parent)
    : DimensionDialog(session, parent, CylLayout())
{
}

void CylinderDimensionsDialog::ResetDimensions(bool clearUndo)
{
    session_.Dimensions().ResetCylinderDimensions(clearUndo);
}

}  // namespace zeph
