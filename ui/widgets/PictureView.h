// A window's drawing surface: shows a picture painted elsewhere and reports mouse presses and moves.
#pragma once

#include <QImage>
#include <QWidget>

namespace zeph {

class PictureView : public QWidget {
    Q_OBJECT
public:
    // Shows `picture`, which the owner keeps and repaints; beyond it the widget shows its own colour.
    PictureView(const QImage& picture, QWidget* parent);

signals:
    void pressed(Qt::MouseButton button, int x, int y);
    void moved(int x, int y);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    const QImage& picture_;
};

}  // namespace zeph
