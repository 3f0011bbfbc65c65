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
}

void TPicture::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit MouseDown(e->button(), p.x(), p.y());
}

}  // namespace zeph
