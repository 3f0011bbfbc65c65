// Where the picture lies in the main window's client area: its centre, the zone presses land in, centring the view.
#include "model/linkage/PictureGeometry.h"

#include "model/linkage/ViewTransform.h"

namespace zeph {

PanBarNudge CentreViewOn(MechanismModel& m, float px, float py)
{
    const Real x = px, y = py, cx = PictureCentreX, cy = PictureCentreY;
    m.ViewPanX = static_cast<float>(cx - x * m.ViewScale);
    m.ViewPanY = static_cast<float>(y * m.ViewScale + cy);
    const Real h = m.HomeView.scale, hx = m.HomeView.panX, hy = m.HomeView.panY;
    return {RoundInt(((Real(m.ViewPanX) - cx) * h / m.ViewScale + cx - hx) * 100 / (-hx)),
            RoundInt(((Real(m.ViewPanY) - cy) * h / m.ViewScale + cy - hy) * 200 / hy)};
}

}  // namespace zeph
