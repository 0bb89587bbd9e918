#include "core/notationsource.h"

#include <iterator>

namespace Tintora {

QString notationName(ColorNotation notation)
{
    static const char *const names[]
        = {"Hex",   "Rgb",   "Hsl",  "Hwb",     "Hsv",      "Lab",     "Lch",
           "Oklab", "Oklch", "Cmyk", "Decimal", "ColorRef", "CssName", "Catalog"};
    static_assert(std::size(names) == std::size_t(ColorNotation::Catalog) + 1);
    return QLatin1StringView(names[int(notation)]);
}

NotationSource::NotationSource(std::function<CatalogNames()> catalog, QStringList profileFolders,
                               QObject *parent)
    : QObject(parent)
    , m_catalog(std::move(catalog))
    , m_profileFolders(std::move(profileFolders))
{ }

NotationRow NotationSource::row(ColorNotation notation, ColorValue color)
{
    if (notation == ColorNotation::Cmyk)
        return cmykRow(color, converter());
    return notationRow(notation, color, m_catalog ? m_catalog() : CatalogNames {});
}

QList<NotationRow> NotationSource::rows(ColorValue color)
{
    QList<NotationRow> rows;
    for (int notation = 0; notation <= int(ColorNotation::Catalog); ++notation)
        rows.append(row(ColorNotation(notation), color));
    return rows;
}

const CmykProfileScan &NotationSource::profiles()
{
    if (!m_profiles)
        m_profiles = findCmykProfiles(m_profileFolders);
    return *m_profiles;
}

void NotationSource::chooseCmyk(int profileIndex, RenderingIntent intent)
{
    if (profileIndex == m_profileIndex && intent == m_intent)
        return;
    m_profileIndex = profileIndex;
    m_intent = intent;
    m_converter.reset();
    emit cmykChanged();
}

const CmykConverter &NotationSource::converter()
{
    if (!m_converter) {
        const QList<CmykProfile> &found = profiles().profiles;
        m_converter = m_profileIndex >= 0 && m_profileIndex < found.size()
            ? CmykConverter(found.at(m_profileIndex).path, m_intent)
            : CmykConverter();
    }
    return *m_converter;
}

} // namespace Tintora
