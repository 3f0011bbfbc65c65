// A window's drawing surface: shows a picture painted elsewhere and reports mouse presses and moves.
#include "ui/widgets/PictureView.h"

#include <QMouseEvent>
#include <QPainter>

namespace zeph {

PictureView::PictureView(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PictureView::paintEvent(QPaintEvent* e)
{
    QPainter painter(this);
    // A plain copy per rectangle of the region to repaint (the picture between the controls on
    // it): drawn through the region as a whole, the image takes Qt's clipped path, which hands
    // the copy to worker threads and costs several times as much.
    for (const QRect& part : e->region()) {
        painter.setClipRect(part);
        painter.drawImage(part.topLeft(), picture_, part);
    }
    painter.setClipping(false);
    const QRect covered(QPoint(0, 0), picture_.size());
    if (!covered.contains(rect())) {
        const QColor window = palette().color(QPalette::Window);
        painter.fillRect(QRect(covered.width(), 0, width(), height()), window);
        painter.fillRect(QRect(0, covered.height(), width(), height()), window);
    }
}

void PictureView::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit pressed(e->button(), p.x(), p.y());
}

void PictureView::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit moved(p.x(), p.y());
}

}  // namespace zeph
