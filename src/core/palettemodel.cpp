#include "core/palettemodel.h"

#include "core/coloritem.h"
#include "core/colormime.h"

#include <QMimeData>
#include <QUndoCommand>

#include <algorithm>

namespace Tintora {

namespace {

QString colourCount(const char *one, const char *many, qsizetype count)
{
    return count == 1 ? QString::fromLatin1(one) : QString::fromLatin1(many).arg(count);
}

} // namespace

// Adds entries or, with adding false, deletes them; undone, the reverse.
class PaletteModel::EntriesCommand : public QUndoCommand
{
public:
    EntriesCommand(PaletteModel &model, int row, QList<PaletteEntry> entries, bool adding)
        : QUndoCommand(adding ? colourCount("Add Colour", "Add %1 Colours", entries.size())
                              : colourCount("Delete Colour", "Delete %1 Colours", entries.size()))
        , m_model(model)
        , m_row(row)
        , m_entries(std::move(entries))
        , m_adding(adding)
    { }
    void redo() override { apply(m_adding); }
    void undo() override { apply(!m_adding); }

private:
    void apply(bool add)
    {
        if (add)
            m_model.applyInsert(m_row, m_entries);
        else
            m_model.applyRemove(m_row, int(m_entries.size()));
    }

    PaletteModel &m_model;
    int m_row;
    QList<PaletteEntry> m_entries;
    bool m_adding;
};

class PaletteModel::RenameCommand : public QUndoCommand
{
public:
    RenameCommand(PaletteModel &model, int row, QString name)
        : QUndoCommand(QStringLiteral("Rename Colour"))
        , m_model(model)
        , m_row(row)
        , m_oldName(model.m_palette.entries.at(row).name)
        , m_newName(std::move(name))
    { }
    void redo() override { m_model.applyRename(m_row, m_newName); }
    void undo() override { m_model.applyRename(m_row, m_oldName); }

private:
    PaletteModel &m_model;
    int m_row;
    QString m_oldName;
    QString m_newName;
};

class PaletteModel::MoveCommand : public QUndoCommand
{
public:
    MoveCommand(PaletteModel &model, int row, int count, int destination)
        : QUndoCommand(colourCount("Move Colour", "Move %1 Colours", count))
        , m_model(model)
        , m_row(row)
        , m_count(count)
        , m_destination(destination)
    { }
    void redo() override { m_model.applyMove(m_row, m_count, m_destination); }
    // The moved entries start at their new row; moving them back to before the entry that
    // followed them before, counted the same way.
    void undo() override
    {
        const int movedTo = m_destination > m_row ? m_destination - m_count : m_destination;
        m_model.applyMove(movedTo, m_count, m_row > movedTo ? m_row + m_count : m_row);
    }

private:
    PaletteModel &m_model;
    int m_row;
    int m_count;
    int m_destination;
};

PaletteModel::PaletteModel(QObject *parent)
    : QAbstractListModel(parent)
{ }

void PaletteModel::setPalette(Palette palette)
{
    beginResetModel();
    m_palette = std::move(palette);
    endResetModel();
    m_undoStack.clear();
    emit paletteChanged();
}

bool PaletteModel::insertEntries(int row, const QList<PaletteEntry> &entries)
{
    const int size = rowCount();
    if (row == -1)
        row = size;
    if (row < 0 || row > size || entries.isEmpty())
        return false;
    QList<PaletteEntry> trimmed = entries;
    for (PaletteEntry &entry : trimmed)
        entry.name = entry.name.trimmed();
    m_undoStack.push(new EntriesCommand(*this, row, std::move(trimmed), true));
    return true;
}

bool PaletteModel::renameEntry(int row, const QString &name)
{
    if (row < 0 || row >= rowCount())
        return false;
    const QString trimmed = name.trimmed();
    if (trimmed != m_palette.entries.at(row).name)
        m_undoStack.push(new RenameCommand(*this, row, trimmed));
    return true;
}

bool PaletteModel::removeEntries(int row, int count)
{
    if (row < 0 || count <= 0 || row + count > rowCount())
        return false;
    m_undoStack.push(new EntriesCommand(*this, row, m_palette.entries.mid(row, count), false));
    return true;
}

bool PaletteModel::moveEntries(int row, int count, int destination)
{
    // A move to where the entries are already is none.
    if (row < 0 || count <= 0 || row + count > rowCount() || destination < 0
        || destination > rowCount() || (destination >= row && destination <= row + count))
        return false;
    m_undoStack.push(new MoveCommand(*this, row, count, destination));
    return true;
}

void PaletteModel::applyInsert(int row, const QList<PaletteEntry> &entries)
{
    beginInsertRows({}, row, row + int(entries.size()) - 1);
    m_palette.entries.insert(row, entries.size(), {});
    std::copy(entries.begin(), entries.end(), m_palette.entries.begin() + row);
    endInsertRows();
    emit paletteChanged();
}

void PaletteModel::applyRemove(int row, int count)
{
    beginRemoveRows({}, row, row + count - 1);
    m_palette.entries.remove(row, count);
    endRemoveRows();
    emit paletteChanged();
}

void PaletteModel::applyRename(int row, const QString &name)
{
    m_palette.entries[row].name = name;
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed);
    emit paletteChanged();
}

void PaletteModel::applyMove(int row, int count, int destination)
{
    beginMoveRows({}, row, row + count - 1, {}, destination);
    const QList<PaletteEntry> moved = m_palette.entries.mid(row, count);
    m_palette.entries.remove(row, count);
    const int insertAt = destination > row ? destination - count : destination;
    m_palette.entries.insert(insertAt, count, {});
    std::copy(moved.begin(), moved.end(), m_palette.entries.begin() + insertAt);
    endMoveRows();
    emit paletteChanged();
}

int PaletteModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_palette.entries.size());
}

QVariant PaletteModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const PaletteEntry &entry = m_palette.entries.at(index.row());
    return colorItemData(entry.name, entry.color, role);
}

bool PaletteModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole
        || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    return renameEntry(index.row(), value.toString());
}

Qt::ItemFlags PaletteModel::flags(const QModelIndex &index) const
{
    // Drops go between entries, never onto one.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsDragEnabled
        | Qt::ItemNeverHasChildren;
}

bool PaletteModel::removeRows(int row, int count, const QModelIndex &parent)
{
    return !parent.isValid() && removeEntries(row, count);
}

bool PaletteModel::moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                            const QModelIndex &destinationParent, int destinationChild)
{
    return !sourceParent.isValid() && !destinationParent.isValid()
        && moveEntries(sourceRow, count, destinationChild);
}

QStringList PaletteModel::mimeTypes() const
{
    return colorMimeTypes();
}

QMimeData *PaletteModel::mimeData(const QModelIndexList &indexes) const
{
    return colorItemMimeData(indexes).release();
}

bool PaletteModel::canDropMimeData(const QMimeData *data, Qt::DropAction, int, int,
                                   const QModelIndex &parent) const
{
    return data && !parent.isValid() && colorFromMimeData(*data).has_value();
}

bool PaletteModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int,
                                const QModelIndex &parent)
{
    if (action == Qt::IgnoreAction)
        return true;
    if (!data || parent.isValid())
        return false;
    const std::optional<ColorValue> color = colorFromMimeData(*data);
    return color && insertEntries(row, {{QString(), *color}});
}

Qt::DropActions PaletteModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

Qt::DropActions PaletteModel::supportedDragActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

} // namespace Tintora
