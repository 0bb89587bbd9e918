#pragma once

#include <QString>

namespace Tintora {

// Who makes the program: shown on the help panel's Contact topic and in the footer of an empty
// preview page.
inline QString makerName()
{
    return QStringLiteral("Tintora Systems");
}
inline QString makerAuthor()
{
    return QStringLiteral("Ilse Varga");
}
inline QString makerEmail()
{
    return QStringLiteral("support@tintora.example");
}
inline QString makerRightsNotice()
{
    return QStringLiteral("Copyright \u00A9 Tintora Systems, December 2026. All rights reserved.");
}
// A public page that lists the catalogue's colour numbers.
inline QString catalogWebPage()
{
    return QStringLiteral("https://en.wikipedia.org/wiki/Pantone");
}

} // namespace Tintora
