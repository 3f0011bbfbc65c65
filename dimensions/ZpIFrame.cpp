// The frame dimensions dialog: the 27 frame and valve-gear dimensions, pointer buttons and frame reset.
#include "dimensions/ZpIFrame.h"

#include "main/MainForm.h"
#include "model/ViewTransform.h"

namespace zeph {

namespace {

struct FrameRowText {
    const char* label;
    const char* shortName;  // empty: a white row
};

const FrameRowText kRows[FrameDimCount] = {
    {"Driver                    Diameter", "Driver Dia"},
    {"Stroke                      Length", "Stroke"},
    {"Main Rod                 Length", "Main Rod Length"},
    {"EccentricCrank Circle Diam", "Ecc Crank Cir Dia"},
    {"Eccentric Crank       Length", "Ecc Crank Length"},
    {"Eccentric Rod       Left End", "Ecc Rod Left End"},
    {"Eccentric Rod     Right End", "Ecc Rod Right End"},
    {"Radius Hanger         Length", "Radius Hanger Length"},
    {"Guide Link                Radius", "Guide Link Radius"},
    {"GuideLink Rad Center Vert", "G Link Rad Cent Vert"},
    {"GuideLink Rad Center Horz", "G Link Rad Cent Horz"},
    {"Transmission Yoke  Length", "Transmission Yoke"},
    {"Bell Crank Pivot            Vert", "Bell Crank Piv Vert"},
    {"Bell Crank Pivot            Horz", "Bell Crank Piv Horz"},
    {"Bell Crank                      Vert", "Bell Crank Vert"},
    {"Bell Crank               BackSet", "Bell Crank BackSet"},
    {"Bell Crank                     Horz", "Bell Crank Horz"},
    {"Valve Con Rod         Length", "Valve Con Rod"},
    {"Auxil Reach Rod           Vert", "Auxil Reach Rod Vert"},
    {"Auxil Reach Rod          Horz", "Auxil Reach Rod Horz"},
    {"Reverse Arm              Upper", "Reverse Arm Upper"},
    {"Reverse Arm              Lower", "Reverse Arm Lower"},
    {"Reverse Arm Pivot       Vert", "Rev Arm Piv Vert"},
    {"Reverse Arm Pivot      Horz", "Rev Arm Piv Horz"},
    {"Offset Angle of Vert Center", ""},
    {"Reverse Arm to Cent Norm", ""},
    // Ditto marks under "Reverse Arm" and "Cent", then "Max".
    {"\"           \"             Max", ""},
};

constexpr int LineHeight = 13;
constexpr int LeftColumnRows = 14;

// Rows 1..14 in the left column, 15..27 in the right; the white rows 25..27 sit in the right
// column too, and row 27's label starts under row 26's words.
DimRowLayout FrameRow(int row)
{
    const bool left = row <= LeftColumnRows;
    const int line = left ? row - 1 : row - LeftColumnRows - 1;
    const int y = LineHeight * line;
    DimRowLayout r;
    r.label = kRows[row - 1].label;
    r.shortName = kRows[row - 1].shortName;
    r.labelAt = {row == FrameDimCount ? 234 : (left ? 10 : 204), y};
    r.boxAt = {left ? 146 : 342, y};
    r.button = {left ? 0 : 194, y, 8, LineHeight};
    return r;
}

DimDialogLayout FrameLayout()
{
    DimDialogLayout layout;
    layout.caption = "Frame Dimensions";
    layout.selectHint = "To Select Dynamic Variable, Click Dimension in Gray Area";
    layout.codeBase = 0;
    for (int row = 1; row <= FrameDimCount; ++row) layout.rows.push_back(FrameRow(row));
    layout.resetCaption = "ResetFrameDim";
    layout.resetAt = {288, 176};
    layout.closeAt = {288, 200};
    layout.editsBeforeButtons = 3;
    return layout;
}

}  // namespace

TFrameDi::TFrameDi(MechanismModel& model, TMainForm& mainForm)
    : DimensionDialog(model, mainForm, FrameLayout())
{
    ResetFrame = ResetButton;
}

void TFrameDi::ResetFrameMouseDown()
{
    RunReset(false);
}

void TFrameDi::ResetFrameClick()
{
    RunReset(true);
}

void TFrameDi::ResetDimensions()
{
    m.ResetFrameDims();
    SetRevArmBarRange();
}

void TFrameDi::SetRevArmBarRange()
{
    const Real max = m.Frame.RevArmMax;
    main_.SBRevArm->setMaximum(RoundInt(max * 1000));
    main_.SBRevArm->setMinimum(RoundInt(max * -1000));
}

void TFrameDi::ClampDiagramPositions()
{
    const Real c = m.DiagramRevArmPos[0], n = m.Frame.RevArmNorm;
    const float low = static_cast<float>(c - n), high = static_cast<float>(c + n);
    for (int i = 1; i < DiagramRevArmEntries; ++i) {
        float& p = m.DiagramRevArmPos[static_cast<size_t>(i)];
        if (p == 0.0f) continue;  // not in use
        if (p < low) p = low;
        if (p > high) p = high;
    }
}

// Row 25 is a plain value; rows 26 and 27 limit each other (normal travel never beyond the
// maximum) and row 27 also sets the range of the main window's reverse-arm bar.
void TFrameDi::ExitWhiteRow(int row, float value)
{
    FrameDims& f = m.Frame;
    if (row == 25) {
        f.OffsetAngle = value;
    } else if (row == 26) {
        f.RevArmNorm = value;
        if (f.RevArmNorm > f.RevArmMax) {
            f.RevArmNorm = f.RevArmMax;
            ClampDiagramPositions();
        }
    } else if (row == 27) {
        f.RevArmMax = value;
        if (f.RevArmMax < f.RevArmNorm) {
            f.RevArmMax = f.RevArmNorm;
            ClampDiagramPositions();
        }
        SetRevArmBarRange();
    }
}

}  // namespace zeph
