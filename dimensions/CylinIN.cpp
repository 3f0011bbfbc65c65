// The cylinder dimensions dialog: the 17 cylinder and valve dimensions, pointer buttons and cylinder reset.
#include "dimensions/CylinIN.h"

namespace zeph {

namespace {

// Ditto marks under the words of the row above, then "Front".
const char* const kFrontDitto = "\"             \"             Front";

struct CylRowPlace {
    const char* label;
    QPoint labelAt;
    const char* label2;
    QPoint label2At;
    const char* shortName;
    QPoint boxAt;
    int buttonY, buttonHeight;
};

// Left column (rows 1..10) and right column (rows 11..17); a two-line row's box stands on its
// second line and its small button spans both.
const CylRowPlace kRows[CylDimCount] = {
    {"Cylinder ctr to Driver ctr", {10, 0}, "", {}, "Cyl ctr to Driver ctr", {146, 0}, 0, 13},
    {"Cylinder CL above Driver", {10, 13}, "", {}, "Cyl CL above Driver ctr", {146, 13}, 13, 13},
    {"Cylinder Bore         Diameter", {10, 26}, "", {}, "Cylinder Bore Dia", {146, 26}, 26, 13},
    {"Cylinder Bore            Length", {10, 39}, "", {}, "Cylinder Bore Length", {146, 39}, 39, 13},
    {"Cylinder Steam Port    Width", {10, 52}, "", {}, "Cyl Steam Port Width", {146, 52}, 52, 13},
    {"Piston ctr to Crosshead ctr", {10, 65}, "(Piston Rod)", {81, 78}, "Piston ctr to Crosshead", {146, 78}, 65,
     26},
    {"Piston                         Width", {10, 91}, "", {}, "Piston Width", {146, 91}, 91, 13},
    {"Valve CL to Cylinder CL", {10, 104}, "", {}, "Valve CL to Cyl CL", {146, 104}, 104, 13},
    {"Valve Bore            Diameter", {10, 117}, "", {}, "Valve Bore Dia", {146, 117}, 117, 13},
    {"Valve Bore               Length", {10, 130}, "", {}, "Valve Bore Length", {146, 130}, 130, 13},
    {"ValveBore ctr to ValvePort", {204, 0}, "", {}, "Valve Bore ctr to Port", {342, 0}, 0, 13},
    {"ValveBore PortWidth Rear", {204, 13}, "", {}, "ValveBorePortWidthRear", {342, 13}, 13, 13},
    {kFrontDitto, {225, 26}, "", {}, "ValveBorePortWidthFront", {342, 26}, 26, 13},
    {"Valve ctr to Inside Edge", {204, 39}, " of Inside Ring", {259, 52}, "Valve ctr to Ring", {342, 52}, 39, 26},
    {"Valve End Width (Outside", {204, 65}, "Edges of Rings) Rear", {228, 78}, "Valve End Width  Rear", {342, 78},
     65, 26},
    {kFrontDitto, {225, 91}, "", {}, "Valve End Width  Front", {342, 91}, 91, 13},
    {"Valve ctr to Joint", {204, 104}, "  (Valve Stem)", {264, 117}, "Valve ctr to Joint (Stem)", {342, 117}, 104,
     26},
};

DimDialogLayout CylLayout()
{
    DimDialogLayout layout;
    layout.caption = "Cylinder Dimensions";
    layout.selectHint = "To Select Dynamic Variable, ClickDimension in GrayArea";
    layout.codeBase = CylCodeBase;
    for (const CylRowPlace& p : kRows) {
        const int buttonX = p.boxAt.x() < 200 ? 0 : 194;
        layout.rows.push_back({p.label, p.labelAt, p.label2, p.label2At, p.shortName, p.boxAt,
                               QRect(buttonX, p.buttonY, 8, p.buttonHeight)});
    }
    layout.resetCaption = "ResetCylDim";
    layout.resetAt = {288, 168};
    layout.closeAt = {288, 192};
    layout.editsBeforeButtons = CylDimCount;
    return layout;
}

}  // namespace

TCylDimen::TCylDimen(MechanismModel& model, TMainForm& mainForm) : DimensionDialog(model, mainForm, CylLayout())
{
    Reset1 = ResetButton;
}

void TCylDimen::ResetMouseDown()
{
    RunReset(false);
}

void TCylDimen::ResetCylClick()
{
    RunReset(true);
}

void TCylDimen::ResetDimensions()
{
    m.ResetCylDims();
}

}  // namespace zeph
