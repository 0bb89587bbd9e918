#pragma once

#include "core/palette.h"

#include <QAbstractListModel>
#include <QUndoStack>

namespace Tintora {

// The user's palette as a list for the palette window: one row per entry, its name for display
// and editing, its colour under ColorRole (see coloritem.h). Every change made through the model
// is a step on its undo stack, so the window's Undo and Redo take it back and forth; drags carry
// an entry's colour, and a colour dropped on the list becomes a new entry.
class PaletteModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit PaletteModel(QObject *parent = nullptr);

    const Palette &palette() const { return m_palette; }
    // Replaces the whole palette, as when it is loaded; this is no step, and clears the undo stack.
    void setPalette(Palette palette);
    QUndoStack *undoStack() { return &m_undoStack; }

    // The undoable edits, each one step. Rows out of range do nothing and give false; row -1
    // inserts at the end. Names are kept without blanks around them.
    bool insertEntries(int row, const QList<PaletteEntry> &entries);
    bool renameEntry(int row, const QString &name);
    bool removeEntries(int row, int count);
    // Moves count entries from row to before destination, counted before the move (as
    // QAbstractItemModel::moveRows counts).
    bool moveEntries(int row, int count, int destination);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    bool moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                  const QModelIndex &destinationParent, int destinationChild) override;

    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;

signals:
    // After every change of the palette: an edit, its undo or redo, or a new palette.
    void paletteChanged();

private:
    class EntriesCommand;
    class RenameCommand;
    class MoveCommand;

    // The changes themselves, which the commands do and undo.
    void applyInsert(int row, const QList<PaletteEntry> &entries);
    void applyRemove(int row, int count);
    void applyRename(int row, const QString &name);
    void applyMove(int row, int count, int destination);

    Palette m_palette;
    QUndoStack m_undoStack;
};

} // namespace Tintora
