#pragma once

#include "core/cmykconverter.h"
#include "core/cmykprofiles.h"
#include "core/notations.h"

#include <QObject>

#include <functional>
#include <optional>

namespace Tintora {

// The name of a notation in object names ("Oklch" for ColorNotation::Oklch): the colour window's
// copy buttons and the entries of Edit > Copy As are named after it.
QString notationName(ColorNotation notation);

// Every notation of a colour as the colour window and Edit > Copy As give it: the rows of
// notations.h with CMYK through the profile and rendering intent the user chose. The profile
// folders are searched, and a converter made, only when CMYK is first asked for; a converter is
// made again only when the choice changes, never for a colour.
class NotationSource : public QObject
{
    Q_OBJECT

public:
    // catalog gives the catalogue that the nearest entry is looked up in, each time rows are made;
    // profileFolders are the folders searched for CMYK profiles.
    NotationSource(std::function<CatalogNames()> catalog,
                   QStringList profileFolders = Tintora::profileFolders(),
                   QObject *parent = nullptr);

    // One notation of a colour; the Catalog row has its label alone without a catalogue.
    NotationRow row(ColorNotation notation, ColorValue color);
    // Every notation, in the order of ColorNotation.
    QList<NotationRow> rows(ColorValue color);

    // The CMYK profiles found, the default first, and the damaged files skipped.
    const CmykProfileScan &profiles();
    // The chosen profile, an index into profiles().profiles, and the rendering intent.
    int profileIndex() const { return m_profileIndex; }
    RenderingIntent intent() const { return m_intent; }
    void chooseCmyk(int profileIndex, RenderingIntent intent);

signals:
    // The CMYK row of every colour may have changed: another profile or intent was chosen.
    void cmykChanged();

private:
    const CmykConverter &converter();

    std::function<CatalogNames()> m_catalog;
    QStringList m_profileFolders;
    std::optional<CmykProfileScan> m_profiles;
    int m_profileIndex = 0;
    RenderingIntent m_intent = RenderingIntent::RelativeColorimetric;
    std::optional<CmykConverter> m_converter;
};

} // namespace Tintora
