#include "core/colorhistory.h"

#include "core/coloritem.h"
#include "core/colormime.h"

#include <QMimeData>

namespace Tintora {

ColorHistory::ColorHistory(const QList<ColorValue> &colors)
{
    for (const ColorValue color : colors) {
        if (m_colors.size() == kSize)
            break;
        if (!m_colors.contains(color))
            m_colors.append(color);
    }
}

qsizetype ColorHistory::add(ColorValue color)
{
    const qsizetype held = m_colors.indexOf(color);
    if (held >= 0) {
        m_colors.move(held, 0);
        return held;
    }
    m_colors.prepend(color);
    if (m_colors.size() > kSize)
        m_colors.removeLast();
    return -1;
}

HistoryModel::HistoryModel(QObject *parent)
    : QAbstractListModel(parent)
{ }

void HistoryModel::setHistory(const ColorHistory &history)
{
    beginResetModel();
    m_history = history;
    endResetModel();
    emit historyChanged();
}

void HistoryModel::add(ColorValue color)
{
    const qsizetype held = m_history.colors().indexOf(color);
    if (held == 0)
        return;
    // Told to the views as the move or insertion it is, so that a selection stays on its colour.
    if (held > 0) {
        beginMoveRows({}, int(held), int(held), {}, 0);
        m_history.add(color);
        endMoveRows();
    } else {
        if (m_history.colors().size() == ColorHistory::kSize) {
            beginRemoveRows({}, ColorHistory::kSize - 1, ColorHistory::kSize - 1);
            m_history = ColorHistory(m_history.colors().first(ColorHistory::kSize - 1));
            endRemoveRows();
        }
        beginInsertRows({}, 0, 0);
        m_history.add(color);
        endInsertRows();
    }
    emit historyChanged();
}

void HistoryModel::clear()
{
    setHistory(ColorHistory());
}

int HistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_history.colors().size());
}

QVariant HistoryModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    return colorItemData(QString(), m_history.colors().at(index.row()), role);
}

Qt::ItemFlags HistoryModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled
        | Qt::ItemNeverHasChildren;
}

QStringList HistoryModel::mimeTypes() const
{
    return colorMimeTypes();
}

QMimeData *HistoryModel::mimeData(const QModelIndexList &indexes) const
{
    return colorItemMimeData(indexes).release();
}

} // namespace Tintora
