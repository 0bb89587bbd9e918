#include "widgets/colorlistview.h"

#include "core/coloritem.h"
#include "widgets/colordrag.h"

#include <QKeyEvent>

namespace Tintora {

ColorListView::ColorListView(const QString &name, const QString &accessibleName, QWidget *parent)
    : QListView(parent)
{
    setObjectName(name);
    setAccessibleName(accessibleName);
    setUniformItemSizes(true);
    setIconSize({20, 20});
    setDragEnabled(true);
    // clicked, not activated: some styles activate on a single click too, which would give the
    // colour twice.
    connect(this, &QListView::clicked, this,
            [this](const QModelIndex &index) { emit colorChosen(index.data(ColorRole).toInt()); });
}

void ColorListView::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && currentIndex().isValid() && state() != EditingState) {
        emit colorChosen(currentIndex().data(ColorRole).toInt());
        return;
    }
    QListView::keyPressEvent(event);
}

void ColorListView::startDrag(Qt::DropActions supportedActions)
{
    if (currentIndex().isValid())
        dragColor(this, currentIndex().data(ColorRole).toInt(), supportedActions,
                  defaultDropAction() == Qt::IgnoreAction ? Qt::CopyAction : defaultDropAction());
}

} // namespace Tintora
