// The main window's drawing surface: shows the last rendered scene and reports mouse presses.
#pragma once

#include <QImage>
#include <QWidget>

namespace zeph {

class TPicture : public QWidget {
    Q_OBJECT
public:
    TPicture(const QImage& scene, QWidget* parent);

signals:
    void MouseDown(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    const QImage& scene_;
};

}  // namespace zeph
