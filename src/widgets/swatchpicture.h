#pragma once

#include "core/colorvalue.h"

#include <QFrame>
#include <QImage>

namespace Tintora {

// A picture box: shows its image unscaled from the top-left corner of its inner area, clipped,
// and reports mouse presses, moves while a button is held, and releases in inner-area
// coordinates. While a button is held the box keeps receiving the moves, also outside it.
class SwatchPicture : public QFrame
{
    Q_OBJECT

public:
    SwatchPicture(const QString &name, const QImage &image, QWidget *parent = nullptr);

    // The colour shown at a point of the inner area; -1 outside it.
    ColorValue colorAt(QPoint innerPoint) const;

    const QImage &image() const { return m_image; }

signals:
    void mouseDown(QPoint innerPoint);
    void mouseMove(QPoint innerPoint);
    void mouseUp(QPoint innerPoint);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPoint innerPoint(const QMouseEvent *event) const;

    QImage m_image;
};

} // namespace Tintora
