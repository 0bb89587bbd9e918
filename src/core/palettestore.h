#pragma once

#include "core/colorhistory.h"
#include "core/palette.h"
#include "core/palettefile.h"

#include <QSet>
#include <QStringList>

namespace Tintora {

// The palette and the history kept between runs, as GIMP palette files in a folder (the program
// passes its data folder): palette.gpl and history.gpl. Saves are atomic, so a crash, a kill or
// a full disk during one leaves the file before it whole.
class PaletteStore
{
public:
    explicit PaletteStore(QString folder);

    QString palettePath() const;
    QString historyPath() const;

    struct Contents
    {
        Palette palette;
        ColorHistory history;
        QStringList problems; // a message for the user per file that could not be read
    };

    // Reads both files. A missing one gives an empty palette or history. One that cannot be read
    // or is damaged gives an empty one too, and is renamed to "<name>.damaged-<date>-<time>" so
    // that no save replaces it; should even that fail, no save replaces it in place either.
    Contents load();

    // Each gives the message for the user, naming the file, or nothing.
    QString savePalette(const Palette &palette);
    QString saveHistory(const ColorHistory &history);

private:
    PaletteLoad loadFile(const QString &name);
    QString save(const QString &name, const Palette &palette) const;

    QString m_folder;
    QSet<QString> m_keptInPlace; // damaged files that could not be moved aside
};

} // namespace Tintora
