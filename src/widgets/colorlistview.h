#pragma once

#include "core/colorvalue.h"

#include <QListView>

namespace Tintora {

// A list of colour items (core/coloritem.h), each a swatch with its name, reached with the arrow
// keys and spoken by name and value. A click or Enter on an item chooses its colour; an item
// dragged out carries its colour as a copy, so that a program taking it as a move never deletes
// it here. Moves inside the list are the list's own, when its model allows them.
class ColorListView : public QListView
{
    Q_OBJECT

public:
    ColorListView(const QString &name, const QString &accessibleName, QWidget *parent);

signals:
    void colorChosen(Tintora::ColorValue color);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
};

} // namespace Tintora
