// The frame dimensions dialog: the 27 frame and valve-gear dimensions, pointer buttons and frame reset.
#include "ui/dimensions/FrameDimensionsDialog.h"

#include "ui/session/Session.h"

namespace zeph {

namespace {

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

FrameDimensionsDialog::FrameDimensionsDialog(Session& session, QWidget* parent)
    : DimensionDialog(session, parent, FrameLayout())
{
}

void FrameDimensionsDialog::ResetDimensions(bool clearUndo)
{
    session_.Dimensions().ResetFrameDimensions(clearUndo);
}

}  // namespace zeph
