// The vector copy of the scene is the screen's picture: every line and figure where the window has it.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "PictureMatch.h"
#include "model/tick/AnimationTick.h"
#include "render/copies/PictureCopies.h"
#include "render/scene/ScenePainter.h"

namespace zeph {
namespace {

// The copy painted on a white image of its page size, as a printer or a viewer would show it.
QImage Rendered(const HardCopy& copy)
{
    QImage image(copy.pageSize.toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    copy.paint(painter, 0);
    return image;
}

TEST(SceneCopy, DrawsTheShownPartOfTheScene)
{
    MechanismModel m;
    m.StartUp();
    m.DriverAngle = 57;
    SolveAndMap(m);
    UpdateTickState(m);
    QImage screen;
    ScenePainter().Paint(screen, m);
    const QSize shown(632, 380);
    const HardCopy copy = SceneCopy(m, shown, {}, QStringLiteral("scene"));
    EXPECT_EQ(copy.pageSize.toSize(), shown);
    const QImage part = screen.copy(QRect(QPoint(0, 0), shown));

    // Drawn later, after the model has moved on: the copy keeps the moment it was made.
    m.DriverAngle = 200;
    SolveAndMap(m);
    const QImage vectors = Rendered(copy);
    EXPECT_LT(test::UnmatchedInk(part, vectors, 1), 0.03);
    EXPECT_LT(test::UnmatchedInk(vectors, part, 1), 0.03);

    // A view larger than the scene is held to the scene.
    EXPECT_EQ(SceneCopy(m, {4000, 300}, {}, QString()).pageSize.toSize(), QSize(ScenePainter::Width, 300));
}

}  // namespace
}  // namespace zeph
