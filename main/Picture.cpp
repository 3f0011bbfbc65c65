// The main window's drawing surface: shows the last rendered scene and reports mouse presses.
#include "main/Picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace zeph {

TPicture::TPicture(const QImage& scene, QWidget* parent) : QWidget(parent), scene_(scene)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, scene_);
    // Beyond the scene's 1280 x 1024 the window shows its own colour.
    const QRect covered(QPoint(0, 0), scene_.size());
    if (!covered.contains(rect())) {
        const QColor window = palette().color(QPalette::Window);
        painter.fillRect(QRect(covered.width(), 0, width(), height()), window);
        painter.fillRect(QRect(0, covered.height(), width(), height()), window);
    }
}

void TPicture::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit MouseDown(e->button(), p.x(), p.y());
}

}  // namespace zeph
