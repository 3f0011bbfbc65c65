// The dimension pointer: zooms onto one dimension, blinks a line along it and names it.
#include "main/DimensionPointer.h"

namespace zeph {

DimensionPointer::DimensionPointer(MechanismModel& model) : m(model) {}

void DimensionPointer::Draw(Canvas&)
{
}

void DimensionPointer::MouseDown()
{
    if (m.GraphicDimCode != 0) PointerTicks = 1005;
}

}  // namespace zeph
