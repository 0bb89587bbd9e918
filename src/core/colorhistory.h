#pragma once

#include "core/colorvalue.h"

#include <QAbstractListModel>
#include <QList>

namespace Tintora {

// The last colours used, newest first, each once.
class ColorHistory
{
public:
    static constexpr qsizetype kSize = 24;

    // Keeps the first kSize distinct colours of the list, in its order.
    explicit ColorHistory(const QList<ColorValue> &colors = {});

    const QList<ColorValue> &colors() const { return m_colors; }
    // Puts a colour in front; one held already moves there, and beyond kSize the oldest goes.
    // Gives the row the colour held before, or -1 for a new one.
    qsizetype add(ColorValue color);
    void clear() { m_colors.clear(); }

    friend bool operator==(const ColorHistory &, const ColorHistory &) = default;

private:
    QList<ColorValue> m_colors;
};

// The history as a row of colours for the palette window: items as in coloritem.h, named by
// their value, each one dragged as its colour.
class HistoryModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit HistoryModel(QObject *parent = nullptr);

    const ColorHistory &history() const { return m_history; }
    void setHistory(const ColorHistory &history);
    void add(ColorValue color);
    void clear();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;

signals:
    void historyChanged();

private:
    ColorHistory m_history;
};

} // namespace Tintora
