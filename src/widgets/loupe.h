#pragma once

#include <QImage>
#include <QWidget>

namespace Tintora {

// The magnifier of a pick from the screen: a small window beside the pointer showing the screen's
// device pixels around it enlarged, the one under the pointer framed, and that pixel's #RRGGBB
// below, which it also gives a screen reader as its description. It takes neither the keyboard nor
// the mouse, and never covers the pixels it shows: it stands clear of them on whichever side of the
// pointer the screen has room, and hides where no side has.
class Loupe : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kRadius = 7; // pixels shown each way from the pointer's: 15 × 15
    static constexpr int kZoom = 8; // each drawn as a square of 8 × 8 logical pixels

    // A window of its own, which the parent owns.
    explicit Loupe(QWidget *parent);

    // Shows the pixels around a position in global coordinates, beside it.
    void showAt(QPointF globalPosition);
    // Whether the loupe shows over pixels it would show around a position.
    bool covers(QPointF globalPosition) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_area;
    QString m_text;
};

} // namespace Tintora
